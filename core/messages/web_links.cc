#include "messages/web_links.h"

#include "language/catalogue.h"
#include "messages/messages.h"
#include "messages/web_shell.h"

namespace vantrel {

namespace {

void ShowShellFailure(MessageService& owner, int result) {
  // The four named failures and every other one carry captions that differ in case.
  const std::string named_caption = Tr("WebLinks", "Error opening webpage");
  switch (result) {
    case 0:
      owner.ShowOwnedMessage(named_caption, Tr("WebLinks", "Error w71: Out of Memory"));
      return;
    case 2:
      owner.ShowOwnedMessage(named_caption, Tr("WebLinks", "Error w72: File not found"));
      return;
    case 3:
      owner.ShowOwnedMessage(named_caption, Tr("WebLinks", "Error w73: Directory not"));
      return;
    case 11:
      owner.ShowOwnedMessage(named_caption, Tr("WebLinks", "Error w74: Wrong format in EXE"));
      return;
    default:
      owner.ShowOwnedMessage(
          Tr("WebLinks", "Error Opening Webpage"),
          Arg(Tr("WebLinks", "Error Nr: %1 in ShellExecute"), {std::to_string(result)}));
  }
}

}  // namespace

void OpenWebPage(MessageService& owner, WebShell& shell, const std::string& address) {
  shell.Open(address, [&owner](int result) {
    if (result <= WebShell::kLastFailure) ShowShellFailure(owner, result);
  });
}

}  // namespace vantrel
