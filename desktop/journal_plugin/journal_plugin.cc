// The journal plugin: the SQLite journal of the core, so that the program loads SQLite a
// moment after its first paint, when it opens the journal, and not at start.
#include <QObject>
#include <memory>
#include <string>
#include <utility>

#include "desktop/journal_plugin/journal_factory.h"
#include "history/journal.h"

namespace vantrel {

namespace {

class JournalPlugin final : public QObject, public JournalFactory {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID VANTREL_JOURNAL_FACTORY_IID FILE "vantrel_build.json")
  Q_INTERFACES(vantrel::JournalFactory)

 public:
  std::unique_ptr<RunJournal> MakeJournal(std::string folder, const Clock& clock) override {
    return std::make_unique<Journal>(std::move(folder), clock);
  }
};

}  // namespace

}  // namespace vantrel

#include "journal_plugin.moc"
