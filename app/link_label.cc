#include "app/link_label.h"

#include <QMouseEvent>

namespace vantrel {

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  QFont link_font = font();
  link_font.setUnderline(true);
  setFont(link_font);
  QPalette link_palette = palette();
  link_palette.setColor(QPalette::WindowText, Qt::blue);
  setPalette(link_palette);
  setCursor(Qt::PointingHandCursor);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
  QLabel::mouseReleaseEvent(event);
}

}  // namespace vantrel
