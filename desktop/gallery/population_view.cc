#include "desktop/gallery/population_view.h"

#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "desktop/gallery/chance_badge.h"
#include "desktop/gallery/invisible_hint.h"
#include "gallery/organism_texts.h"
#include "lab/learner_texts.h"
#include "population/population.h"

namespace vantrel {

namespace {

constexpr int kFrameWidth = 3;
constexpr int kZoomStep = 8;  // pixels per wheel notch

}  // namespace

PopulationView::PopulationView(const StringGrid& grid, std::function<void(int row)> select_row,
                               QWidget* parent)
    : QAbstractScrollArea(parent),
      grid_(grid),
      select_row_(std::move(select_row)),
      layout_(0, GalleryLayout::kDefaultPictureSize, 0, 0),
      hint_(new QLabel(QString::fromStdString(EmptyGalleryHint()), viewport())) {
  setObjectName(QStringLiteral("PopulationView"));
  setFrameShape(QFrame::NoFrame);
  setFocusPolicy(Qt::StrongFocus);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  viewport()->setBackgroundRole(QPalette::Window);
  viewport()->setAutoFillBackground(true);
  viewport()->setMouseTracking(false);
  hint_->setObjectName(QStringLiteral("lblEmptyHint"));
  hint_->setAlignment(Qt::AlignCenter);
  hint_->setForegroundRole(QPalette::PlaceholderText);
  auto* hint_layout = new QVBoxLayout(viewport());
  hint_layout->addWidget(hint_);
  Relayout();
}

int PopulationView::LabelHeight() const { return fontMetrics().height() + 2; }

void PopulationView::SetPictureSize(int size) {
  size = std::clamp(size, GalleryLayout::kMinPictureSize, GalleryLayout::kMaxPictureSize);
  if (size == picture_size()) return;
  Relayout(size);
  ShowSelection();
  emit pictureSizeChanged(size);
}

void PopulationView::Relayout() { Relayout(picture_size()); }

void PopulationView::Relayout(int picture_size) {
  layout_ = GalleryLayout(std::max(0, grid_.RowCount() - 1), picture_size, LabelHeight(),
                          viewport()->width());
  QScrollBar* bar = verticalScrollBar();
  bar->setRange(0, std::max(0, layout_.content_height() - viewport()->height()));
  bar->setPageStep(viewport()->height());
  bar->setSingleStep(std::max(1, layout_.cell_height() / 3));
  hint_->setVisible(layout_.count() == 0);
  framed_row_ = grid_.SelectedRow();
  viewport()->update();
}

void PopulationView::UpdateRow(int row) {
  if (row < 1 || row > layout_.count()) return;
  viewport()->update(ToViewport(layout_.Cell(row - 1)));
}

void PopulationView::ShowSelection() {
  UpdateRow(framed_row_);
  framed_row_ = grid_.SelectedRow();
  UpdateRow(framed_row_);
  if (framed_row_ >= 1) ScrollToIndex(framed_row_ - 1);
}

void PopulationView::ScrollToIndex(int index) {
  if (index < 0 || index >= layout_.count()) return;
  const GalleryLayout::Rect cell = layout_.Cell(index);
  QScrollBar* bar = verticalScrollBar();
  if (cell.top < bar->value()) {
    bar->setValue(cell.top);
  } else if (cell.top + cell.height > bar->value() + viewport()->height()) {
    bar->setValue(cell.top + cell.height - viewport()->height());
  }
}

QRect PopulationView::ToViewport(const GalleryLayout::Rect& rect) const {
  return QRect(rect.left, rect.top - verticalScrollBar()->value(), rect.width, rect.height);
}

int PopulationView::RowAt(const QPoint& point) const {
  // A cell is its picture with the padding around it and the label below.
  return layout_.IndexAt(point.x(), point.y() + verticalScrollBar()->value()) + 1;
}

QRect PopulationView::PictureRect(int row) const {
  if (row < 1 || row > layout_.count()) return {};
  return ToViewport(layout_.Picture(row - 1));
}

void PopulationView::SetChanceKept(std::function<std::optional<double>(int row)> chance) {
  chance_kept_ = std::move(chance);
  RepaintPictures();
}

QString PopulationView::ChanceText(int row) const {
  if (!chance_kept_) return {};
  const std::optional<double> chance = chance_kept_(row);
  return chance ? QString::fromStdString(ChanceKeptText(*chance)) : QString();
}

void PopulationView::RepaintPictures() { viewport()->update(); }

std::string PopulationView::TooltipText(int row) const {
  std::string text = OrganismTooltip(grid_, row);
  if (chance_kept_) {
    if (const std::optional<double> chance = chance_kept_(row))
      text += "\n" + ChanceKeptText(*chance);
  }
  if (extra_tooltip_line_) {
    const std::string extra = extra_tooltip_line_(grid_.Cell(kDnaColumn, row));
    if (!extra.empty()) text += "\n" + extra;
  }
  return text;
}

bool PopulationView::ShowsHint() const { return layout_.count() == 0; }

void PopulationView::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  const int top = verticalScrollBar()->value() + event->rect().top();
  const int bottom = verticalScrollBar()->value() + event->rect().bottom() + 1;
  const int end = layout_.EndIndexIn(bottom);
  const QFontMetrics metrics = fontMetrics();
  const QString survival_mark =
      metrics.inFontUcs4(0x2665) ? QStringLiteral("\u2665 ") : QStringLiteral("S ");
  // The region, not its bounding rect: after a shot the changed cell and the newly
  // selected one may lie far apart, and the rect between them would repaint every cell.
  const QRegion& region = event->region();
  for (int index = layout_.FirstIndexIn(top); index < end; ++index) {
    if (!region.intersects(ToViewport(layout_.Cell(index)))) continue;
    PaintPicture(painter, metrics, survival_mark, index, index + 1 == framed_row_);
  }
}

void PopulationView::PaintPicture(QPainter& painter, const QFontMetrics& metrics,
                                  const QString& survival_mark, int index, bool selected) {
  const int row = index + 1;
  const QRect picture = ToViewport(layout_.Picture(index));
  const QRect label_area = ToViewport(layout_.Label(index));
  const QImage& thumbnail =
      cache_.Get(grid_.Cell(kDnaColumn, row), picture_size(), viewport()->devicePixelRatioF());
  if (selected) {
    // A rounded frame in the highlight colour around picture and label.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::Highlight));
    const QRect frame =
        picture.united(label_area).adjusted(-kFrameWidth, -kFrameWidth, kFrameWidth, 0);
    painter.drawRoundedRect(frame, 4, 4);
    painter.restore();
  }
  painter.drawImage(picture.topLeft(), thumbnail);
  PaintInvisibleHint(painter, picture, grid_.Cell(kDnaColumn, row));
  if (chance_kept_) PaintChanceBadge(painter, picture, ChanceText(row));
  if (!selected) {
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(picture.adjusted(0, 0, -1, -1));
  }
  const QRect label = label_area.adjusted(3, 0, -3, 0);
  painter.setPen(palette().color(selected ? QPalette::HighlightedText : QPalette::WindowText));
  const QString id = QString::fromStdString(grid_.Cell(kIdColumn, row));
  const QString survival = survival_mark + QString::fromStdString(grid_.Cell(kSurvivalColumn, row));
  // Each half of the label shows what fits of its text: the ID's start, the survival's end.
  QRect half = label;
  half.setWidth(label.width() / 2);
  if (!captions_.DrawIfFits(painter, half, Qt::AlignLeft | Qt::AlignVCenter, id)) {
    painter.drawText(label, Qt::AlignLeft | Qt::AlignVCenter,
                     metrics.elidedText(id, Qt::ElideRight, label.width() / 2));
  }
  if (!selected) painter.setPen(palette().color(QPalette::PlaceholderText));
  half.moveRight(label.right());
  if (!captions_.DrawIfFits(painter, half, Qt::AlignRight | Qt::AlignVCenter, survival)) {
    painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter,
                     metrics.elidedText(survival, Qt::ElideLeft, label.width() / 2));
  }
}

void PopulationView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  Relayout();
}

void PopulationView::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  if (event->button() != Qt::LeftButton) return;
  if (const int row = RowAt(event->position().toPoint()); row > 0) select_row_(row);
}

void PopulationView::keyPressEvent(QKeyEvent* event) {
  int across = 0;
  int down = 0;
  switch (event->key()) {
    case Qt::Key_Left:
      across = -1;
      break;
    case Qt::Key_Right:
      across = 1;
      break;
    case Qt::Key_Up:
      down = -1;
      break;
    case Qt::Key_Down:
      down = 1;
      break;
    default:
      QAbstractScrollArea::keyPressEvent(event);
      return;
  }
  event->accept();
  const int selected = grid_.SelectedRow();
  if (selected < 1) return;
  const int target = layout_.Step(selected - 1, across, down);
  if (target >= 0) select_row_(target + 1);
}

void PopulationView::wheelEvent(QWheelEvent* event) {
  if (!(event->modifiers() & Qt::ControlModifier)) {
    QAbstractScrollArea::wheelEvent(event);
    return;
  }
  event->accept();
  const int notches = event->angleDelta().y() / 120;
  if (notches != 0) SetPictureSize(picture_size() + notches * kZoomStep);
}

void PopulationView::contextMenuEvent(QContextMenuEvent* event) {
  const int row = RowAt(event->pos());
  if (row > 0) emit contextMenuRequested(row, event->globalPos());
}

bool PopulationView::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const int row = RowAt(help->pos());
    if (row == 0) {
      QToolTip::hideText();
      event->ignore();
      return true;
    }
    QToolTip::showText(help->globalPos(), QString::fromStdString(TooltipText(row)), viewport(),
                       PictureRect(row));
    return true;
  }
  return QAbstractScrollArea::viewportEvent(event);
}

}  // namespace vantrel
