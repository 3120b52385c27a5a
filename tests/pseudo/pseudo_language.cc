#include "tests/pseudo/pseudo_language.h"

#include <QCoreApplication>
#include <QTranslator>

#include "language/catalogue.h"
#include "language/language.h"

namespace vantrel::testing {

bool SpeakPseudoLanguage(QString& problem) {
  // One for the whole test program: a translator must outlive every text asked of it.
  static QTranslator* const translator = new QTranslator(QCoreApplication::instance());
  if (translator->isEmpty()) {
    const QString file = QStringLiteral(VANTREL_PSEUDO_QM);
    if (!translator->load(file) || translator->isEmpty()) {
      problem = QStringLiteral("cannot load the texts of ") + file;
      return false;
    }
    QCoreApplication::installTranslator(translator);
  }
  SetLanguage(Language::kPseudo);
  return true;
}

}  // namespace vantrel::testing
