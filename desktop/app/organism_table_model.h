#ifndef VANTREL_DESKTOP_APP_ORGANISM_TABLE_MODEL_H_
#define VANTREL_DESKTOP_APP_ORGANISM_TABLE_MODEL_H_

#include <QAbstractTableModel>

#include "population/string_grid.h"

namespace vantrel {

// Shows a StringGrid to a QTableView: grid row 0 becomes the header, grid rows 1 and up the
// model's rows 0 and up. Cell bytes show as Latin-1. It only translates; the grid decides.
class OrganismTableModel final : public QAbstractTableModel, public GridObserver {
  Q_OBJECT

 public:
  explicit OrganismTableModel(StringGrid& grid, QObject* parent = nullptr);
  ~OrganismTableModel() override;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  void GridCellChanged(int col, int row) override;
  void GridReset() override;

 private:
  StringGrid& grid_;
  int rows_;
  int cols_;
};

}  // namespace vantrel

#endif  // VANTREL_DESKTOP_APP_ORGANISM_TABLE_MODEL_H_
