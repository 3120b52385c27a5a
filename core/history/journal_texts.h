#ifndef VANTREL_HISTORY_JOURNAL_TEXTS_H_
#define VANTREL_HISTORY_JOURNAL_TEXTS_H_

#include <string>

namespace vantrel {

// What the program tells the user about its journal, wherever the journal is kept (a
// folder on the desktop, the browser's storage on a web page). `where` and `name` are
// worded by the caller: a folder or a path there, a phrase on the page.

// Every text is in the current language.
std::string RestoreCaption();
std::string NoJournalText();
std::string NoEarlierRunText();

// The question asked at start-up about a run that ended without closing.
std::string RestoreQuestion(int organisms, int steps);
// The journal has stopped; `what` is the reason the system gave.
std::string JournalFailedText(const std::string& where, const std::string& what);
std::string JournalDamagedText(const std::string& name);
std::string JournalNewerText(const std::string& name);
std::string JournalLostStepsText(const std::string& name, int lost_steps);
std::string JournalBreaksOffText(const std::string& name);

}  // namespace vantrel

#endif  // VANTREL_HISTORY_JOURNAL_TEXTS_H_
