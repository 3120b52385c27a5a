#include "desktop/gallery/chance_badge.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <algorithm>

namespace vantrel {

void PaintChanceBadge(QPainter& painter, const QRect& picture, const QString& text) {
  if (text.isEmpty()) return;
  painter.save();
  QFont font = painter.font();
  font.setPixelSize(std::clamp(picture.height() / 8, 10, 14));
  font.setBold(true);
  painter.setFont(font);
  const QFontMetrics metrics(font);
  const int width = std::min(metrics.horizontalAdvance(text) + 8, picture.width() - 4);
  const QRect badge(picture.right() - width - 1, picture.top() + 2, width, metrics.height() + 2);
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0x20, 0x20, 0x20, 0xd0));
  painter.drawRoundedRect(badge, 3, 3);
  painter.setPen(Qt::white);
  painter.drawText(badge, Qt::AlignCenter,
                   metrics.elidedText(text, Qt::ElideRight, badge.width() - 4));
  painter.restore();
}

}  // namespace vantrel
