#ifndef VANTREL_LANGUAGE_TEXT_WIDTH_H_
#define VANTREL_LANGUAGE_TEXT_WIDTH_H_

#include <string>
#include <string_view>

namespace vantrel {

// Columns of a terminal that a UTF-8 text takes: one per character, so that "Überleben"
// lines up like "survival" in a table or a help text padded with spaces.
int DisplayWidth(std::string_view utf8);
// The text followed by spaces up to `width` columns (unchanged when it is wider).
std::string PadRight(std::string_view utf8, int width);
// Spaces up to `width` columns, then the text.
std::string PadLeft(std::string_view utf8, int width);

}  // namespace vantrel

#endif  // VANTREL_LANGUAGE_TEXT_WIDTH_H_
