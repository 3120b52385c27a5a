#ifndef VANTREL_ORGANISM_CANVAS_H_
#define VANTREL_ORGANISM_CANVAS_H_

#include "organism/dna.h"

namespace vantrel {

struct Point {
  int x;
  int y;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Pen {
  ColourNumber colour;
  int width;
  PenStyle style;
  friend bool operator==(const Pen&, const Pen&) = default;
};

// The few drawing operations an organism needs. The screen implements it with QPainter;
// tests record the calls.
class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual void SetPen(const Pen& pen) = 0;
  // A straight stroke from `from` to `to` with the current pen.
  virtual void Line(Point from, Point to) = 0;
  virtual void FillRect(int left, int top, int width, int height, ColourNumber colour) = 0;
};

}  // namespace vantrel

#endif  // VANTREL_ORGANISM_CANVAS_H_
