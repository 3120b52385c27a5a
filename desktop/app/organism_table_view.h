#ifndef VANTREL_DESKTOP_APP_ORGANISM_TABLE_VIEW_H_
#define VANTREL_DESKTOP_APP_ORGANISM_TABLE_VIEW_H_

#include <QTableView>
#include <vector>

#include "population/string_grid.h"

namespace vantrel {

class OrganismTableModel;

// The organism table on screen: whole-row selection that follows the grid's selected row
// both ways, read-only cells, resizable columns, 24-pixel rows. With the keyboard focus it
// shows a frame in the highlight colour.
class OrganismTableView final : public QTableView {
  Q_OBJECT

 public:
  OrganismTableView(StringGrid& grid, OrganismTableModel* model, QWidget* parent = nullptr);

  // Gives every column its width: 64, 66, 54, 187 and 52 at first, then what the user
  // dragged it to. A column the table gains is 64 wide.
  void ApplyColumnWidths();
  // Moves the view's current row to the grid's selected row without notifying the grid.
  void ShowGridSelection();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  // Scrolling moves the pixels painted, the focus frame with them: it is painted anew.
  void scrollContentsBy(int dx, int dy) override;
  // A click, Ctrl+click included, always selects the row under the mouse: the table is
  // never left without a selected row.
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override;

 private:
  void OnCurrentRowChanged(const QModelIndex& current);

  StringGrid& grid_;
  // One width per column, kept across model resets, which forget them.
  std::vector<int> column_widths_;
  bool syncing_ = false;
};

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_APP_ORGANISM_TABLE_VIEW_H_
