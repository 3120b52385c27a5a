#ifndef VANTREL_DESKTOP_APP_CELL_TEXT_DELEGATE_H_
#define VANTREL_DESKTOP_APP_CELL_TEXT_DELEGATE_H_

#include <QStyledItemDelegate>

#include "desktop/ui/text_layout_cache.h"

namespace vantrel {

// Paints a table cell's one line of text from a cache of laid-out texts. A shot scrolls the
// table to a random row, so every visible cell is painted again; shaping each cell's text
// anew was most of that paint. The result matches the style's own cell; cells it cannot
// match (the focused one, text that needs eliding) go through the style.
class CellTextDelegate final : public QStyledItemDelegate {
 public:
  // A delegate that ignores selection paints the fixed ID column: like the title row, it
  // belongs to its row but is never selected itself.
  enum class Selection { kShown, kIgnored };

  explicit CellTextDelegate(Selection selection, QObject* parent = nullptr);

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override;

 private:
  Selection selection_;
  mutable TextLayoutCache texts_;
};

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_APP_CELL_TEXT_DELEGATE_H_
