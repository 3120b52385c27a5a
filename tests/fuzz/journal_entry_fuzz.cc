// libFuzzer target for what a journal holds: any bytes as a step entry, a base snapshot and
// the notebook run kept beside them. Whatever decodes must encode to bytes that decode to
// the same thing again, so a restore never acts on a half-read entry.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/run_bytes.h"
#include "history/step.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  vantrel::StepEvent event;
  if (vantrel::DecodeStepEvent(bytes, event)) {
    const std::string again = vantrel::EncodeStepEvent(event);
    vantrel::StepEvent second;
    Require(vantrel::DecodeStepEvent(again, second));
    Require(vantrel::EncodeStepEvent(second) == again);
  }

  vantrel::Snapshot snapshot;
  if (vantrel::DecodeSnapshot(bytes, snapshot)) {
    Require(snapshot.cells.size() ==
            static_cast<std::size_t>(snapshot.extent_cols) * snapshot.extent_rows);
    const std::string again = vantrel::EncodeSnapshot(snapshot);
    vantrel::Snapshot second;
    Require(vantrel::DecodeSnapshot(again, second));
    Require(vantrel::EncodeSnapshot(second) == again);
  }

  vantrel::RunState state;
  if (vantrel::DecodeRunState(bytes, state)) {
    const std::string again = vantrel::EncodeRunState(state);
    vantrel::RunState second;
    Require(vantrel::DecodeRunState(again, second));
    Require(vantrel::EncodeRunState(second) == again);
  }
  return 0;
}
