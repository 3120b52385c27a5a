#ifndef VANTREL_WEB_WASM_JOURNAL_BINDINGS_H_
#define VANTREL_WEB_WASM_JOURNAL_BINDINGS_H_

#include <emscripten/val.h>

#include <vector>

#include "web/journal_feed.h"
#include "web/session.h"

namespace vantrel {

// The journal's records as plain objects: { base, type, data, annex, steps, organisms },
// the bytes as Uint8Arrays of their own.
emscripten::val JournalRecordsValue(const std::vector<JournalRecord>& records);
// Restores the run the page read back ({ base, baseAnnex, entries, stepsAtEnd, name,
// finishedRuns }) into `session`: { ok, message, change }.
emscripten::val RestoreRunValue(WebSession& session, const emscripten::val& run);

}  // namespace vantrel

#endif  // VANTREL_WEB_WASM_JOURNAL_BINDINGS_H_
