#include "app/organism_view.h"

#include <QPainter>

#include "gallery/qt/organism_picture.h"
#include "lab/goal.h"
#include "organism/draw_organism.h"
#include "organism/qt/painter_canvas.h"

namespace vantrel {

OrganismView::OrganismView(QWidget* parent) : QWidget(parent) {
  setFixedSize(kSize, kSize);
  // Every pixel is painted, so nothing behind needs drawing first.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void OrganismView::ShowDna(const std::string& dna) {
  if (dna_ == dna) return;
  dna_ = dna;
  picture_ = QImage();
  // The organism in words, for a screen reader and as the drawing's tooltip.
  const QString words = QString::fromStdString(DescribeOrganism(WordsOfDna(dna)));
  setAccessibleDescription(words);
  setToolTip(words);
  update();
}

void OrganismView::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  if (!dna_) {
    PainterCanvas canvas(painter);
    canvas.FillRect(0, 0, width(), height(), kWhite);
    return;
  }
  // Drawn into an image, where wide strokes take the fast raster path.
  if (picture_.isNull() || picture_.devicePixelRatio() != devicePixelRatioF()) {
    picture_ = RenderOrganism(*dna_, kSize, devicePixelRatioF());
  }
  painter.drawImage(QPoint(0, 0), picture_);
  if (!painted_) {
    painted_ = true;
    emit firstPainted();
  }
}

}  // namespace vantrel
