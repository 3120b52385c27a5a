#include "engine/learner_state.h"

#include <cstdint>

#include "history/byte_codec.h"

namespace vantrel {

namespace {

constexpr char kMark = 'L';
constexpr char kLessonMark = 'E';

// A block at the front of an annex: its mark, its size as a varint, its bytes.
struct Block {
  bool present = false;  // the annex starts with the block's mark
  bool damaged = false;  // its size runs past the annex's end
  std::string_view bytes;
};

// Takes the block marked `mark` off the front of `annex`, when it starts with one.
Block TakeBlock(char mark, std::string_view& annex) {
  if (annex.empty() || annex.front() != mark) return {};
  ByteReader in(annex.substr(1));
  const std::uint64_t size = in.Varint();
  if (!in.ok() || size > in.Remaining()) return {true, true, {}};
  const std::size_t start = annex.size() - in.Remaining();
  const std::string_view bytes = annex.substr(start, size);
  annex.remove_prefix(start + size);
  return {true, false, bytes};
}

void PutBlock(std::string& out, char mark, std::string_view bytes) {
  out.push_back(mark);
  PutVarint(out, bytes.size());
  out += bytes;
}

// The learner and the run state after it.
AnnexParts SplitLearner(std::string_view annex) {
  const Block block = TakeBlock(kMark, annex);
  if (!block.present) return {std::nullopt, annex, std::nullopt};
  if (block.damaged) return {std::nullopt, {}, std::nullopt};
  AnnexParts parts{std::nullopt, annex, std::nullopt};
  // The learner's own bytes have a fixed size; the judged clicks follow them.
  const std::size_t learner_size = Learner().Encode().size();
  if (block.bytes.size() <= learner_size) return parts;
  std::optional<Learner> learner = Learner::Decode(block.bytes.substr(0, learner_size));
  ByteReader rest(block.bytes.substr(learner_size));
  const std::int64_t judged = rest.Signed();
  if (learner && rest.ok() && rest.AtEnd() && judged >= 0 && judged <= INT32_MAX) {
    parts.learner = LearnerState{*learner, static_cast<int>(judged)};
  }
  return parts;
}

}  // namespace

std::string JoinAnnex(const LearnerState& learner, std::string_view run_state,
                      std::string_view lesson_text) {
  std::string block = learner.learner.Encode();
  PutSigned(block, learner.judged_clicks);
  std::string out;
  out.reserve(2 + lesson_text.size() + 1 + 2 + block.size() + run_state.size());
  if (!lesson_text.empty()) PutBlock(out, kLessonMark, lesson_text);
  PutBlock(out, kMark, block);
  out += run_state;
  return out;
}

AnnexParts SplitAnnex(std::string_view annex) {
  const Block lesson = TakeBlock(kLessonMark, annex);
  if (lesson.damaged) return {std::nullopt, {}, std::nullopt};
  AnnexParts parts = SplitLearner(annex);
  if (lesson.present) parts.lesson_text = lesson.bytes;
  return parts;
}

}  // namespace vantrel
