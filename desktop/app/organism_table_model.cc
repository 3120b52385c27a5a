#include "desktop/app/organism_table_model.h"

#include <QBrush>
#include <QColor>
#include <optional>
#include <string>

#include "gallery/organism_texts.h"

namespace vantrel {

OrganismTableModel::OrganismTableModel(StringGrid& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid), rows_(grid.RowCount() - 1), cols_(grid.ColCount()) {
  grid_.AddObserver(this);
}

OrganismTableModel::~OrganismTableModel() { grid_.RemoveObserver(this); }

int OrganismTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

int OrganismTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : cols_;
}

QVariant OrganismTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  if (role == Qt::DisplayRole) {
    const std::string& text = grid_.Cell(index.column(), index.row() + 1);
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
  }
  // The ID column is fixed, drawn like the title row.
  if (role == Qt::BackgroundRole && index.column() == 0) return QBrush(Qt::white);
  return {};
}

QVariant OrganismTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  const std::string& text = grid_.Cell(section, 0);
  // The program's own titles in the current language; a file's other titles as its bytes.
  if (const std::optional<std::string> shown = TranslatedColumnTitle(text)) {
    return QString::fromStdString(*shown);
  }
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

void OrganismTableModel::GridCellChanged(int col, int row) {
  if (col >= cols_) return;
  if (row == 0) {
    emit headerDataChanged(Qt::Horizontal, col, col);
  } else if (row <= rows_) {
    const QModelIndex cell = index(row - 1, col);
    emit dataChanged(cell, cell, {Qt::DisplayRole});
  }
}

void OrganismTableModel::GridReset() {
  // The grid has already changed; the view must forget everything it knew.
  beginResetModel();
  rows_ = grid_.RowCount() - 1;
  cols_ = grid_.ColCount();
  endResetModel();
}

}  // namespace vantrel
