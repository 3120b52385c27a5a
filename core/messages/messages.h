#ifndef VANTREL_MESSAGES_MESSAGES_H_
#define VANTREL_MESSAGES_MESSAGES_H_

#include <string>
#include <string_view>

namespace vantrel {

// The ways the program speaks to the user. The main window is given one; tests give it a
// recorder. Texts are UTF-8. Every call returns when the user has closed the box.
class MessageService {
 public:
  virtual ~MessageService() = default;

  // The program's own messages: caption the application's title, no icon, one OK button,
  // centred on the screen.
  virtual void ShowMessage(const std::string& text) = 0;

  // A failure the program did not handle itself: error icon, the application's title as
  // caption. `text` is shown as given; build it with ErrorReportText.
  virtual void ShowError(const std::string& text) = 0;

  // A box owned by the main window with a caption of its own, one OK button, no icon.
  virtual void ShowOwnedMessage(const std::string& caption, const std::string& text) = 0;

  // A question with a caption of its own and the buttons Yes (the default) and No; true
  // for Yes. A service that cannot ask answers No.
  virtual bool AskYesNo(const std::string& /*caption*/, const std::string& /*text*/) {
    return false;
  }
};

// The text of the general error report: `text` with a full stop added when its last
// character sorts after the full stop.
std::string ErrorReportText(std::string_view text);

// The application's title from the program file's name: the name up to its first full
// stop, every letter after the first in lower case ("vantrel" gives "Vantrel").
std::string ApplicationTitle(std::string_view program_file_name);

}  // namespace vantrel

#endif  // VANTREL_MESSAGES_MESSAGES_H_
