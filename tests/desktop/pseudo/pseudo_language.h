#ifndef VANTREL_TESTS_DESKTOP_PSEUDO_PSEUDO_LANGUAGE_H_
#define VANTREL_TESTS_DESKTOP_PSEUDO_PSEUDO_LANGUAGE_H_

#include <QString>

namespace vantrel::testing {

// Makes the running program speak the pseudo-language, as choosing it at start-up does:
// Qt's texts through a translator loaded from the pseudo-language's .qm (made by lrelease
// from the .ts the build writes), and the core's texts through its own catalogue. Call it
// before the windows are made. False, with the reason in `problem`, when the .qm cannot be
// loaded.
bool SpeakPseudoLanguage(QString& problem);

}  // namespace vantrel::testing

#endif  // VANTREL_TESTS_DESKTOP_PSEUDO_PSEUDO_LANGUAGE_H_
