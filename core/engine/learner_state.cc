#include "engine/learner_state.h"

#include <cstdint>

#include "history/byte_codec.h"

namespace vantrel {

namespace {

constexpr char kMark = 'L';

}  // namespace

std::string JoinAnnex(const LearnerState& learner, std::string_view run_state) {
  std::string block = learner.learner.Encode();
  PutSigned(block, learner.judged_clicks);
  std::string out;
  out.reserve(1 + 2 + block.size() + run_state.size());
  out.push_back(kMark);
  PutVarint(out, block.size());
  out += block;
  out += run_state;
  return out;
}

AnnexParts SplitAnnex(std::string_view annex) {
  if (annex.empty() || annex.front() != kMark) return {std::nullopt, annex};
  ByteReader in(annex.substr(1));
  const std::uint64_t size = in.Varint();
  if (!in.ok() || size > in.Remaining()) return {std::nullopt, {}};
  const std::size_t start = annex.size() - in.Remaining();
  const std::string_view block = annex.substr(start, size);
  AnnexParts parts{std::nullopt, annex.substr(start + size)};
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

}  // namespace vantrel
