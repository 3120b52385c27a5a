#include "desktop/organism/painter_canvas.h"

namespace vantrel {

QColor ToQColor(ColourNumber colour) {
  return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

Qt::PenStyle ToQtPenStyle(PenStyle style) {
  switch (style) {
    case PenStyle::kInvisible:
      return Qt::NoPen;
    case PenStyle::kDash:
      return Qt::DashLine;
    case PenStyle::kDashDot:
      return Qt::DashDotLine;
    case PenStyle::kDashDotDot:
      return Qt::DashDotDotLine;
    case PenStyle::kDot:
      return Qt::DotLine;
    case PenStyle::kSolid:
      break;
  }
  return Qt::SolidLine;
}

PainterCanvas::PainterCanvas(QPainter& painter) : painter_(painter) {
  painter_.setRenderHint(QPainter::Antialiasing, true);
}

void PainterCanvas::SetPen(const Pen& pen) {
  // Round caps and joins, as a wide pen of the old platform drew.
  painter_.setPen(
      QPen(ToQColor(pen.colour), pen.width, ToQtPenStyle(pen.style), Qt::RoundCap, Qt::RoundJoin));
}

void PainterCanvas::Line(Point from, Point to) {
  painter_.drawLine(QPointF(from.x + 0.5, from.y + 0.5), QPointF(to.x + 0.5, to.y + 0.5));
}

void PainterCanvas::FillRect(int left, int top, int width, int height, ColourNumber colour) {
  painter_.fillRect(QRect(left, top, width, height), ToQColor(colour));
}

}  // namespace vantrel
