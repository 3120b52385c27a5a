#ifndef VANTREL_DESKTOP_APP_PROGRAM_LANGUAGE_H_
#define VANTREL_DESKTOP_APP_PROGRAM_LANGUAGE_H_

#include <QLocale>
#include <QString>
#include <QTranslator>
#include <memory>
#include <string>
#include <vector>

#include "language/language.h"

namespace vantrel {

// The first of the system's preferred languages that the program speaks, else English.
Language SystemLanguage();

// Makes the program speak `language` for as long as it lives: the windows' texts through
// QTranslators over the .qm files of that language (every area's, built into the program
// under :/i18n/) and Qt's own (dialog buttons), the core's texts through its catalogue,
// and shown numbers through the default QLocale. A missing or damaged .qm file is passed
// over, so its texts stay English; nothing here stops the program. On destruction English
// and the earlier locale come back. Needs a QCoreApplication; one at a time.
class ProgramLanguage {
 public:
  explicit ProgramLanguage(Language language, const QString& folder = QStringLiteral(":/i18n"),
                           const QString& qt_folder = QtTranslationsFolder());
  ~ProgramLanguage();
  ProgramLanguage(const ProgramLanguage&) = delete;
  ProgramLanguage& operator=(const ProgramLanguage&) = delete;

  Language language() const { return language_; }
  // The .qm files that were read and installed, Qt's own included.
  int installed() const { return static_cast<int>(translators_.size()); }

  // Where Qt's own translations are installed (qtbase_de.qm ...).
  static QString QtTranslationsFolder();

 private:
  void Install(std::unique_ptr<QTranslator> translator);

  Language language_;
  QLocale earlier_locale_;
  std::vector<std::unique_ptr<QTranslator>> translators_;
};

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_APP_PROGRAM_LANGUAGE_H_
