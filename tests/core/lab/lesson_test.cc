#include "lab/lesson.h"

#include <gtest/gtest.h>

#include <string>

#include "lab/goal_list.h"

namespace vantrel {
namespace {

constexpr char kExample[] =
    "vantrel-lesson 1\n"
    "time 10:20:30\n"
    "parameters 10 10 1\n"
    "goal color=red,shape=square\n"
    "experiment 4\n"
    "lock parameters\n"
    "title Small populations drift\n";

TEST(LessonTest, TheExampleReadsWithEveryLineAndWritesBackByteForByte) {
  const ParsedLesson parsed = ParseLesson(kExample);
  ASSERT_TRUE(parsed.lesson.has_value());
  const Lesson& lesson = *parsed.lesson;
  EXPECT_EQ(lesson.start_ms, ((10u * 60 + 20) * 60 + 30) * 1000);
  EXPECT_EQ(lesson.parameters, (Parameters{10, 10, 1}));
  ASSERT_TRUE(lesson.goal.has_value());
  EXPECT_EQ(lesson.goal->text, "color=red,shape=square");
  EXPECT_EQ(lesson.experiment, 4);
  EXPECT_TRUE(lesson.lock_parameters);
  EXPECT_EQ(lesson.title, "Small populations drift");
  EXPECT_EQ(parsed.goal_problem, "");
  EXPECT_EQ(LessonText(lesson), kExample);
}

// Every case is one text; `opens` says whether it is a lesson, and what it reads as.
TEST(LessonTest, EachTextOpensOrIsNoLesson) {
  const std::string head = "vantrel-lesson 1\ntime 00:00:00\n";
  const struct {
    std::string text;
    bool opens;
    std::string read_back;  // LessonText of what it opened as, where it opens
  } cases[] = {
      // Only the first line and the time are required; CR LF reads as LF.
      {head, true, head},
      {"vantrel-lesson 1\r\ntime 23:59:59\r\n", true, "vantrel-lesson 1\ntime 23:59:59\n"},
      {"vantrel-lesson 1\ntime 12:00:00", true, "vantrel-lesson 1\ntime 12:00:00\n"},
      // Unknown keys and empty lines are passed over: a later version's lessons open.
      {head + "\nhint look at the spokes\nlock\n", false, ""},  // "lock" of nothing is damage
      {head + "\nhint look at the spokes\ncolour-blind yes\n", true, head},
      {head + "experiment none\n", true, head},
      {head + "experiment 0\n", true, head},
      {head + "experiment 5\n", true, head + "experiment 5\n"},
      {head + "parameters 1000 99 -1000000\n", true, head + "parameters 1000 99 -1000000\n"},
      {head + "title  two  spaces \n", true, head + "title  two  spaces \n"},
      {head + "title Zoë’s class\n", true, head + "title Zoë’s class\n"},
      // The first line exactly, and the time, are required.
      {"", false, ""},
      {"vantrel-lesson 2\ntime 00:00:00\n", false, ""},
      {"Vantrel-lesson 1\ntime 00:00:00\n", false, ""},
      {"time 00:00:00\nvantrel-lesson 1\n", false, ""},
      {"vantrel-lesson 1\n", false, ""},
      {"vantrel-lesson 1\ntitle no time\n", false, ""},
      // Every value checked.
      {"vantrel-lesson 1\ntime 24:00:00\n", false, ""},
      {"vantrel-lesson 1\ntime 10:60:00\n", false, ""},
      {"vantrel-lesson 1\ntime 1:02:03\n", false, ""},
      {"vantrel-lesson 1\ntime 10:20:30Z\n", false, ""},
      {"vantrel-lesson 1\ntime +1:20:30\n", false, ""},
      {head + "time 01:00:00\n", false, ""},
      {head + "parameters 1 10 1\n", false, ""},
      {head + "parameters 1001 10 1\n", false, ""},
      {head + "parameters 10 100 1\n", false, ""},
      {head + "parameters 10 10 1000001\n", false, ""},
      {head + "parameters 10 10\n", false, ""},
      {head + "parameters 10 10 1 4\n", false, ""},
      {head + "parameters 10  10 1\n", false, ""},
      {head + "parameters ten 10 1\n", false, ""},
      {head + "parameters 99999999999 10 1\n", false, ""},
      {head + "experiment 6\n", false, ""},
      {head + "experiment -1\n", false, ""},
      {head + "lock goal\n", false, ""},
      {head + "title tab\there\n", false, ""},
      {head + "title bad \xff byte\n", false, ""},
      {head + "title cut \xc3\n", false, ""},
      {head + "title " + std::string(kMaxLessonTitleBytes + 1, 'x') + "\n", false, ""},
      {head + "title " + std::string(kMaxLessonTitleBytes, 'x') + "\n", true,
       head + "title " + std::string(kMaxLessonTitleBytes, 'x') + "\n"},
      {head + "hint " + std::string(kMaxLessonBytes, 'x') + "\n", false, ""},
  };
  for (const auto& c : cases) {
    const ParsedLesson parsed = ParseLesson(c.text);
    EXPECT_EQ(parsed.lesson.has_value(), c.opens) << c.text;
    if (parsed.lesson && c.opens) {
      EXPECT_EQ(LessonText(*parsed.lesson), c.read_back) << c.text;
    }
  }
}

TEST(LessonTest, AnUnknownGoalWordIsSaidAndTheLessonOpensWithoutTheGoal) {
  for (const char* goal :
       {"color=purpleish", "shape=square,shape=circle", "colour", "mood=happy"}) {
    const ParsedLesson parsed =
        ParseLesson(std::string("vantrel-lesson 1\ntime 08:00:00\ngoal ") + goal + "\n");
    ASSERT_TRUE(parsed.lesson.has_value()) << goal;
    EXPECT_FALSE(parsed.lesson->goal.has_value()) << goal;
    EXPECT_NE(parsed.goal_problem, "") << goal;
  }
  // The goal words vantrel-lab takes, written as it writes them.
  const ParsedLesson grey =
      ParseLesson("vantrel-lesson 1\ntime 08:00:00\ngoal spokes=yes,colour=grey\n");
  ASSERT_TRUE(grey.lesson && grey.lesson->goal);
  EXPECT_EQ(grey.lesson->goal->text, ParseGoalList("color=gray,spokes=yes").goal.text);
}

TEST(LessonTest, TheIdentifierIsFnv1aOfTheTextInEightHexDigits) {
  // FNV-1a's published values: the empty text is its offset basis; "a" is 0xe40c292c.
  EXPECT_EQ(LessonId(""), "811c9dc5");
  EXPECT_EQ(LessonId("a"), "e40c292c");
  EXPECT_EQ(LessonId("foobar"), "bf9cf968");
  EXPECT_NE(LessonId(kExample), LessonId(std::string(kExample) + "\n"));
}

TEST(LessonTest, Base64UrlWithoutPaddingGoesBothWays) {
  const struct {
    std::string bytes;
    std::string text;
  } cases[] = {
      {"", ""},
      {"f", "Zg"},
      {"fo", "Zm8"},
      {"foo", "Zm9v"},
      {"foob", "Zm9vYg"},
      {"\xfb\xff\xbf", "-_-_"},
      {std::string("\0\x01", 2), "AAE"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Base64UrlEncode(c.bytes), c.text);
    EXPECT_EQ(Base64UrlDecode(c.text), c.bytes) << c.text;
  }
  // Padding, the other alphabet's characters, spaces and an impossible length are refused.
  for (const char* bad : {"Zg==", "Zm9v+/", "Zm 9v", "Z", "Zm9vY", "%41"}) {
    EXPECT_EQ(Base64UrlDecode(bad), std::nullopt) << bad;
  }
}

TEST(LessonTest, TheLinkDataIsFoundInAWholeAddressOrItsFragmentAlone) {
  const struct {
    std::string link;
    std::optional<std::string> data;
  } cases[] = {
      {"https://example.org/vantrel/#lesson=abc_-9", "abc_-9"},
      {"https://example.org/vantrel/?x=1#lesson=abc", "abc"},
      {"#lesson=abc", "abc"},
      {"lesson=abc", "abc"},
      {"https://example.org/#lang=nl&lesson=abc&x=1", "abc"},
      {"https://example.org/#lesson=", ""},
      {"https://example.org/#mylesson=abc", std::nullopt},
      {"https://example.org/?lesson=abc", std::nullopt},
      {"https://example.org/", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases) {
    const std::optional<std::string_view> data = LessonLinkData(c.link);
    EXPECT_EQ(data ? std::optional<std::string>(*data) : std::nullopt, c.data) << c.link;
  }
  EXPECT_EQ(LessonFragment("foo"), "#lesson=Zm9v");
  EXPECT_EQ(NotALessonMessage(), "This link does not hold a Vantrel lesson.");
}

}  // namespace
}  // namespace vantrel
