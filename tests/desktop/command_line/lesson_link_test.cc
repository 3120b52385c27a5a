#include "desktop/command_line/lesson_link.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <optional>
#include <string>
#include <vector>

#include "desktop/command_line/command_line.h"
#include "lab/lesson.h"

namespace vantrel {
namespace {

constexpr char kLesson[] =
    "vantrel-lesson 1\n"
    "time 10:20:30\n"
    "parameters 12 30 2\n"
    "experiment 4\n"
    "lock parameters\n"
    "title Small populations drift\n";

// What the page's CompressionStream('deflate-raw') makes of the bytes.
std::string DeflateRaw(const std::string& bytes) {
  z_stream stream{};
  EXPECT_EQ(deflateInit2(&stream, 9, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY), Z_OK);
  std::string out(deflateBound(&stream, bytes.size()), '\0');
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
  stream.avail_in = static_cast<uInt>(bytes.size());
  stream.next_out = reinterpret_cast<Bytef*>(out.data());
  stream.avail_out = static_cast<uInt>(out.size());
  EXPECT_EQ(deflate(&stream, Z_FINISH), Z_STREAM_END);
  out.resize(stream.total_out);
  deflateEnd(&stream);
  return out;
}

std::string Fragment(const std::string& text) { return LessonFragment(DeflateRaw(text)); }

CommandLineVerdict ReadWith(const std::vector<const char*>& arguments) {
  std::vector<const char*> argv = {"vantrel"};
  argv.insert(argv.end(), arguments.begin(), arguments.end());
  return ReadCommandLine(static_cast<int>(argv.size()), argv.data());
}

TEST(LessonLinkTest, TakesTheWholeAddressOrItsFragmentAndRefusesAnythingElse) {
  const std::string fragment = Fragment(kLesson);
  const std::string packed = DeflateRaw(kLesson);
  std::string cut = fragment;
  cut.resize(cut.size() - 6);
  std::string flipped = Base64UrlEncode(packed);
  flipped[4] = flipped[4] == 'A' ? 'B' : 'A';
  // Within a lesson's limit when inflated, but a byte too long: no lesson.
  std::string too_large = kLesson;
  too_large += "title " + std::string(kMaxLessonBytes, 'a') + "\n";
  // Fifty million bytes of one letter deflate into a link of a few tens of kilobytes.
  const std::string huge_text(std::size_t{50} * 1000 * 1000, 'x');
  struct Case {
    std::string link;
    bool lesson;
  };
  const std::vector<Case> cases = {
      {"https://example.org/vantrel/index.html" + fragment, true},
      {"https://example.org/vantrel/" + fragment + "&other=1", true},
      {fragment, true},
      {fragment.substr(1), true},  // without its '#'
      {"https://example.org/vantrel/", false},
      {"#lesson=", false},
      {cut, false},                                          // the stream ends early
      {"#lesson=" + flipped, false},                         // damaged bytes
      {"#lesson=" + Base64UrlEncode(kLesson), false},        // not compressed
      {"#lesson=" + fragment.substr(8) + "=", false},        // padding is not base64url
      {Fragment("vantrel-population 1\n10 10 1\n"), false},  // foreign
      {Fragment("vantrel-lesson 1\ntitle no time\n"), false},
      {Fragment(too_large), false},
      {Fragment(huge_text), false},  // a small link of a huge text
  };
  for (const Case& test : cases) {
    const std::optional<std::string> text = LessonTextFromLink(test.link);
    EXPECT_EQ(text.has_value(), test.lesson) << test.link.substr(0, 80);
    if (text) {
      EXPECT_EQ(*text, kLesson);
    }
    const std::string joined = "--lesson=" + test.link;
    const CommandLineVerdict verdict = ReadWith({joined.c_str()});
    EXPECT_EQ(ReadWith({"--lesson", test.link.c_str()}).lesson_text, verdict.lesson_text);
    if (test.lesson) {
      EXPECT_EQ(verdict.action, CommandLineAction::kRun);
      EXPECT_EQ(verdict.lesson_text, std::optional<std::string>(kLesson));
    } else {
      EXPECT_EQ(verdict.action, CommandLineAction::kRefuse);
      EXPECT_EQ(verdict.error, "vantrel: This link does not hold a Vantrel lesson.");
    }
  }
  EXPECT_EQ(ReadWith({"--lesson"}).action, CommandLineAction::kRefuse);
}

TEST(LessonLinkTest, InflatingStopsAtTheLimit) {
  const std::string text(10'000, 'v');
  EXPECT_EQ(InflateRaw(DeflateRaw(text), text.size()), text);
  EXPECT_EQ(InflateRaw(DeflateRaw(text), text.size() - 1), std::nullopt);
  EXPECT_EQ(InflateRaw("", 100), std::nullopt);
}

}  // namespace
}  // namespace vantrel
