#include "desktop/ui/close_on_escape.h"

#include <QEvent>
#include <QKeyEvent>
#include <QObject>
#include <QWidget>

namespace vantrel {

namespace {

// Watches the window itself: a key its focused control ignores is passed up to the window,
// and seen here on the way.
class EscapeCloser final : public QObject {
 public:
  explicit EscapeCloser(QWidget& window) : QObject(&window), window_(window) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &window_ && event->type() == QEvent::KeyPress) {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
        window_.close();
        return true;
      }
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  QWidget& window_;
};

}  // namespace

void CloseOnEscape(QWidget& window) { window.installEventFilter(new EscapeCloser(window)); }

}  // namespace vantrel
