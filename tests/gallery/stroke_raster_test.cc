// The fast stroke path against the plain QPainter drawing it replaces.
#include "organism/qt/stroke_raster.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <string>

#include "organism/dna.h"
#include "organism/draw_organism.h"
#include "organism/figure.h"
#include "organism/qt/painter_canvas.h"

namespace vantrel {
namespace {

// The drawing as QPainter alone makes it: each edge and spoke its own round-capped stroke.
QImage ReferenceDrawing(const std::string& dna, int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.scale(size / 350.0, size / 350.0);
  painter.fillRect(QRect(0, 0, 350, 350), Qt::white);
  const Traits traits = DecodeTraits(dna);
  const Point centre{175, 175};
  const auto points = FigurePoints(traits.vertex_count, traits.radius, traits.rotation, centre);
  auto at = [](Point p) { return QPointF(p.x + 0.5, p.y + 0.5); };
  painter.setPen(QPen(ToQColor(traits.colour), traits.pen_width, ToQtPenStyle(traits.style),
                      Qt::RoundCap, Qt::RoundJoin));
  for (int c = 1; c <= traits.vertex_count; ++c) {
    painter.drawLine(at(points[c - 1]), at(points[c]));
    if (traits.spokes) painter.drawLine(at(points[c]), at(centre));
  }
  return image;
}

QImage FastDrawing(const std::string& dna, int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  QPainter painter(&image);
  painter.scale(size / 350.0, size / 350.0);
  PainterCanvas canvas(painter);
  EXPECT_TRUE(canvas.direct());
  DrawOrganism(canvas, dna, 350, 350);
  return image;
}

struct Difference {
  int largest = 0;  // of any colour channel of any pixel
  double mean = 0;  // of the largest channel difference per pixel
};

Difference Compare(const QImage& a, const QImage& b) {
  Difference difference;
  double sum = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y);
      const QRgb q = b.pixel(x, y);
      const int d = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))});
      difference.largest = std::max(difference.largest, d);
      sum += d;
    }
  }
  difference.mean = sum / (a.width() * a.height());
  return difference;
}

// Tolerance: only antialiased edge pixels may differ, each by at most 40 of 255 per
// channel (area coverage measured across the stroke instead of exactly), and on average
// by under one level.
TEST(StrokeRasterTest, DrawsWhatQPainterDrawsWithinTolerance) {
  for (const std::string dna :
       {"9999999917990", "9999999999990", "9991999939990", "9993999917990", "9995999937990",
        "9997999919990", "1234567890123", "0000000000000", "9999999999999", "5059123456784",
        "3700999999992", "", "12", "ab", "99999999999999999"}) {
    SCOPED_TRACE(dna);
    const Difference big = Compare(ReferenceDrawing(dna, 350), FastDrawing(dna, 350));
    EXPECT_LE(big.largest, 40);
    EXPECT_LT(big.mean, 1.0);
    // Thumbnails: thin scaled pens are where a coverage rule shows most.
    const Difference small = Compare(ReferenceDrawing(dna, 96), FastDrawing(dna, 96));
    EXPECT_LE(small.largest, 48);
    EXPECT_LT(small.mean, 2.0);
  }
}

TEST(StrokeRasterTest, DashPatternRestartsOnEveryLineInPenWidths) {
  using Stretches = std::vector<std::pair<double, double>>;
  EXPECT_EQ(InkedStretches(PenStyle::kSolid, 10, 50), (Stretches{{0, 50}}));
  EXPECT_EQ(InkedStretches(PenStyle::kInvisible, 10, 50), Stretches{});
  EXPECT_EQ(InkedStretches(PenStyle::kDash, 10, 100), (Stretches{{0, 40}, {60, 100}}));
  EXPECT_EQ(InkedStretches(PenStyle::kDashDot, 2, 30), (Stretches{{0, 8}, {12, 14}, {18, 26}}));
  EXPECT_EQ(InkedStretches(PenStyle::kDot, 1, 7), (Stretches{{0, 1}, {3, 4}, {6, 7}}));
}

TEST(StrokeRasterTest, OtherDevicesKeepQPaintersOwnStrokes) {
  QImage image(50, 50, QImage::Format_ARGB32_Premultiplied);
  QPainter painter(&image);
  painter.setClipRect(QRect(0, 0, 20, 20));
  PainterCanvas clipped(painter);
  EXPECT_FALSE(clipped.direct());
  painter.setClipping(false);
  painter.rotate(30);
  PainterCanvas rotated(painter);
  EXPECT_FALSE(rotated.direct());
  QImage grey(50, 50, QImage::Format_Grayscale8);
  QPainter grey_painter(&grey);
  EXPECT_FALSE(PainterCanvas(grey_painter).direct());
}

}  // namespace
}  // namespace vantrel
