#ifndef VANTREL_DESKTOP_APP_ORGANISM_TABLE_VIEW_H_
#define VANTREL_DESKTOP_APP_ORGANISM_TABLE_VIEW_H_

#include <QTableView>
#include <vector>

#include "engine/engine.h"

namespace vantrel {

class OrganismTableModel;

// The organism table on screen: whole-row selection that shows the grid's selected row and
// selects through the engine, read-only cells, resizable columns, 24-pixel rows. With the
// keyboard focus it shows a frame in the highlight colour.
class OrganismTableView final : public QTableView {
  Q_OBJECT

 public:
  OrganismTableView(Engine& engine, OrganismTableModel* model, QWidget* parent = nullptr);

  // Gives every column its width: 64, 66, 54, 187 and 52 at first, then what the user
  // dragged it to. A column the table gains is 64 wide.
  void ApplyColumnWidths();
  // Moves the view's current row to the grid's selected row without selecting it again.
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

  Engine& engine_;
  // One width per column, kept across model resets, which forget them.
  std::vector<int> column_widths_;
  bool syncing_ = false;
};

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_APP_ORGANISM_TABLE_VIEW_H_
