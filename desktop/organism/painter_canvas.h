#ifndef VANTREL_DESKTOP_ORGANISM_PAINTER_CANVAS_H_
#define VANTREL_DESKTOP_ORGANISM_PAINTER_CANVAS_H_

#include <QPainter>

#include "organism/canvas.h"

namespace vantrel {

QColor ToQColor(ColourNumber colour);
Qt::PenStyle ToQtPenStyle(PenStyle style);

// Draws on a QPainter, for vector output such as SVG; pixels come from the Raster.
// Whole-pixel points are mapped to pixel centres, so a one-pixel horizontal line fills
// exactly one row of pixels even with antialiasing on.
class PainterCanvas final : public Canvas {
 public:
  explicit PainterCanvas(QPainter& painter);

  void SetPen(const Pen& pen) override;
  void Line(Point from, Point to) override;
  void FillRect(int left, int top, int width, int height, ColourNumber colour) override;

 private:
  QPainter& painter_;
};

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_ORGANISM_PAINTER_CANVAS_H_
