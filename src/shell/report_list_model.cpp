#include "shell/report_list_model.h"

#include "shell/gbk_qstring.h"

namespace cadenzo {

ReportListModel::ReportListModel(ReportList& list, QStringList headers, QObject* parent)
    : QAbstractTableModel(parent), list_(list), headers_(std::move(headers)) {
  list_.SetObserver(this);
}

ReportListModel::~ReportListModel() {
  list_.SetObserver(nullptr);
}

int ReportListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : list_.RowCount();
}

int ReportListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : list_.ColumnCount();
}

QVariant ReportListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid)) return {};
  return GbkToQString(list_.GetCell(index.row(), index.column()));
}

QVariant ReportListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
  return headers_.value(section);
}

Qt::ItemFlags ReportListModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

void ReportListModel::RowsAboutToBeInserted(int first, int last) {
  beginInsertRows(QModelIndex(), first, last);
}

void ReportListModel::RowsInserted() {
  endInsertRows();
}

void ReportListModel::RowsAboutToBeRemoved(int first, int last) {
  removingRows_ = true;
  beginRemoveRows(QModelIndex(), first, last);
}

void ReportListModel::RowsRemoved() {
  endRemoveRows();
  removingRows_ = false;
}

void ReportListModel::CellChanged(int row, int column) {
  const QModelIndex cell = index(row, column);
  emit dataChanged(cell, cell, {Qt::DisplayRole});
}

void ReportListModel::SelectionChanged(int row) {
  emit listSelectionChanged(row);
}

}  // namespace cadenzo
