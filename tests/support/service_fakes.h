#ifndef VANTREL_TESTS_SUPPORT_SERVICE_FAKES_H_
#define VANTREL_TESTS_SUPPORT_SERVICE_FAKES_H_

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "gallery/picture_file_dialog.h"
#include "storage/file_dialogs.h"
#include "ui/web_shell.h"

namespace vantrel::testing {

// Answers each dialog with the next scripted name, or a cancel for nullopt and when the
// script has run out.
class ScriptedFileDialogs final : public FileDialogs {
 public:
  std::optional<std::string> AskOpenName() override { return Next(); }
  std::optional<std::string> AskSaveName() override { return Next(); }
  std::vector<std::optional<std::string>> names;

 private:
  std::optional<std::string> Next() {
    if (names.empty()) return std::nullopt;
    std::optional<std::string> name = names.front();
    names.erase(names.begin());
    return name;
  }
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

// Answers each picture dialog with the next scripted name, or a cancel.
class ScriptedPictureDialog final : public PictureFileDialog {
 public:
  std::optional<std::string> AskSavePictureName(const std::string& /*title*/) override {
    if (names.empty()) return std::nullopt;
    std::optional<std::string> name = names.front();
    names.erase(names.begin());
    return name;
  }
  std::vector<std::optional<std::string>> names;
};

}  // namespace vantrel::testing

#endif  // VANTREL_TESTS_SUPPORT_SERVICE_FAKES_H_
