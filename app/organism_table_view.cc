#include "app/organism_table_view.h"

#include <QHeaderView>
#include <array>

#include "app/organism_table_model.h"

namespace vantrel {

namespace {
constexpr std::array kColumnWidths = {64, 66, 54, 187, 52};
constexpr int kExtraColumnWidth = 64;
constexpr int kRowHeight = 24;
}  // namespace

OrganismTableView::OrganismTableView(StringGrid& grid, OrganismTableModel* model, QWidget* parent)
    : QTableView(parent), grid_(grid) {
  setModel(model);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setFrameShape(QFrame::NoFrame);
  setTabKeyNavigation(false);
  setWordWrap(false);
  setCornerButtonEnabled(false);
  verticalHeader()->hide();
  // Fixed, equal row heights keep a table of a million rows as quick as one of ten.
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(kRowHeight);
  verticalHeader()->setMinimumSectionSize(kRowHeight);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setSectionsClickable(false);
  horizontalHeader()->setFixedHeight(kRowHeight);
  horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

  connect(model, &QAbstractItemModel::modelReset, this, [this] {
    ApplyColumnWidths();
    ShowGridSelection();
  });
  connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current, const QModelIndex&) { OnCurrentRowChanged(current); });
  ApplyColumnWidths();
  ShowGridSelection();
}

void OrganismTableView::ApplyColumnWidths() {
  for (int col = 0; col < model()->columnCount(); ++col) {
    setColumnWidth(
        col, col < static_cast<int>(kColumnWidths.size()) ? kColumnWidths[col] : kExtraColumnWidth);
  }
}

void OrganismTableView::ShowGridSelection() {
  const int row = grid_.SelectedRow() - 1;
  if (row < 0 || row >= model()->rowCount()) return;
  syncing_ = true;
  const QModelIndex index =
      model()->index(row, currentIndex().isValid() ? currentIndex().column() : 0);
  selectionModel()->setCurrentIndex(
      index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  scrollTo(index);
  syncing_ = false;
}

void OrganismTableView::OnCurrentRowChanged(const QModelIndex& current) {
  if (syncing_ || !current.isValid()) return;
  grid_.SelectRow(current.row() + 1);
}

}  // namespace vantrel
