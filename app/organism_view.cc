#include "app/organism_view.h"

#include <QPainter>

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
  update();
}

void OrganismView::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  PainterCanvas canvas(painter);
  if (dna_) {
    DrawOrganism(canvas, *dna_, width(), height());
  } else {
    canvas.FillRect(0, 0, width(), height(), kWhite);
  }
}

}  // namespace vantrel
