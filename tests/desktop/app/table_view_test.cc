#include <gtest/gtest.h>

#include <QHeaderView>
#include <QStyledItemDelegate>
#include <QTest>

#include "desktop/app/organism_table_view.h"
#include "tests/support/main_window_test.h"

namespace vantrel {
namespace {

class TableViewTest : public testing::MainWindowTest {
 protected:
  TableViewTest() {
    Form().onAdvancedClicked();
    Form().show();
    table_ = Child<OrganismTableView>("sgrOrganisms");
  }

  QPoint CellCentre(int row, int col) {
    return table_->visualRect(table_->model()->index(row - 1, col)).center();
  }
  QColor PixelAt(QWidget* widget, QPoint point) {
    return widget->grab().toImage().pixelColor(point);
  }

  OrganismTableView* table_ = nullptr;
};

TEST_F(TableViewTest, AnIdCellSelectsItsRowWithoutTakingTheHighlight) {
  QTest::mouseClick(table_->viewport(), Qt::LeftButton, {}, CellCentre(3, 0));
  EXPECT_EQ(Form().grid().SelectedRow(), 3);
  // Left of the text: the ID cell stays white while the DNA cell of its row is lit.
  const QPoint id_cell = CellCentre(3, 0) - QPoint(table_->columnWidth(0) / 2 - 2, 0);
  const QPoint dna_cell = CellCentre(3, kDnaColumn) - QPoint(table_->columnWidth(3) / 2 - 2, 0);
  EXPECT_EQ(PixelAt(table_->viewport(), id_cell), QColor(Qt::white));
  EXPECT_EQ(PixelAt(table_->viewport(), dna_cell), table_->palette().color(QPalette::Highlight));
}

TEST_F(TableViewTest, CtrlClickOnTheSelectedRowKeepsItSelected) {
  QTest::mouseClick(table_->viewport(), Qt::LeftButton, {}, CellCentre(2, kDnaColumn));
  QTest::mouseClick(table_->viewport(), Qt::LeftButton, Qt::ControlModifier,
                    CellCentre(2, kDnaColumn));
  EXPECT_EQ(Form().grid().SelectedRow(), 2);
  EXPECT_EQ(table_->selectionModel()->selectedRows().size(), 1);
}

TEST_F(TableViewTest, TheTitleRowIsWhiteLikeTheFixedColumn) {
  QHeaderView* header = table_->horizontalHeader();
  EXPECT_EQ(PixelAt(header, QPoint(header->sectionSize(0) - 3, header->height() / 2)),
            QColor(Qt::white));
}

// The style's own painting of a cell, with the ID column's selection left out.
class StyleCellDelegate final : public QStyledItemDelegate {
 public:
  StyleCellDelegate(bool ignore_selection, QObject* parent)
      : QStyledItemDelegate(parent), ignore_selection_(ignore_selection) {}

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    if (ignore_selection_) option->state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
  }

 private:
  bool ignore_selection_;
};

TEST_F(TableViewTest, CachedCellTextLooksExactlyAsTheStyleDrawsIt) {
  // A selected row, the focused cell, plain rows, and a DNA column too narrow for its text,
  // in an active window and after focus has gone.
  QTest::mouseClick(table_->viewport(), Qt::LeftButton, {}, CellCentre(2, kDnaColumn));
  table_->setColumnWidth(kSurvivalColumn, 12);
  for (const bool focused : {true, false}) {
    if (!focused) table_->clearFocus();
    const QImage cached = table_->viewport()->grab().toImage();
    QAbstractItemDelegate* shown = table_->itemDelegate();
    QAbstractItemDelegate* id_column = table_->itemDelegateForColumn(0);
    StyleCellDelegate style_cells(false, nullptr);
    StyleCellDelegate style_ids(true, nullptr);
    table_->setItemDelegate(&style_cells);
    table_->setItemDelegateForColumn(0, &style_ids);
    const QImage styled = table_->viewport()->grab().toImage();
    table_->setItemDelegate(shown);
    table_->setItemDelegateForColumn(0, id_column);
    EXPECT_EQ(cached, styled) << (focused ? "focused" : "unfocused");
  }
}

}  // namespace
}  // namespace vantrel
