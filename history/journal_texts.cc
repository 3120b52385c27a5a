#include "history/journal_texts.h"

namespace vantrel {

std::string RestoreQuestion(int organisms, int steps) {
  return "Vantrel ended unexpectedly. Restore the population of that run (" +
         std::to_string(organisms) + " organisms, " + std::to_string(steps) + " steps)?";
}

std::string JournalFailedText(const std::string& where, const std::string& what) {
  return "Vantrel cannot keep its journal in " + where + " (" + what +
         "). It goes on without one: undo still works, but a crash would lose the population.";
}

std::string JournalDamagedText(const std::string& name) {
  return "The journal " + name + " is damaged and cannot be restored.";
}

std::string JournalNewerText(const std::string& name) {
  return "The journal " + name +
         " was written by a newer version of Vantrel and cannot be read by this one.";
}

std::string JournalLostStepsText(const std::string& name, int lost_steps) {
  return "The journal " + name + " was damaged: the last " + std::to_string(lost_steps) +
         " steps could not be restored.";
}

std::string JournalBreaksOffText(const std::string& name) {
  return "The journal " + name + " breaks off; it was restored as far as it fits.";
}

}  // namespace vantrel
