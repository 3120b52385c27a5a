#include "tests/support/fakes.h"

#include <gtest/gtest.h>

namespace vantrel::testing {

int ScriptedRandom::Draw(int n) {
  requests_.push_back(n);
  if (next_ >= values_.size()) {
    ADD_FAILURE() << "ScriptedRandom ran out of values (asked for a draw below " << n << ")";
    return 0;
  }
  const int value = values_[next_++];
  EXPECT_TRUE(value >= 0 && value < n) << "scripted " << value << " is not below " << n;
  return value;
}

void RecordingCanvas::SetPen(const Pen& pen) {
  CanvasCall call{CanvasCall::kSetPen};
  call.pen = pen;
  calls_.push_back(call);
}

void RecordingCanvas::Line(Point from, Point to) {
  CanvasCall call{CanvasCall::kLine};
  call.from = from;
  call.to = to;
  calls_.push_back(call);
}

void RecordingCanvas::FillRect(int left, int top, int width, int height, ColourNumber colour) {
  CanvasCall call{CanvasCall::kFillRect};
  call.left = left;
  call.top = top;
  call.width = width;
  call.height = height;
  call.colour = colour;
  calls_.push_back(call);
}

std::vector<std::pair<Point, Point>> RecordingCanvas::Lines() const {
  std::vector<std::pair<Point, Point>> lines;
  for (const CanvasCall& call : calls_) {
    if (call.kind == CanvasCall::kLine) lines.emplace_back(call.from, call.to);
  }
  return lines;
}

}  // namespace vantrel::testing
