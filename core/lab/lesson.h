#ifndef VANTREL_LAB_LESSON_H_
#define VANTREL_LAB_LESSON_H_

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "lab/goal.h"
#include "population/parameters.h"

namespace vantrel {

// A lesson: the start a teacher gives the whole class, as the text a link carries.
//
//   vantrel-lesson 1
//   time 10:20:30
//   parameters 10 10 1
//   goal color=red,shape=square
//   experiment 4
//   lock parameters
//   title Small populations drift
//
// The first line and `time` (UTC) are required, every other line optional; a key the
// program does not know is passed over, so that a later version's lessons still open.
struct Lesson {
  std::uint32_t start_ms = 0;  // the time as milliseconds since midnight UTC (whole seconds)
  std::optional<Parameters> parameters;
  std::optional<Goal> goal;  // its text is the key=value list
  int experiment = 0;        // the experiment whose help opens first; 0: none
  bool lock_parameters = false;
  std::string title;
};

// The limits of what a lesson may hold; a text past them is not a lesson.
inline constexpr std::size_t kMaxLessonBytes = 4096;
inline constexpr std::size_t kMaxLessonTitleBytes = 200;
inline constexpr int kLastExperiment = 5;

struct ParsedLesson {
  std::optional<Lesson> lesson;  // nothing when the text is no lesson
  // A goal the program cannot read, said in the current language; the lesson opens without
  // that goal. Empty otherwise.
  std::string goal_problem;
};

// Reads a lesson's text (LF or CR LF line ends). Every value is checked: the parameters
// within the limits the program's boxes and vantrel-lab keep (population 2 to 1000,
// creativity 0 to 99, bonus -1,000,000 to 1,000,000), the experiment none or 1 to 5, the
// title plain text of at most kMaxLessonTitleBytes without control characters.
ParsedLesson ParseLesson(std::string_view text);

// The lesson's text, lines in the order above, LF line ends; ParseLesson reads it back.
std::string LessonText(const Lesson& lesson);

// The 8 lower-case hex digits that name a lesson in the runs it gave: FNV-1a (32 bits) of
// the lesson's text, byte for byte as the link carried it.
std::string LessonId(std::string_view text);

// base64url without padding (RFC 4648 §5), as a link's fragment carries bytes.
std::string Base64UrlEncode(std::string_view bytes);
// Nothing for any character outside the alphabet, padding included, or an impossible length.
std::optional<std::string> Base64UrlDecode(std::string_view text);

// The base64url part of a lesson link: after "#lesson=" in a whole address, or the fragment
// alone ("#lesson=..." or "lesson=..."), up to a following '&'. Nothing without it.
std::optional<std::string_view> LessonLinkData(std::string_view link);

// The link's fragment for the compressed lesson: "#lesson=" and the base64url of the bytes.
std::string LessonFragment(std::string_view compressed);

// A pupil's name as runs keep it: control characters dropped, spaces at either end trimmed,
// at most kMaxPupilNameBytes (whole UTF-8 characters).
inline constexpr std::size_t kMaxPupilNameBytes = 100;
std::string CleanPupilName(std::string_view name);

// "This link does not hold a Vantrel lesson." in the current language.
std::string NotALessonMessage();

}  // namespace vantrel

#endif  // VANTREL_LAB_LESSON_H_
