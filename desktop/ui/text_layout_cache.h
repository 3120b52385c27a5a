#ifndef VANTREL_DESKTOP_UI_TEXT_LAYOUT_CACHE_H_
#define VANTREL_DESKTOP_UI_TEXT_LAYOUT_CACHE_H_

#include <QFont>
#include <QRectF>
#include <QString>
#include <QTextLayout>
#include <cstddef>
#include <memory>

#include "organism/lru_cache.h"

class QPainter;

namespace vantrel {

// Short texts shaped and laid out once, drawn many times. Views that repaint every
// visible cell after each shot (the table, the population's cards) spent most of that
// paint shaping the same IDs and numbers again.
class TextLayoutCache {
 public:
  explicit TextLayoutCache(std::size_t capacity = 8192);

  // `text` as one unbroken, left-aligned line in `font`, at (0, 0). A new font empties
  // the cache.
  const QTextLayout& Line(const QString& text, const QFont& font);

  // Draws `text` in the painter's font and pen exactly as QPainter::drawText(rect,
  // alignment, text) does, if it fits the rect's width, and says whether it did.
  bool DrawIfFits(QPainter& painter, const QRectF& rect, Qt::Alignment alignment,
                  const QString& text);

 private:
  std::size_t capacity_;
  QFont font_;
  LruCache<QString, std::unique_ptr<QTextLayout>> lines_;
};

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_UI_TEXT_LAYOUT_CACHE_H_
