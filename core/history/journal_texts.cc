#include "history/journal_texts.h"

#include "language/catalogue.h"

namespace vantrel {

namespace {

constexpr char kContext[] = "Journal";

}  // namespace

std::string RestoreCaption() { return Tr(kContext, "Restore population"); }

std::string NoJournalText() {
  return Tr(kContext, "There is no journal to restore from in this run.");
}

std::string NoEarlierRunText() { return Tr(kContext, "There is no earlier run to restore."); }

std::string RestoreQuestion(int organisms, int steps) {
  return Arg(
      Tr(kContext, "Vantrel ended unexpectedly. Restore the population of that run (%1, %2)?"),
      {TrN(kContext, "%n organisms", organisms), TrN(kContext, "%n steps", steps)});
}

std::string JournalFailedText(const std::string& where, const std::string& what) {
  return Arg(Tr(kContext,
                "Vantrel cannot keep its journal in %1 (%2). It goes on without one: undo still "
                "works, but a crash would lose the population."),
             {where, what});
}

std::string JournalDamagedText(const std::string& name) {
  return Arg(Tr(kContext, "The journal %1 is damaged and cannot be restored."), {name});
}

std::string JournalNewerText(const std::string& name) {
  return Arg(Tr(kContext,
                "The journal %1 was written by a newer version of Vantrel and cannot be read by "
                "this one."),
             {name});
}

std::string JournalLostStepsText(const std::string& name, int lost_steps) {
  // The count is filled first and the name after it, so a name holding "%n" stays whole.
  return Arg(TrN(kContext, "The journal %1 was damaged: the last %n steps could not be restored.",
                 lost_steps),
             {name});
}

std::string JournalBreaksOffText(const std::string& name) {
  return Arg(Tr(kContext, "The journal %1 breaks off; it was restored as far as it fits."), {name});
}

}  // namespace vantrel
