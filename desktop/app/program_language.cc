#include "desktop/app/program_language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <string>

#include "desktop/ui/language_locale.h"
#include "language/catalogue.h"

namespace vantrel {

namespace {

QString Code(Language language) {
  const std::string_view code = LanguageCode(language);
  return QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size()));
}

}  // namespace

Language SystemLanguage() {
  std::vector<std::string> preferred;
  for (const QString& code : QLocale::system().uiLanguages()) {
    preferred.push_back(code.toStdString());
  }
  return PreferredLanguage(preferred);
}

QString ProgramLanguage::QtTranslationsFolder() {
  return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

ProgramLanguage::ProgramLanguage(Language language, const QString& folder, const QString& qt_folder)
    : language_(language), earlier_locale_(QLocale()) {
  // Every area's file of the language ("desktop_de.qm", "notebook_de.qm"; English has only
  // its plural forms), and the pseudo-language's one file.
  const QStringList files = QDir(folder).entryList({QStringLiteral("*_%1.qm").arg(Code(language))},
                                                   QDir::Files, QDir::Name);
  for (const QString& file : files) {
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(file, folder)) Install(std::move(translator));
  }
  if (language == Language::kDutch || language == Language::kGerman) {
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(QStringLiteral("qtbase_%1").arg(Code(language)), qt_folder)) {
      Install(std::move(translator));
    }
  }
  SetLanguage(language);
  QLocale::setDefault(LanguageLocale(language));
}

ProgramLanguage::~ProgramLanguage() {
  for (const auto& translator : translators_) {
    QCoreApplication::removeTranslator(translator.get());
  }
  SetLanguage(Language::kEnglish);
  QLocale::setDefault(earlier_locale_);
}

void ProgramLanguage::Install(std::unique_ptr<QTranslator> translator) {
  QCoreApplication::installTranslator(translator.get());
  translators_.push_back(std::move(translator));
}

}  // namespace vantrel
