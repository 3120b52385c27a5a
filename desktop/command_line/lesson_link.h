// A lesson link as `vantrel --lesson LINK` takes it: the whole address or only its fragment.
#ifndef VANTREL_DESKTOP_COMMAND_LINE_LESSON_LINK_H_
#define VANTREL_DESKTOP_COMMAND_LINE_LESSON_LINK_H_

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

// The deflate-raw stream `packed` inflated; nothing when it is damaged, ends early, or
// inflates to more than `most` bytes (inflating stops there, so a small link cannot fill
// the memory).
std::optional<std::string> InflateRaw(std::string_view packed, std::size_t most);

// The lesson's text a link carries: its base64url data inflated, no longer than a lesson
// may be, and read by ParseLesson as a lesson. Nothing for anything else.
std::optional<std::string> LessonTextFromLink(std::string_view link);

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_COMMAND_LINE_LESSON_LINK_H_
