#include "desktop/app/link_label.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "desktop/ui/focus_mark.h"

namespace vantrel {

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  QFont link_font = font();
  link_font.setUnderline(true);
  setFont(link_font);
  QPalette link_palette = palette();
  link_palette.setColor(QPalette::WindowText, Qt::blue);
  setPalette(link_palette);
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::TabFocus);
  // Room for the focus mark around the text.
  setContentsMargins(2, 2, 2, 2);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
  QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (event->modifiers() == Qt::NoModifier &&
      (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
    emit clicked();
    return;
  }
  QLabel::keyPressEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  QPainter painter(this);
  PaintFocusMark(painter, *this, rect());
}

}  // namespace vantrel
