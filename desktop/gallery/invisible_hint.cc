#include "desktop/gallery/invisible_hint.h"

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <algorithm>

#include "organism/dna.h"

namespace vantrel {

void PaintInvisibleHint(QPainter& painter, const QRect& picture, std::string_view dna) {
  if (PenStyleOf(dna) != PenStyle::kInvisible) return;
  painter.save();
  QFont font = painter.font();
  // Small beside the picture, yet readable on the smallest thumbnail.
  font.setPixelSize(std::clamp(picture.height() / 9, 9, 13));
  painter.setFont(font);
  painter.setPen(QColor(0x90, 0x90, 0x90));
  painter.drawText(picture.adjusted(2, 2, -2, -3), Qt::AlignHCenter | Qt::AlignBottom,
                   QCoreApplication::translate("OrganismPicture", "invisible"));
  painter.restore();
}

}  // namespace vantrel
