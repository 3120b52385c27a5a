#include "tests/desktop/pseudo/pseudo_language.h"

#include <QCoreApplication>
#include <QFile>
#include <QTranslator>
#include <QXmlStreamReader>
#include <string>
#include <utility>

#include "language/catalogue.h"
#include "language/language.h"

namespace vantrel::testing {

namespace {

// The context and English source of the first plain message in the pseudo-language's .ts.
std::pair<QString, QString> FirstMessage() {
  QFile file(QStringLiteral(VANTREL_PSEUDO_TS));
  if (!file.open(QIODevice::ReadOnly)) return {};
  QXmlStreamReader xml(&file);
  QString context;
  bool plural = false;
  while (xml.readNextStartElement() || !xml.atEnd()) {
    if (!xml.isStartElement()) continue;
    if (xml.name() == QLatin1String("name")) context = xml.readElementText();
    if (xml.name() == QLatin1String("message")) {
      plural = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
    }
    if (xml.name() == QLatin1String("source") && !plural) return {context, xml.readElementText()};
  }
  return {};
}

}  // namespace

bool SpeakPseudoLanguage(QString& problem) {
  // One for the whole test program: a translator must outlive every text asked of it.
  static QTranslator* const kTranslator = new QTranslator(QCoreApplication::instance());
  if (kTranslator->isEmpty()) {
    const QString file = QStringLiteral(":/i18n/vantrel_pseudo.qm");
    if (!kTranslator->load(file) || kTranslator->isEmpty()) {
      problem = QStringLiteral("cannot load the texts of ") + file;
      return false;
    }
    QCoreApplication::installTranslator(kTranslator);
  }
  SetLanguage(Language::kPseudo);

  // Both ways a text is translated must now give the bracketed form, or the walk would
  // pass without ever seeing the pseudo-language.
  const auto [context, source] = FirstMessage();
  if (source.isEmpty()) {
    problem = QStringLiteral("no message in " VANTREL_PSEUDO_TS);
    return false;
  }
  const QByteArray context_bytes = context.toUtf8();
  const QByteArray source_bytes = source.toUtf8();
  if (!QCoreApplication::translate(context_bytes.constData(), source_bytes.constData())
           .startsWith(QLatin1Char('['))) {
    problem = QStringLiteral("Qt's translator does not give the pseudo-language for ") + source;
    return false;
  }
  if (!Tr(context_bytes.toStdString(), source_bytes.toStdString()).starts_with('[')) {
    problem =
        QStringLiteral("the core's catalogue does not give the pseudo-language for ") + source;
    return false;
  }
  return true;
}

}  // namespace vantrel::testing
