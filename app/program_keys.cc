#include "app/program_keys.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <utility>

namespace vantrel {

ProgramKeys::ProgramKeys(QObject* parent) : QObject(parent) { qApp->installEventFilter(this); }

ProgramKeys::~ProgramKeys() { qApp->removeEventFilter(this); }

void ProgramKeys::AddWindow(QWidget* window) { windows_.emplace_back(window); }

void ProgramKeys::Bind(QKeyCombination key, std::function<void()> action) {
  actions_[key.toCombined()] = std::move(action);
}

bool ProgramKeys::InRegisteredWindow(const QWidget* widget) const {
  if (widget == nullptr) return false;
  const QWidget* window = widget->window();
  for (const QPointer<QWidget>& registered : windows_) {
    if (registered == window) return true;
  }
  return false;
}

bool ProgramKeys::HandleKeyPress(QWidget* target, const QKeyEvent& event) {
  if (!InRegisteredWindow(target)) return false;
  // A parameter box keeps its keys: they edit its text.
  if (qobject_cast<QAbstractSpinBox*>(QApplication::focusWidget()) != nullptr) return false;
  // Keypad and shift state aside, a key is its key and its Ctrl/Alt/Shift/Meta.
  const Qt::KeyboardModifiers modifiers =
      event.modifiers() &
      (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier | Qt::MetaModifier);
  const auto found = actions_.find(QKeyCombination(modifiers, Qt::Key(event.key())).toCombined());
  if (found == actions_.end()) return false;
  // Repeats made while the last action ran wait in the queue with older times: drop them.
  if (event.isAutoRepeat() &&
      event.timestamp() < last_timestamp_ + static_cast<quint64>(last_duration_ms_)) {
    return true;
  }
  QElapsedTimer timer;
  timer.start();
  found->second();
  last_timestamp_ = event.timestamp();
  last_duration_ms_ = timer.elapsed();
  return true;
}

bool ProgramKeys::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
    if (HandleKeyPress(static_cast<QWidget*>(watched), *static_cast<QKeyEvent*>(event))) {
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace vantrel
