#include "history/run_journal.h"

#include <cstdlib>

#include "history/journal_texts.h"

namespace vantrel {

std::string JournalFolder() {
  const char* state = std::getenv("XDG_STATE_HOME");
  if (state != nullptr && state[0] == '/') return std::string(state) + "/vantrel";
  const char* home = std::getenv("HOME");
  return std::string(home != nullptr ? home : ".") + "/.local/state/vantrel";
}

std::string UnreadableRunMessage(const EarlierRun& run) {
  switch (run.reading) {
    case EarlierRun::Reading::kNewer:
      return JournalNewerText(run.path);
    case EarlierRun::Reading::kDamaged:
      return JournalDamagedText(run.path);
    case EarlierRun::Reading::kReadable:
      break;
  }
  return {};
}

}  // namespace vantrel
