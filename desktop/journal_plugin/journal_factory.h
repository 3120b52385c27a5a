#ifndef VANTREL_DESKTOP_JOURNAL_PLUGIN_JOURNAL_FACTORY_H_
#define VANTREL_DESKTOP_JOURNAL_PLUGIN_JOURNAL_FACTORY_H_

#include <QtPlugin>
#include <memory>
#include <string>

#include "history/run_journal.h"
#include "population/clock.h"

namespace vantrel {

// The plugin file of the journal (journal_plugin/), which brings SQLite.
inline constexpr char kJournalPluginFile[] = "journal.so";

// Makes the journals of program runs.
class JournalFactory {
 public:
  virtual ~JournalFactory() = default;

  // This run's journal in `folder`, not opened yet; `clock` names it and must outlive it.
  virtual std::unique_ptr<RunJournal> MakeJournal(std::string folder, const Clock& clock) = 0;
};

}  // namespace vantrel

#define VANTREL_JOURNAL_FACTORY_IID "org.quorvane.Vantrel.JournalFactory/1.0"
Q_DECLARE_INTERFACE(vantrel::JournalFactory, VANTREL_JOURNAL_FACTORY_IID)

#endif  // VANTREL_DESKTOP_JOURNAL_PLUGIN_JOURNAL_FACTORY_H_
