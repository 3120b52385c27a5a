#ifndef VANTREL_ORGANISM_QT_PAINTER_CANVAS_H_
#define VANTREL_ORGANISM_QT_PAINTER_CANVAS_H_

#include <QPainter>
#include <optional>

#include "organism/canvas.h"
#include "organism/qt/stroke_raster.h"

namespace vantrel {

QColor ToQColor(ColourNumber colour);
Qt::PenStyle ToQtPenStyle(PenStyle style);

// Draws on a QPainter. Whole-pixel points are mapped to pixel centres, so a one-pixel
// horizontal line fills exactly one row of pixels even with antialiasing on.
//
// Wide antialiased round-capped strokes are slow in QPainter. When the painter paints
// straight onto a 32-bit QImage, without clipping, rotation or a device pixel ratio,
// strokes wider than a pixel are written into the image's pixels by a StrokeRaster
// instead, with the same geometry and dash pattern; any other device (a widget, an SVG
// generator) gets QPainter's own strokes. The painter's transform and clipping as they
// are when the canvas is made hold for the canvas's life.
class PainterCanvas final : public Canvas {
 public:
  explicit PainterCanvas(QPainter& painter);

  void SetPen(const Pen& pen) override;
  void Line(Point from, Point to) override;
  void FillRect(int left, int top, int width, int height, ColourNumber colour) override;

  // True when strokes go straight into the image's pixels.
  bool direct() const { return raster_.has_value(); }

 private:
  QPainter& painter_;
  Pen pen_{};
  // Set while painting directly: the image, and the painter's scale and offset.
  std::optional<StrokeRaster> raster_;
  double scale_ = 1;
  double dx_ = 0;
  double dy_ = 0;
};

}  // namespace vantrel

#endif  // VANTREL_ORGANISM_QT_PAINTER_CANVAS_H_
