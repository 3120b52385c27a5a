#ifndef VANTREL_DESKTOP_GALLERY_INVISIBLE_HINT_H_
#define VANTREL_DESKTOP_GALLERY_INVISIBLE_HINT_H_

#include <QPainter>
#include <QRect>
#include <string_view>

namespace vantrel {

// An organism with the invisible pen draws nothing, and its picture would look like one not
// drawn at all: at the foot of `picture` this writes "invisible" in small grey text for such
// a `dna`, and nothing for any other.
void PaintInvisibleHint(QPainter& painter, const QRect& picture, std::string_view dna);

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_GALLERY_INVISIBLE_HINT_H_
