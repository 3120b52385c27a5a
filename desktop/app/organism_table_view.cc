#include "desktop/app/organism_table_view.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <array>

#include "desktop/app/cell_text_delegate.h"
#include "desktop/app/organism_table_model.h"
#include "desktop/ui/focus_mark.h"
#include "language/catalogue.h"

namespace vantrel {

namespace {
constexpr std::array kColumnWidths = {64, 66, 54, 187, 52};
constexpr int kExtraColumnWidth = 64;
constexpr int kRowHeight = 24;
// The title's indent and a little room after it.
constexpr int kTitlePadding = 8;

// The title row drawn like the fixed ID column: plain white cells, no raised header.
constexpr char kTitleRowStyle[] = R"(
QHeaderView, QHeaderView::section {
  background: white;
  border: none;
}
QHeaderView::section {
  padding-left: 2px;
}
)";

}  // namespace

OrganismTableView::OrganismTableView(Engine& engine, OrganismTableModel* model, QWidget* parent)
    : QTableView(parent),
      engine_(engine),
      column_widths_(kColumnWidths.begin(), kColumnWidths.end()) {
  setModel(model);
  // What a screen reader calls the table.
  setAccessibleName(tr("Organisms"));
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setFrameShape(QFrame::NoFrame);
  setShowGrid(false);  // grid lines of width 0
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
  horizontalHeader()->setStyleSheet(QString::fromLatin1(kTitleRowStyle));
  setItemDelegate(new CellTextDelegate(CellTextDelegate::Selection::kShown, this));
  setItemDelegateForColumn(0, new CellTextDelegate(CellTextDelegate::Selection::kIgnored, this));
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

  // A reset rebuilds the header at default widths: remember those in use before it.
  connect(model, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
    for (std::size_t col = 0; col < column_widths_.size(); ++col) {
      column_widths_[col] = columnWidth(static_cast<int>(col));
    }
  });
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
  // Columns that fall away lose their width, so one that comes back is new.
  column_widths_.resize(static_cast<std::size_t>(model()->columnCount()), kExtraColumnWidth);
  // English titles fit the form's widths; another language's may run longer ("Überleben"),
  // and then the column grows to show its title whole.
  const bool fit_titles = CurrentLanguage() != Language::kEnglish;
  int total = 0;
  for (std::size_t col = 0; col < column_widths_.size(); ++col) {
    const int column = static_cast<int>(col);
    int width = column_widths_[col];
    if (fit_titles) {
      const QString title = model()->headerData(column, Qt::Horizontal).toString();
      width = std::max(width,
                       horizontalHeader()->fontMetrics().horizontalAdvance(title) + kTitlePadding);
    }
    setColumnWidth(column, width);
    total += width;
  }
  // Wider titles widen the table rather than push its last column out of sight, with room
  // kept for the vertical scroll bar that a longer table shows.
  if (fit_titles) {
    const int needed = total + verticalScrollBar()->sizeHint().width() + 2 * frameWidth();
    if (minimumWidth() < needed) setMinimumWidth(needed);
  }
}

void OrganismTableView::ShowGridSelection() {
  const int row = engine_.grid().SelectedRow() - 1;
  if (row < 0 || row >= model()->rowCount()) return;
  syncing_ = true;
  const QModelIndex index =
      model()->index(row, currentIndex().isValid() ? currentIndex().column() : 0);
  selectionModel()->setCurrentIndex(
      index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  scrollTo(index);
  syncing_ = false;
}

void OrganismTableView::paintEvent(QPaintEvent* event) {
  QTableView::paintEvent(event);
  QPainter painter(viewport());
  PaintFocusMark(painter, *this, viewport()->rect());
}

void OrganismTableView::focusInEvent(QFocusEvent* event) {
  QTableView::focusInEvent(event);
  viewport()->update();
}

void OrganismTableView::focusOutEvent(QFocusEvent* event) {
  QTableView::focusOutEvent(event);
  viewport()->update();
}

void OrganismTableView::scrollContentsBy(int dx, int dy) {
  QTableView::scrollContentsBy(dx, dy);
  if (hasFocus()) viewport()->update();
}

QItemSelectionModel::SelectionFlags OrganismTableView::selectionCommand(const QModelIndex& index,
                                                                        const QEvent* event) const {
  const QItemSelectionModel::SelectionFlags flags = QTableView::selectionCommand(index, event);
  if (!index.isValid() || flags == QItemSelectionModel::NoUpdate) return flags;
  return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
}

void OrganismTableView::OnCurrentRowChanged(const QModelIndex& current) {
  if (syncing_ || !current.isValid()) return;
  engine_.SelectRow(current.row() + 1);
}

}  // namespace vantrel
