// The raster's own pixels: where ink lands, how dashes fall, what stays white.
#include "organism/raster.h"

#include <gtest/gtest.h>

#include <string>

#include "organism/draw_organism.h"

namespace vantrel {
namespace {

constexpr ColourNumber kRed = 0x0000FF;
constexpr ColourNumber kBlack = 0x000000;
const Pixel kWhitePixel = PixelOf(kWhite);

// The row's pixels from x0 to x1 as '#' (the pen's colour), '.' (white) or '~' (between).
std::string RowInk(const PixelBuffer& pixels, int y, int x0, int x1, ColourNumber colour = kRed) {
  std::string ink;
  for (int x = x0; x <= x1; ++x) {
    const Pixel p = pixels.At(x, y);
    ink += p == PixelOf(colour) ? '#' : p == kWhitePixel ? '.' : '~';
  }
  return ink;
}

bool AllWhite(const PixelBuffer& pixels) {
  for (int y = 0; y < pixels.height; ++y) {
    for (int x = 0; x < pixels.width; ++x) {
      if (pixels.At(x, y) != kWhitePixel) return false;
    }
  }
  return true;
}

TEST(PixelBufferTest, PixelsAreArgbWordsAndConvertToRgbaBytes) {
  EXPECT_EQ(PixelOf(0x563412), 0xFF123456u);
  PixelBuffer buffer = MakePixelBuffer(2, 1, PixelOf(kRed));
  buffer.Row(0)[1] = PixelOf(0xCCBBAA);
  EXPECT_EQ(RgbaBytes(buffer), (std::vector<std::uint8_t>{255, 0, 0, 255, 0xAA, 0xBB, 0xCC, 255}));
  EXPECT_EQ(MakePixelBuffer(-3, 4, 0).pixels.size(), 0u);
}

TEST(RasterTest, InvisiblePenDrawsNothingAtAnyWidth) {
  for (int width : {1, 2, 10}) {
    Raster raster(40, 40);
    raster.SetPen({kRed, width, PenStyle::kInvisible});
    raster.Line({5, 5}, {30, 20});
    raster.Line({20, 20}, {20, 20});
    EXPECT_TRUE(AllWhite(raster.pixels())) << width;
  }
}

TEST(RasterTest, WidePenDashesArePenWidthsLongWithRoundEnds) {
  // Width 2: dashes of 8 and gaps of 4 from x = 10.5. Round ends reach a pixel further:
  // 9 pixels are covered whole, the pixels at both ends half, the gap's middle not at all.
  Raster raster(80, 40);
  raster.SetPen({kRed, 2, PenStyle::kDash});
  raster.Line({10, 20}, {45, 20});
  const PixelBuffer& pixels = raster.pixels();
  EXPECT_EQ(RowInk(pixels, 20, 8, 47), ".~#########~.~#########~.~#########~....");
  EXPECT_EQ(RowInk(pixels, 17, 8, 47), std::string(40, '.'));
}

TEST(RasterTest, ThinPenDashesCountDevicePixelsFromTheLinesStart) {
  // A one-pixel pen through pixel centres inks one row: 4 pixels on, 2 off, from the
  // start, reaching half a pixel past each end. Drawn backwards, the pattern starts at
  // the other end.
  for (const bool backwards : {false, true}) {
    Raster raster(50, 30);
    raster.SetPen({kRed, 1, PenStyle::kDash});
    if (backwards) {
      raster.Line({40, 20}, {10, 20});
    } else {
      raster.Line({10, 20}, {40, 20});
    }
    std::string expected;
    for (int x = 10; x <= 40; ++x) {
      const int along = backwards ? 40 - x : x - 10;
      expected += along % 6 < 4 ? '#' : '.';
    }
    EXPECT_EQ(RowInk(raster.pixels(), 20, 10, 40), expected) << backwards;
    EXPECT_EQ(RowInk(raster.pixels(), 21, 9, 41), std::string(33, '.'));
    EXPECT_EQ(raster.pixels().At(9, 20), kWhitePixel);
  }
}

TEST(RasterTest, APenThinnerThanAPixelIsFaint) {
  // Width 1 at half scale inks half a pixel's worth per column, shared between the two
  // rows the line passes between: black over white, the column loses half its white.
  Raster raster(30, 30, 0.5);
  raster.SetPen({kBlack, 1, PenStyle::kSolid});
  raster.Line({9, 19}, {49, 19});  // device y 9.75
  for (int x = 6; x <= 23; ++x) {
    int darkness = 0;
    for (int y = 7; y <= 12; ++y)
      darkness += 255 - static_cast<int>(raster.pixels().At(x, y) & 0xFF);
    EXPECT_NEAR(darkness, 128, 3) << x;
  }
  EXPECT_EQ(raster.pixels().At(15, 8), kWhitePixel);
  EXPECT_EQ(raster.pixels().At(15, 11), kWhitePixel);
}

TEST(RasterTest, StrokesAreClippedAtTheBufferEdge) {
  // Ends far outside, at twice the pixel ratio too, are cut at the edge, not wrapped.
  for (const int width : {1, 4}) {
    Raster raster(20, 20);
    raster.SetPen({kRed, width, PenStyle::kSolid});
    raster.Line({-50, 10}, {70, 10});
    raster.Line({-2000000000, 5}, {2000000000, 5});
    raster.Line({-30, -30}, {-30, 60});  // wholly outside
    EXPECT_EQ(raster.pixels().At(0, 10), PixelOf(kRed)) << width;
    EXPECT_EQ(raster.pixels().At(19, 10), PixelOf(kRed)) << width;
    EXPECT_EQ(raster.pixels().At(19, 5), PixelOf(kRed)) << width;
    EXPECT_EQ(raster.pixels().At(0, 0), kWhitePixel) << width;
    Raster sharp(20, 20, 2);
    sharp.SetPen({kRed, width, PenStyle::kDash});
    sharp.Line({-2000000000, 4}, {2000000000, 4});
    sharp.Line({4, 2000000000}, {4, -2000000000});
    const std::string row = RowInk(sharp.pixels(), 9, 0, 19);
    EXPECT_NE(row.find('#'), std::string::npos) << width;  // dashed: somewhere along it
    EXPECT_EQ(RowInk(sharp.pixels(), 0, 0, 4), ".....") << width;
    EXPECT_EQ(RowInk(sharp.pixels(), 0, 13, 19), ".......") << width;
  }
}

TEST(RasterTest, FillRectIsScaledAndClipped) {
  Raster raster(10, 10, 2);
  raster.FillRect(1, 1, 2, 2, kRed);
  raster.FillRect(4, -3, 100, 4, kBlack);  // rows 0 and 1 from x = 8, clipped
  EXPECT_EQ(RowInk(raster.pixels(), 3, 0, 9), "..####....");
  EXPECT_EQ(RowInk(raster.pixels(), 1, 0, 7), "........");
  EXPECT_EQ(raster.pixels().At(9, 1), PixelOf(kBlack));
  EXPECT_EQ(raster.pixels().At(9, 2), kWhitePixel);
}

TEST(RasterTest, SpokesReachTheCentreAtEitherPixelRatio) {
  // Square, 5 wide, solid red-brown 167, radius 50: with spokes (d13 even) and without.
  for (const int ratio : {1, 2}) {
    for (const bool spokes : {true, false}) {
      const int side = 350 * ratio;
      Raster raster(side, side, ratio);
      DrawOrganism(raster, spokes ? "2409000000440" : "2409000000441", 350, 350);
      const Pixel centre = raster.pixels().At(175 * ratio, 175 * ratio);
      EXPECT_EQ(centre, spokes ? PixelOf(167) : kWhitePixel) << ratio;
      // Halfway along a spoke, and on an edge's midpoint.
      EXPECT_EQ(raster.pixels().At(175 * ratio, 200 * ratio) == PixelOf(167), spokes) << ratio;
      EXPECT_EQ(raster.pixels().At(200 * ratio, 200 * ratio), PixelOf(167)) << ratio;
    }
  }
}

TEST(RasterTest, PictureOfAnySizeShowsTheSameOrganism) {
  const PixelBuffer big = DrawOrganismPicture("2409000000440", 350);
  const PixelBuffer sharp = DrawOrganismPicture("2409000000440", 700);
  const PixelBuffer small = DrawOrganismPicture("2409000000440", 70);
  ASSERT_EQ(small.width, 70);
  ASSERT_EQ(small.stride, 70);
  EXPECT_EQ(big.At(175, 175), PixelOf(167));
  EXPECT_EQ(sharp.At(350, 350), PixelOf(167));
  EXPECT_NE(small.At(35, 35), kWhitePixel);
  EXPECT_EQ(small.At(5, 5), kWhitePixel);
  EXPECT_EQ(DrawOrganismPicture("x", 0).width, 1);
}

}  // namespace
}  // namespace vantrel
