#include "desktop/ui/text_layout_cache.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QImage>
#include <QPainter>

namespace vantrel {
namespace {

// Draws `text` into a fresh image either through the cache or as QPainter does.
QImage Drawn(TextLayoutCache* cache, const QFont& font, const QRect& rect, Qt::Alignment alignment,
             const QString& text) {
  QImage image(120, 40, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setFont(font);
  painter.setPen(Qt::darkBlue);
  if (cache != nullptr) {
    EXPECT_TRUE(cache->DrawIfFits(painter, rect, alignment, text)) << text.toStdString();
  } else {
    painter.drawText(rect, static_cast<int>(alignment), text);
  }
  return image;
}

TEST(TextLayoutCacheTest, DrawsTheSamePixelsAsThePainterInEveryAlignment) {
  TextLayoutCache cache;
  const QRect rect(7, 5, 100, 27);
  for (const int point_size : {8, 11}) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(point_size);
    for (const Qt::Alignment alignment :
         {Qt::AlignLeft | Qt::AlignVCenter, Qt::AlignRight | Qt::AlignVCenter,
          Qt::AlignHCenter | Qt::AlignTop, Qt::AlignRight | Qt::AlignBottom}) {
      for (const QString& text : {QStringLiteral("1007"), QStringLiteral("\u2665 -12")}) {
        // Twice: the second draw comes from the cache.
        for (int round = 0; round < 2; ++round) {
          EXPECT_EQ(Drawn(&cache, font, rect, alignment, text),
                    Drawn(nullptr, font, rect, alignment, text))
              << text.toStdString() << " at " << point_size << "pt, alignment "
              << alignment.toInt();
        }
      }
    }
  }
}

TEST(TextLayoutCacheTest, LeavesTextThatDoesNotFitToTheCaller) {
  TextLayoutCache cache;
  QImage image(40, 20, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  QPainter painter(&image);
  EXPECT_FALSE(cache.DrawIfFits(painter, QRectF(0, 0, 10, 20), Qt::AlignLeft,
                                QStringLiteral("0123456789012")));
  painter.end();
  QImage blank(40, 20, QImage::Format_ARGB32_Premultiplied);
  blank.fill(Qt::white);
  EXPECT_EQ(image, blank);
}

TEST(TextLayoutCacheTest, ANewFontLaysTheTextOutAgain) {
  TextLayoutCache cache;
  QFont small(QStringLiteral("Liberation Sans"));
  small.setPointSize(8);
  QFont large = small;
  large.setPointSize(16);
  const qreal small_width = cache.Line(QStringLiteral("1007"), small).lineAt(0).naturalTextWidth();
  const qreal large_width = cache.Line(QStringLiteral("1007"), large).lineAt(0).naturalTextWidth();
  EXPECT_GT(large_width, small_width * 1.5);
}

}  // namespace
}  // namespace vantrel
