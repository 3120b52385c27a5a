#include "messages/messages.h"

#include <cctype>

namespace vantrel {

std::string ErrorReportText(std::string_view text) {
  std::string result(text);
  if (!result.empty() && static_cast<unsigned char>(result.back()) > '.') result += '.';
  return result;
}

std::string ApplicationTitle(std::string_view program_file_name) {
  std::string title(program_file_name.substr(0, program_file_name.find('.')));
  for (std::size_t i = 1; i < title.size(); ++i) {
    title[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(title[i])));
  }
  return title;
}

}  // namespace vantrel
