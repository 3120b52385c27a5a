// The raster's pictures against QPainter's drawing of the same organisms.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <random>
#include <string>

#include "desktop/organism/organism_image.h"
#include "desktop/organism/painter_canvas.h"
#include "organism/draw_organism.h"
#include "organism/raster.h"

namespace vantrel {
namespace {

// The drawing as QPainter makes it: each edge and spoke its own round-capped stroke.
QImage PainterDrawing(const std::string& dna, int pixels) {
  QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
  QPainter painter(&image);
  painter.scale(static_cast<qreal>(pixels) / kPictureSize,
                static_cast<qreal>(pixels) / kPictureSize);
  PainterCanvas canvas(painter);
  DrawOrganism(canvas, dna, kPictureSize, kPictureSize);
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

std::vector<std::string> RandomDnaStrings(int count) {
  std::mt19937 random(20261209);
  std::uniform_int_distribution<int> digit(0, 9);
  std::vector<std::string> strings;
  for (int i = 0; i < count; ++i) {
    std::string dna;
    for (int d = 0; d < kDnaLength; ++d) dna += static_cast<char>('0' + digit(random));
    strings.push_back(dna);
  }
  return strings;
}

// Organisms where the two drawings have parted before: wide and thin dashes of every
// style, eleven sides reaching past the edge, a line, and strings that are no DNA.
const char* const kHardCases[] = {"9999999917990",
                                  "9999999999990",
                                  "9991999939990",
                                  "9993999917990",
                                  "9995999937990",
                                  "9997999919990",
                                  "1234567890123",
                                  "0000000000000",
                                  "9999999999999",
                                  "5059123456784",
                                  "3700999999992",
                                  "9397999910990",
                                  "9395999919990",
                                  "9295999915990",
                                  "",
                                  "12",
                                  "ab",
                                  "99999999999999999"};

struct Size {
  int size;
  int ratio;
  int largest;  // tolerated channel difference of any pixel
  double mean;  // tolerated mean difference
};

// Tolerance: only antialiased edge pixels may differ, by a level or two on average. Where
// several translucent edges overlap (spokes meeting a small figure) one pixel may differ
// more, most at twice the pixel ratio and in thumbnails, where pens are a pixel or two.
constexpr Size kSizes[] = {
    {350, 1, 40, 1.0}, {350, 2, 48, 1.0}, {160, 1, 48, 2.0},
    {96, 1, 48, 2.0},  {96, 2, 48, 2.0},  {72, 1, 48, 2.0},
};

void ExpectLikePainter(const std::string& dna) {
  for (const Size& size : kSizes) {
    const int pixels = size.size * size.ratio;
    const QImage raster = RenderOrganism(dna, size.size, size.ratio);
    ASSERT_EQ(raster.size(), QSize(pixels, pixels));
    const Difference d = Compare(PainterDrawing(dna, pixels), raster);
    EXPECT_LE(d.largest, size.largest) << dna << " at " << size.size << " x" << size.ratio;
    EXPECT_LT(d.mean, size.mean) << dna << " at " << size.size << " x" << size.ratio;
  }
}

TEST(RasterReferenceTest, HardCasesLookAsQPainterDrewThem) {
  for (const char* dna : kHardCases) ExpectLikePainter(dna);
}

TEST(RasterReferenceTest, RandomOrganismsLookAsQPainterDrewThem) {
  for (const std::string& dna : RandomDnaStrings(60)) ExpectLikePainter(dna);
}

TEST(RasterReferenceTest, TheImageWrapsThePixelsWithoutCopying) {
  PixelBuffer pixels = DrawOrganismPicture("2409000000440", kPictureSize);
  const Pixel* data = pixels.pixels.data();
  const QImage image = ToQImage(std::move(pixels));
  EXPECT_EQ(reinterpret_cast<const Pixel*>(image.constBits()), data);
  EXPECT_EQ(image.pixelColor(175, 175), QColor(167, 0, 0));
  EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white));
  // Drawing on a copy leaves the wrapped pixels alone.
  QImage copy = image;
  copy.fill(Qt::black);
  EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white));
  EXPECT_TRUE(ToQImage(PixelBuffer{}).isNull());
}

TEST(RasterReferenceTest, RenderedPicturesCarryTheirPixelRatio) {
  const QImage image = RenderOrganism("2409000000440", 96, 2.0);
  EXPECT_EQ(image.size(), QSize(192, 192));
  EXPECT_EQ(image.devicePixelRatio(), 2.0);
}

}  // namespace
}  // namespace vantrel
