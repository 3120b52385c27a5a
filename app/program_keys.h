#ifndef VANTREL_APP_PROGRAM_KEYS_H_
#define VANTREL_APP_PROGRAM_KEYS_H_

#include <QKeyCombination>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <vector>

class QKeyEvent;

namespace vantrel {

// The program's own keys (F feeds, S shoots, ...): they act in every window registered
// here, whichever control has the focus, except a parameter box, where keys edit the box.
// They are taken before the focused control sees them, so a table's keyboard search or
// copy never gets them. A key held down repeats no faster than its action finishes:
// repeats that queued up while the action ran are dropped.
class ProgramKeys final : public QObject {
  Q_OBJECT

 public:
  // Watches the application's key events from its creation on.
  explicit ProgramKeys(QObject* parent = nullptr);
  ~ProgramKeys() override;

  ProgramKeys(const ProgramKeys&) = delete;
  ProgramKeys& operator=(const ProgramKeys&) = delete;

  // Keys act in `window` and its children from now on.
  void AddWindow(QWidget* window);
  // `key` (a key with its modifiers) runs `action`.
  void Bind(QKeyCombination key, std::function<void()> action);

  // Handles one key press as the filter would; true when a program key took it.
  bool HandleKeyPress(QWidget* target, const QKeyEvent& event);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool InRegisteredWindow(const QWidget* widget) const;

  std::vector<QPointer<QWidget>> windows_;
  std::map<int, std::function<void()>> actions_;  // by QKeyCombination::toCombined()
  // The window-system time of the last key that acted, and how long its action took.
  quint64 last_timestamp_ = 0;
  qint64 last_duration_ms_ = 0;
};

}  // namespace vantrel

#endif  // VANTREL_APP_PROGRAM_KEYS_H_
