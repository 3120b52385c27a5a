#ifndef VANTREL_TESTS_DESKTOP_NOTEBOOK_CATALOGUE_TRANSLATOR_H_
#define VANTREL_TESTS_DESKTOP_NOTEBOOK_CATALOGUE_TRANSLATOR_H_

#include <QCoreApplication>
#include <QTranslator>
#include <string>
#include <vector>

#include "language/catalogue.h"
#include "language/language.h"

namespace vantrel::testing {

// Qt's tr() answered from the catalogue built into the program, which the build makes of
// the same Linguist files as the desktop's .qm files: the widgets speak `language` as
// they do in the program, without lrelease at test time.
class CatalogueTranslator final : public QTranslator {
 public:
  explicit CatalogueTranslator(Language language)
      : language_(language),
        catalogue_(Catalogue::Parse(BuiltInCatalogue(LanguageCode(language)))) {}

  bool isEmpty() const override { return catalogue_.empty(); }

  QString translate(const char* context, const char* source, const char* /*disambiguation*/,
                    int n) const override {
    const std::vector<std::string>* forms = catalogue_.Find(context, source);
    if (forms == nullptr || forms->empty()) return {};
    const auto form = static_cast<std::size_t>(n < 0 ? 0 : PluralForm(language_, n));
    return QString::fromStdString(form < forms->size() ? (*forms)[form] : forms->back());
  }

 private:
  Language language_;
  Catalogue catalogue_;
};

// The program speaking `language` from construction to destruction: the core's texts and
// numbers, and Qt's tr(). A base class of a fixture, before the window is made.
class SpokenLanguage {
 public:
  explicit SpokenLanguage(Language language) : translator_(language) {
    SetLanguage(language);
    QCoreApplication::installTranslator(&translator_);
  }
  ~SpokenLanguage() {
    QCoreApplication::removeTranslator(&translator_);
    SetLanguage(Language::kEnglish);
  }
  SpokenLanguage(const SpokenLanguage&) = delete;
  SpokenLanguage& operator=(const SpokenLanguage&) = delete;

  // Back to English in the middle of a test, as a program started in English.
  void SpeakEnglish() {
    QCoreApplication::removeTranslator(&translator_);
    SetLanguage(Language::kEnglish);
  }

 private:
  CatalogueTranslator translator_;
};

}  // namespace vantrel::testing

#endif  // VANTREL_TESTS_DESKTOP_NOTEBOOK_CATALOGUE_TRANSLATOR_H_
