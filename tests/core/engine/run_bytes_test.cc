#include "engine/run_bytes.h"

#include <gtest/gtest.h>

#include <string>

#include "history/byte_codec.h"

namespace vantrel {
namespace {

RunState SampleState() {
  RunState state;
  state.run.id = 7;
  state.run.number = 3;
  state.run.mode = RunMode::kHand;
  state.run.started_utc = 1796765792;
  state.run.start = {12, 35, -2};
  state.run.changes = {{Parameter::kCreativity, 4, 60}, {Parameter::kBonus, 9, 3}};
  state.run.goal = "looks \"pale\" green.";
  state.run.feeds = 5;
  state.run.shots = 11;
  state.run.first_match_click = 0;
  state.run.stable_click = 16;
  state.run.reached_by = ReachedBy::kUser;
  state.goal.Set(Aspect::kColour, kGreen);
  state.goal.Set(Aspect::kIntensity, kPale);
  state.goal.text = state.run.goal;
  return state;
}

TEST(RunBytesTest, ARunStateComesBackWhole) {
  RunState back;
  ASSERT_TRUE(DecodeRunState(EncodeRunState(SampleState()), back));
  EXPECT_EQ(EncodeRunState(back), EncodeRunState(SampleState()));
  EXPECT_EQ(back.run.changes.size(), 2u);
  EXPECT_EQ(back.run.first_match_click, 0);  // click 0 is not "none"
  EXPECT_EQ(back.goal[Aspect::kIntensity], kPale);
  EXPECT_EQ(back.goal[Aspect::kShape], kNotJudged);
}

TEST(RunBytesTest, CutOrDamagedBytesAreRefused) {
  const std::string bytes = EncodeRunState(SampleState());
  RunState back;
  for (std::size_t size = 0; size < bytes.size(); ++size) {
    EXPECT_FALSE(DecodeRunState(std::string_view(bytes).substr(0, size), back)) << size;
  }
  EXPECT_FALSE(DecodeRunState(bytes + "x", back));
  // A goal word outside its table would be looked up out of bounds when judged.
  RunState wrong = SampleState();
  wrong.goal.Set(Aspect::kSpokes, 2);
  EXPECT_FALSE(DecodeRunState(EncodeRunState(wrong), back));
  // A click below zero (a damaged "none plus one") is refused, not read as another click.
  std::string negative;
  PutVarint(negative, 1);
  PutVarint(negative, 8);
  for (int i = 0; i < 4; ++i) PutSigned(negative, 0);
  for (int i = 0; i < 3; ++i) PutSigned(negative, 10);
  PutVarint(negative, 0);
  PutText(negative, "");
  PutSigned(negative, 0);
  PutSigned(negative, 0);
  std::string tail;
  PutSigned(tail, 0);
  PutVarint(tail, 0);
  for (int i = 0; i < kAspectCount; ++i) PutSigned(tail, kNotJudged);
  PutText(tail, "");
  std::string good = negative;
  PutSigned(good, 0);
  ASSERT_TRUE(DecodeRunState(good + tail, back));
  PutSigned(negative, -1);
  EXPECT_FALSE(DecodeRunState(negative + tail, back));
  // Another format.
  std::string other = bytes;
  other[0] = 2;
  EXPECT_FALSE(DecodeRunState(other, back));
}

}  // namespace
}  // namespace vantrel
