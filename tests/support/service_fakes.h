#ifndef VANTREL_TESTS_SUPPORT_SERVICE_FAKES_H_
#define VANTREL_TESTS_SUPPORT_SERVICE_FAKES_H_

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "messages/web_shell.h"
#include "storage/file_name_dialog.h"

namespace vantrel::testing {

// Answers each question with the next scripted name, or a cancel for nullopt and when the
// script has run out; keeps the questions asked.
class ScriptedFileDialog final : public FileNameDialog {
 public:
  std::optional<std::string> AskFileName(const FileQuestion& question) override {
    questions.push_back(question);
    if (names.empty()) return std::nullopt;
    std::optional<std::string> name = names.front();
    names.erase(names.begin());
    return name;
  }
  std::vector<std::optional<std::string>> names;
  std::vector<FileQuestion> questions;
};

// Records each address and answers at once with `result` (by default a failure: no
// program for web addresses).
class RecordingShell final : public WebShell {
 public:
  void Open(const std::string& address, ResultCallback done) override {
    addresses.push_back(address);
    done(result);
  }
  std::vector<std::string> addresses;
  int result = 31;
};

}  // namespace vantrel::testing

#endif  // VANTREL_TESTS_SUPPORT_SERVICE_FAKES_H_
