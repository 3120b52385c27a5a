#ifndef VANTREL_DESKTOP_APP_PROGRAM_KEYS_H_
#define VANTREL_DESKTOP_APP_PROGRAM_KEYS_H_

#include <QKeyCombination>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

class QAction;
class QKeyEvent;

namespace vantrel {

// The program's own keys (F feeds, S shoots, ...), each a QAction with its shortcut, added
// to every window registered here, so that they act in whichever of those windows is
// active. A key typed into a line edit, spin box, text box or combo box stays there: the
// control edits or searches with it. Undo and redo keys are the exception: they undo or
// redo the control's own typing while it has some, and the program's steps otherwise. A
// key held down repeats no faster than its action
// finishes: repeats that queued up while the action ran are dropped.
class ProgramKeys final : public QObject {
  Q_OBJECT

 public:
  // Watches the application's shortcut checks from its creation on.
  explicit ProgramKeys(QObject* parent = nullptr);
  ~ProgramKeys() override;

  ProgramKeys(const ProgramKeys&) = delete;
  ProgramKeys& operator=(const ProgramKeys&) = delete;

  // Keys act in `window` and its children from now on.
  void AddWindow(QWidget* window);
  // What a key does in a control that takes typed text.
  enum class InTypedText {
    kTyping,     // it types there: the control keeps it
    kUndoFirst,  // it undoes the control's typing, or else acts
    kRedoFirst,  // it redoes the control's undone typing, or else acts
  };

  // `key` (a key with its modifiers) runs `action`; the QAction that does it.
  QAction* Bind(QKeyCombination key, std::function<void()> action,
                InTypedText in_text = InTypedText::kTyping);
  // No key acts any more, in any window: the program is ending.
  void Stop();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool InRegisteredWindow(const QWidget* widget) const;
  // Runs `action` for the key last seen, unless that key is a repeat made while the last
  // action ran.
  void Run(const std::function<void()>& action);

  std::vector<QPointer<QWidget>> windows_;
  std::vector<QAction*> actions_;  // children of this object
  // The keys bound with kUndoFirst or kRedoFirst, which pass a text control by.
  std::vector<QKeyCombination> edit_keys_;
  // The key whose shortcut Qt is about to look up: its window-system time and whether the
  // key is held down. Qt asks the focused control first, which this object watches.
  quint64 key_timestamp_ = 0;
  bool key_repeated_ = false;
  // The window-system time of the last key that acted, and how long its action took.
  quint64 last_timestamp_ = 0;
  qint64 last_duration_ms_ = 0;
};

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_APP_PROGRAM_KEYS_H_
