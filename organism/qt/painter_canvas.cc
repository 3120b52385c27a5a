#include "organism/qt/painter_canvas.h"

#include <QImage>
#include <QLineF>
#include <QPaintEngine>
#include <cmath>

namespace vantrel {

namespace {

// The image the painter writes straight into, when a StrokeRaster may write there too.
QImage* DirectImage(QPainter& painter) {
  if (!painter.isActive() || painter.paintEngine()->type() != QPaintEngine::Raster) {
    return nullptr;
  }
  auto* image = dynamic_cast<QImage*>(painter.device());
  if (image == nullptr || !image->isDetached() || image->devicePixelRatio() != 1.0) {
    return nullptr;
  }
  if (image->format() != QImage::Format_RGB32 &&
      image->format() != QImage::Format_ARGB32_Premultiplied) {
    return nullptr;
  }
  if (painter.hasClipping() || painter.opacity() != 1.0 ||
      painter.compositionMode() != QPainter::CompositionMode_SourceOver) {
    return nullptr;
  }
  const QTransform& t = painter.worldTransform();
  if (t.type() > QTransform::TxScale || t.m11() <= 0 || t.m11() != t.m22()) return nullptr;
  return image;
}

}  // namespace

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
  if (QImage* image = DirectImage(painter_)) {
    raster_.emplace(*image);
    scale_ = painter_.worldTransform().m11();
    dx_ = painter_.worldTransform().dx();
    dy_ = painter_.worldTransform().dy();
  }
}

void PainterCanvas::SetPen(const Pen& pen) {
  pen_ = pen;
  // Round caps and joins, as a wide pen of the old platform drew.
  painter_.setPen(
      QPen(ToQColor(pen.colour), pen.width, ToQtPenStyle(pen.style), Qt::RoundCap, Qt::RoundJoin));
}

void PainterCanvas::Line(Point from, Point to) {
  const QPointF a(from.x + 0.5, from.y + 0.5);
  const QPointF b(to.x + 0.5, to.y + 0.5);
  // QPainter draws pens of a pixel or less with a quick stroker of its own; only wider
  // pens are slow there.
  if (!raster_ || pen_.width * scale_ <= 1.0) {
    painter_.drawLine(a, b);
    return;
  }
  // Dashes are laid out along the line before scaling, as QPainter lays them out.
  const QLineF line(a, b);
  const double length = line.length();
  const QRgb colour = ToQColor(pen_.colour).rgb();
  const double half_width = pen_.width * scale_ / 2;
  for (const auto& [start, end] : InkedStretches(pen_.style, pen_.width, length)) {
    const QPointF p = length > 0 ? line.pointAt(start / length) : a;
    const QPointF q = length > 0 ? line.pointAt(end / length) : b;
    raster_->Capsule(QPointF(p.x() * scale_ + dx_, p.y() * scale_ + dy_),
                     QPointF(q.x() * scale_ + dx_, q.y() * scale_ + dy_), half_width, colour);
  }
}

void PainterCanvas::FillRect(int left, int top, int width, int height, ColourNumber colour) {
  // QPainter fills as fast as anything: it needs no help here.
  painter_.fillRect(QRect(left, top, width, height), ToQColor(colour));
}

}  // namespace vantrel
