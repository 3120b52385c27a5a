#ifndef VANTREL_DESKTOP_GALLERY_CHANCE_BADGE_H_
#define VANTREL_DESKTOP_GALLERY_CHANCE_BADGE_H_

#include <QPainter>
#include <QRect>
#include <QString>

namespace vantrel {

// An organism's chance of being kept (`text`, "64% kept") in a small
// dark badge at the top right of `picture`, readable over any drawing.
void PaintChanceBadge(QPainter& painter, const QRect& picture, const QString& text);

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_GALLERY_CHANCE_BADGE_H_
