#include "desktop/app/organism_view.h"

#include <QPainter>

#include "desktop/gallery/chance_badge.h"
#include "desktop/gallery/invisible_hint.h"
#include "desktop/organism/organism_image.h"
#include "lab/goal.h"
#include "lab/learner_texts.h"

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
  Describe();
  update();
}

void OrganismView::ShowChance(std::optional<double> chance) {
  if (chance_ == chance) return;
  chance_ = chance;
  if (dna_) Describe();
  update();
}

QString OrganismView::chance_text() const {
  return chance_ ? QString::fromStdString(ChanceKeptText(*chance_)) : QString();
}

// The organism in words, for a screen reader and as the drawing's tooltip, with the
// chance on a line of its own.
void OrganismView::Describe() {
  QString words = QString::fromStdString(DescribeOrganism(WordsOfDna(*dna_)));
  if (chance_) words += QLatin1Char('\n') + chance_text();
  setAccessibleDescription(words);
  setToolTip(words);
}

void OrganismView::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  if (!dna_) {
    painter.fillRect(rect(), Qt::white);
    return;
  }
  // Drawn into pixels by the raster once per DNA and pixel ratio, then only put on screen.
  if (picture_.isNull() || picture_.devicePixelRatio() != devicePixelRatioF()) {
    picture_ = RenderOrganism(*dna_, kSize, devicePixelRatioF());
  }
  painter.drawImage(QPoint(0, 0), picture_);
  PaintInvisibleHint(painter, QRect(0, 0, kSize, kSize), *dna_);
  if (chance_) PaintChanceBadge(painter, rect(), chance_text());
  if (!painted_) {
    painted_ = true;
    emit firstPainted();
  }
}

}  // namespace vantrel
