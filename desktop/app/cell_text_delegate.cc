#include "desktop/app/cell_text_delegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

namespace vantrel {

CellTextDelegate::CellTextDelegate(Selection selection, QObject* parent)
    : QStyledItemDelegate(parent), selection_(selection) {}

void CellTextDelegate::initStyleOption(QStyleOptionViewItem* option,
                                       const QModelIndex& index) const {
  QStyledItemDelegate::initStyleOption(option, index);
  if (selection_ == Selection::kIgnored) {
    option->state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
  }
}

void CellTextDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
  QStyleOptionViewItem cell = option;
  initStyleOption(&cell, index);
  const QWidget* widget = cell.widget;
  const QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
  // The style's own text margin and alignment, as it would place the text.
  const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
  const QRect text_rect = cell.rect.adjusted(margin, 0, -margin, 0);
  const QTextLayout& layout = texts_.Line(cell.text, cell.font);
  const bool plain = (cell.state & QStyle::State_HasFocus) == 0 &&
                     (cell.features & ~QStyleOptionViewItem::HasDisplay) == 0 &&
                     cell.displayAlignment == (Qt::AlignLeft | Qt::AlignVCenter) &&
                     cell.direction == Qt::LeftToRight &&
                     layout.lineAt(0).naturalTextWidth() <= text_rect.width();
  if (!plain) {
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);
    return;
  }
  painter->save();
  style->drawPrimitive(QStyle::PE_PanelItemViewItem, &cell, painter, widget);
  const QPalette::ColorGroup group = (cell.state & QStyle::State_Enabled) == 0 ? QPalette::Disabled
                                     : (cell.state & QStyle::State_Active) != 0
                                         ? QPalette::Normal
                                         : QPalette::Inactive;
  const bool selected = (cell.state & QStyle::State_Selected) != 0;
  painter->setPen(cell.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
  const QSizeF text_size(layout.lineAt(0).naturalTextWidth(), layout.boundingRect().height());
  // Placed as the style places a laid-out line: its bounding size aligned in the text rect.
  const QRect placed =
      QStyle::alignedRect(cell.direction, cell.displayAlignment, text_size.toSize(), text_rect);
  layout.draw(painter, placed.topLeft());
  painter->restore();
}

}  // namespace vantrel
