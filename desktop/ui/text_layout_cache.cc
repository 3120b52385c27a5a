#include "desktop/ui/text_layout_cache.h"

#include <QPainter>
#include <QTextOption>
#include <utility>

namespace vantrel {

namespace {
// Cached lines never break or align to a width of their own.
constexpr qreal kUnboundedWidth = 1e6;
}  // namespace

TextLayoutCache::TextLayoutCache(std::size_t capacity) : capacity_(capacity), lines_(capacity) {}

const QTextLayout& TextLayoutCache::Line(const QString& text, const QFont& font) {
  if (font != font_) {
    lines_ = LruCache<QString, std::unique_ptr<QTextLayout>>(capacity_);
    font_ = font;
  }
  if (const auto* found = lines_.Find(text)) return **found;
  auto layout = std::make_unique<QTextLayout>(text, font);
  QTextOption option;
  option.setWrapMode(QTextOption::ManualWrap);
  layout->setTextOption(option);
  // Without it the layout drops its shaped glyphs at endLayout() and shapes the text
  // again on every draw, which is the very work this cache exists to save.
  layout->setCacheEnabled(true);
  layout->beginLayout();
  QTextLine line = layout->createLine();
  line.setLineWidth(kUnboundedWidth);
  line.setPosition(QPointF(0, 0));
  layout->endLayout();
  return *lines_.Insert(text, std::move(layout), 1);
}

bool TextLayoutCache::DrawIfFits(QPainter& painter, const QRectF& rect, Qt::Alignment alignment,
                                 const QString& text) {
  const QTextLayout& layout = Line(text, painter.font());
  const QTextLine line = layout.lineAt(0);
  const qreal width = line.naturalTextWidth();
  if (width > rect.width()) return false;
  // Where QPainter::drawText puts a single line: the free space split by the alignment.
  qreal x = 0;
  if ((alignment & Qt::AlignRight) != 0) x = rect.width() - width;
  if ((alignment & Qt::AlignHCenter) != 0) x = (rect.width() - width) / 2;
  // The line's exact height: QTextLine::height() is rounded up.
  const qreal height = line.ascent() + line.descent();
  qreal y = 0;
  if ((alignment & Qt::AlignBottom) != 0) y = rect.height() - height;
  if ((alignment & Qt::AlignVCenter) != 0) y = (rect.height() - height) / 2;
  layout.draw(&painter, rect.topLeft() + QPointF(x, y));
  return true;
}

}  // namespace vantrel
