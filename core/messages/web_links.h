#ifndef VANTREL_MESSAGES_WEB_LINKS_H_
#define VANTREL_MESSAGES_WEB_LINKS_H_

#include <string>

namespace vantrel {

class MessageService;
class WebShell;

// The maker's home page (the query follows the host name directly) and the product's page.
inline constexpr char kMakerHomePage[] = "http://www.quorvane.example?vantrel2";
inline constexpr char kProductPage[] = "http://www.quorvane.example/vantrel/";

// Opens `address` through `shell`. When the shell reports a failure, `owner` shows exactly
// one box about it, with its own caption and one OK button; success shows nothing.
void OpenWebPage(MessageService& owner, WebShell& shell, const std::string& address);

}  // namespace vantrel

#endif  // VANTREL_MESSAGES_WEB_LINKS_H_
