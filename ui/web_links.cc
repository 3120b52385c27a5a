#include "ui/web_links.h"

#include "ui/messages.h"
#include "ui/web_shell.h"

namespace vantrel {

namespace {

void ShowShellFailure(MessageService& owner, int result) {
  // The four named failures and every other one carry captions that differ in case.
  static constexpr char kNamedCaption[] = "Error opening webpage";
  switch (result) {
    case 0:
      owner.ShowOwnedMessage(kNamedCaption, "Error w71: Out of Memory");
      return;
    case 2:
      owner.ShowOwnedMessage(kNamedCaption, "Error w72: File not found");
      return;
    case 3:
      owner.ShowOwnedMessage(kNamedCaption, "Error w73: Directory not");
      return;
    case 11:
      owner.ShowOwnedMessage(kNamedCaption, "Error w74: Wrong format in EXE");
      return;
    default:
      owner.ShowOwnedMessage("Error Opening Webpage",
                             "Error Nr: " + std::to_string(result) + " in ShellExecute");
  }
}

}  // namespace

void OpenWebPage(MessageService& owner, WebShell& shell, const std::string& address) {
  shell.Open(address, [&owner](int result) {
    if (result <= WebShell::kLastFailure) ShowShellFailure(owner, result);
  });
}

}  // namespace vantrel
