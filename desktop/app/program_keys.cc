#include "desktop/app/program_keys.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>
#include <utility>

namespace vantrel {

namespace {

// Whether `window` has an action on `key`: the program's keys and a window's own (the
// notebook's Ctrl+E).
bool WindowHasKey(const QWidget& window, const QKeySequence& key) {
  for (const QAction* action : window.actions()) {
    if (action->shortcuts().contains(key)) return true;
  }
  return false;
}

// True for controls that take typed text or search by it: line edits, spin boxes, text
// boxes and combo boxes, editable or not.
bool TakesTypedKeys(const QObject* control) {
  return qobject_cast<const QLineEdit*>(control) != nullptr ||
         qobject_cast<const QAbstractSpinBox*>(control) != nullptr ||
         qobject_cast<const QTextEdit*>(control) != nullptr ||
         qobject_cast<const QPlainTextEdit*>(control) != nullptr ||
         qobject_cast<const QComboBox*>(control) != nullptr;
}

// The line edit that holds `control`'s text: itself, a spin box's or an editable combo
// box's; null for others.
QLineEdit* LineEditOf(QWidget* control) {
  if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit;
  if (qobject_cast<QAbstractSpinBox*>(control) != nullptr ||
      qobject_cast<QComboBox*>(control) != nullptr) {
    return control->findChild<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly);
  }
  return nullptr;
}

// Undoes (or redoes) the typing in `control` when it has some to undo (redo); false when
// there is none.
bool UndoTyping(QWidget* control, bool redo) {
  if (control == nullptr) return false;
  if (QLineEdit* edit = LineEditOf(control)) {
    if (!(redo ? edit->isRedoAvailable() : edit->isUndoAvailable())) return false;
    redo ? edit->redo() : edit->undo();
    return true;
  }
  QTextDocument* document = nullptr;
  if (auto* text = qobject_cast<QTextEdit*>(control)) document = text->document();
  if (auto* text = qobject_cast<QPlainTextEdit*>(control)) document = text->document();
  if (document == nullptr) return false;
  if (!(redo ? document->isRedoAvailable() : document->isUndoAvailable())) return false;
  redo ? document->redo() : document->undo();
  return true;
}

}  // namespace

ProgramKeys::ProgramKeys(QObject* parent) : QObject(parent) { qApp->installEventFilter(this); }

ProgramKeys::~ProgramKeys() { qApp->removeEventFilter(this); }

void ProgramKeys::AddWindow(QWidget* window) {
  windows_.emplace_back(window);
  window->addActions({actions_.begin(), actions_.end()});
}

QAction* ProgramKeys::Bind(QKeyCombination key, std::function<void()> action, InTypedText in_text) {
  auto* shortcut = new QAction(this);
  shortcut->setShortcut(QKeySequence(key));
  shortcut->setShortcutContext(Qt::WindowShortcut);
  if (in_text == InTypedText::kTyping) {
    connect(shortcut, &QAction::triggered, this,
            [this, action = std::move(action)] { Run(action); });
  } else {
    edit_keys_.push_back(key);
    const bool redo = in_text == InTypedText::kRedoFirst;
    connect(shortcut, &QAction::triggered, this, [this, action = std::move(action), redo] {
      Run([&action, redo] {
        if (!UndoTyping(QApplication::focusWidget(), redo)) action();
      });
    });
  }
  actions_.push_back(shortcut);
  for (const QPointer<QWidget>& window : windows_) {
    if (window) window->addAction(shortcut);
  }
  return shortcut;
}

void ProgramKeys::Stop() {
  for (QAction* action : actions_) action->setEnabled(false);
}

bool ProgramKeys::InRegisteredWindow(const QWidget* widget) const {
  if (widget == nullptr) return false;
  const QWidget* window = widget->window();
  for (const QPointer<QWidget>& registered : windows_) {
    if (registered == window) return true;
  }
  return false;
}

void ProgramKeys::Run(const std::function<void()>& action) {
  const bool repeated = std::exchange(key_repeated_, false);
  // Repeats made while the last action ran wait in the queue with older times: drop them.
  if (repeated && key_timestamp_ < last_timestamp_ + static_cast<quint64>(last_duration_ms_)) {
    return;
  }
  QElapsedTimer timer;
  timer.start();
  action();
  last_timestamp_ = key_timestamp_;
  last_duration_ms_ = timer.elapsed();
}

bool ProgramKeys::eventFilter(QObject* watched, QEvent* event) {
  // Before a shortcut acts, Qt offers its key to the focused control (ShortcutOverride).
  if (event->type() == QEvent::ShortcutOverride && watched->isWidgetType()) {
    const auto* widget = static_cast<QWidget*>(watched);
    auto* key = static_cast<QKeyEvent*>(event);
    if (InRegisteredWindow(widget)) {
      key_timestamp_ = key->timestamp();
      key_repeated_ = key->isAutoRepeat();
      // A text control keeps the window's keys: they edit its text or search its list.
      // Undo and redo pass it by unclaimed, and their action asks it first.
      if (TakesTypedKeys(widget) &&
          WindowHasKey(*widget->window(), QKeySequence(key->keyCombination()))) {
        const bool edit_key = std::find(edit_keys_.begin(), edit_keys_.end(),
                                        key->keyCombination()) != edit_keys_.end();
        key->setAccepted(!edit_key);
        return true;
      }
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace vantrel
