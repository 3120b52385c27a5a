#include "engine/learner_state.h"

#include <cstdint>

#include "history/byte_codec.h"

namespace vantrel {

namespace {

constexpr char kMark = 'L';
constexpr char kLessonMark = 'E';

// The learner and the run state after it.
AnnexParts SplitLearner(std::string_view annex) {
  if (annex.empty() || annex.front() != kMark) return {std::nullopt, annex, std::nullopt};
  ByteReader in(annex.substr(1));
  const std::uint64_t size = in.Varint();
  if (!in.ok() || size > in.Remaining()) return {std::nullopt, {}, std::nullopt};
  const std::size_t start = annex.size() - in.Remaining();
  const std::string_view block = annex.substr(start, size);
  AnnexParts parts{std::nullopt, annex.substr(start + size), std::nullopt};
  // The learner's own bytes have a fixed size; the judged clicks follow them.
  const std::size_t learner_size = Learner().Encode().size();
  if (block.size() <= learner_size) return parts;
  std::optional<Learner> learner = Learner::Decode(block.substr(0, learner_size));
  ByteReader rest(block.substr(learner_size));
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
  if (!lesson_text.empty()) {
    out.push_back(kLessonMark);
    PutVarint(out, lesson_text.size());
    out += lesson_text;
  }
  out.push_back(kMark);
  PutVarint(out, block.size());
  out += block;
  out += run_state;
  return out;
}

AnnexParts SplitAnnex(std::string_view annex) {
  std::optional<std::string_view> lesson_text;
  if (!annex.empty() && annex.front() == kLessonMark) {
    ByteReader in(annex.substr(1));
    const std::uint64_t size = in.Varint();
    if (!in.ok() || size > in.Remaining()) return {std::nullopt, {}, std::nullopt};
    const std::size_t start = annex.size() - in.Remaining();
    lesson_text = annex.substr(start, size);
    annex.remove_prefix(start + size);
  }
  AnnexParts parts = SplitLearner(annex);
  parts.lesson_text = lesson_text;
  return parts;
}

}  // namespace vantrel
