#pragma once

#include <vector>

#include "text/text.h"

namespace cadenzo {

// Told of every change of a ReportList, before and after, so that a view can
// follow the model without asking it for more than the changed rows.
class ReportListObserver {
 public:
  virtual ~ReportListObserver() = default;
  virtual void RowsAboutToBeInserted(int first, int last) = 0;
  virtual void RowsInserted() = 0;
  virtual void RowsAboutToBeRemoved(int first, int last) = 0;
  virtual void RowsRemoved() = 0;
  virtual void CellChanged(int row, int column) = 0;
  virtual void SelectionChanged(int row) = 0;
};

// The table behind each of the window's three lists: rows in the order they
// were added, 0-based rows and columns, at most one selected row. No operation
// fails; an argument out of range is answered as each one says.
class ReportList {
 public:
  explicit ReportList(int columnCount);

  // Adds a row of empty cells at the end; returns its index (the old row count).
  int AppendRow();
  // A row or column that does not exist: nothing changes.
  void SetCell(int row, int column, const Text& text);
  // "" for an empty cell and for a row or column that does not exist.
  const Text& GetCell(int row, int column) const;
  int RowCount() const { return static_cast<int>(rows_.size()); }
  // A row that does not exist: nothing changes.
  void DeleteRow(int row);
  void DeleteAllRows();
  // -1 when no row is selected.
  int SelectedRow() const { return selected_; }
  // Selects a row, or clears the selection for a row that does not exist.
  void SelectRow(int row);

  int ColumnCount() const { return columnCount_; }
  void SetObserver(ReportListObserver* observer) { observer_ = observer; }

 private:
  bool HasRow(int row) const { return row >= 0 && row < RowCount(); }

  int columnCount_;
  std::vector<std::vector<Text>> rows_;
  int selected_ = -1;
  ReportListObserver* observer_ = nullptr;
};

}  // namespace cadenzo
