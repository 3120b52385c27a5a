#ifndef VANTREL_DESKTOP_UI_QT_MESSAGE_SERVICE_H_
#define VANTREL_DESKTOP_UI_QT_MESSAGE_SERVICE_H_

#include <QPointer>
#include <QWidget>

#include "messages/messages.h"

namespace vantrel {

// Message boxes with QMessageBox. The owner (the main window) may be set after creation,
// since the window itself is built with this service.
class QtMessageService final : public MessageService {
 public:
  void SetOwner(QWidget* owner) { owner_ = owner; }

  void ShowMessage(const std::string& text) override;
  void ShowError(const std::string& text) override;
  void ShowOwnedMessage(const std::string& caption, const std::string& text) override;
  bool AskYesNo(const std::string& caption, const std::string& text) override;

  // The caption of the program's own boxes, from the running program's file name.
  static QString Title();

 private:
  QPointer<QWidget> owner_;
};

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_UI_QT_MESSAGE_SERVICE_H_
