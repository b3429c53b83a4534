#include "shell/core/report_list.h"

namespace cadenzo {
namespace {
const Text kNoText;
}

ReportList::ReportList(int columnCount) : columnCount_(columnCount) {}

int ReportList::AppendRow() {
  const int row = RowCount();
  if (observer_) observer_->RowsAboutToBeInserted(row, row);
  rows_.emplace_back(static_cast<std::size_t>(columnCount_));
  if (observer_) observer_->RowsInserted();
  return row;
}

void ReportList::SetCell(int row, int column, const Text& text) {
  if (!HasRow(row) || column < 0 || column >= columnCount_) return;
  rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = text;
  if (observer_) observer_->CellChanged(row, column);
}

const Text& ReportList::GetCell(int row, int column) const {
  if (!HasRow(row) || column < 0 || column >= columnCount_) return kNoText;
  return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

void ReportList::DeleteRow(int row) {
  if (!HasRow(row)) return;
  if (observer_) observer_->RowsAboutToBeRemoved(row, row);
  rows_.erase(rows_.begin() + row);
  if (observer_) observer_->RowsRemoved();
  if (selected_ == row) {
    SelectRow(-1);
  } else if (selected_ > row) {
    --selected_;  // the selection follows its row up
  }
}

void ReportList::DeleteAllRows() {
  if (rows_.empty()) return;
  if (observer_) observer_->RowsAboutToBeRemoved(0, RowCount() - 1);
  rows_.clear();
  if (observer_) observer_->RowsRemoved();
  SelectRow(-1);
}

void ReportList::SelectRow(int row) {
  const int selected = HasRow(row) ? row : -1;
  if (selected == selected_) return;
  selected_ = selected;
  if (observer_) observer_->SelectionChanged(selected_);
}

}  // namespace cadenzo
