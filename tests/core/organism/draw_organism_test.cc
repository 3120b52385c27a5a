#include "organism/draw_organism.h"

#include <gtest/gtest.h>

#include <cmath>

#include "organism/figure.h"
#include "tests/support/fakes.h"

namespace vantrel {
namespace {

using testing::CanvasCall;
using testing::RecordingCanvas;

TEST(FigurePointsTest, TriangleOfTheWorkedExample) {
  const std::vector<Point> points = FigurePoints(3, 12, 0, {175, 175});
  const std::vector<Point> expected = {{175, 187}, {185, 169}, {165, 169}, {175, 187}};
  EXPECT_EQ(points, expected);
}

TEST(FigurePointsTest, RotationIsUsedUnreducedAndTheFigureCloses) {
  // 81 radians turns the figure exactly as far as 81 mod 2 pi does.
  const std::vector<Point> a = FigurePoints(5, 100, 81, {175, 175});
  const std::vector<Point> b = FigurePoints(5, 100, std::fmod(81.0, 2 * M_PI), {175, 175});
  EXPECT_EQ(a, b);
  ASSERT_EQ(a.size(), 6u);
  EXPECT_EQ(a.front(), a.back());
  EXPECT_NE(a.front(), (FigurePoints(5, 100, 0, {175, 175}).front()));
}

TEST(DrawOrganismTest, ClearsToWhiteThenDrawsEachEdgeWithTheSamePen) {
  RecordingCanvas canvas;
  DrawOrganism(canvas, "1234567890123", 350, 350);
  const auto& calls = canvas.calls();
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls[0].kind, CanvasCall::kFillRect);
  EXPECT_EQ(calls[0].width, 350);
  EXPECT_EQ(calls[0].height, 350);
  EXPECT_EQ(calls[0].colour, kWhite);
  const std::vector<std::pair<Point, Point>> expected = {
      {{175, 187}, {185, 169}}, {{185, 169}, {165, 169}}, {{165, 169}, {175, 187}}};
  EXPECT_EQ(canvas.Lines(), expected);
  const Pen pen{2020032, 3, PenStyle::kDashDot};
  int pens = 0;
  for (const CanvasCall& call : calls) {
    if (call.kind != CanvasCall::kSetPen) continue;
    EXPECT_EQ(call.pen, pen);
    ++pens;
  }
  EXPECT_EQ(pens, 3);
}

TEST(DrawOrganismTest, SpokesJoinEveryVertexToTheCentre) {
  RecordingCanvas canvas;
  // Square (d1 = 2), radius 2 * 3 * 3 = 18, no rotation, spokes (d13 = 0).
  DrawOrganism(canvas, "2090000000220", 350, 350);
  const auto lines = canvas.Lines();
  ASSERT_EQ(lines.size(), 8u);
  for (std::size_t i = 1; i < lines.size(); i += 2) {
    EXPECT_EQ(lines[i].first, lines[i - 1].second);
    EXPECT_EQ(lines[i].second, (Point{175, 175}));
  }
}

TEST(DrawOrganismTest, ALineIsDrawnTwiceThroughTheCentre) {
  RecordingCanvas canvas;
  DrawOrganism(canvas, "0000000000000", 350, 350);
  const auto lines = canvas.Lines();
  // Two edges, each followed by its spoke.
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0].first, (Point{175, 177}));
  EXPECT_EQ(lines[0].second, (Point{175, 173}));
  EXPECT_EQ(lines[2].second, lines[0].first);
}

}  // namespace
}  // namespace vantrel
