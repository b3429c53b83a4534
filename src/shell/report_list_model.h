#pragma once

#include <QAbstractTableModel>
#include <QStringList>

#include "shell/core/report_list.h"

namespace cadenzo {

// Shows a ReportList to Qt's views. The list stays the one place the rows live:
// each change reaches the view as a change of just the rows it touched, and a
// cell is turned into Unicode only when the view asks to draw it.
class ReportListModel : public QAbstractTableModel, private ReportListObserver {
  Q_OBJECT

 public:
  ReportListModel(ReportList& list, QStringList headers, QObject* parent = nullptr);
  ~ReportListModel() override;

  ReportList& List() const { return list_; }
  // True while rows are being removed: selection moves the view makes on its
  // own then are not the user's.
  bool RemovingRows() const { return removingRows_; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 signals:
  // The list's selected row changed; -1 when none is selected.
  void listSelectionChanged(int row);

 private:
  void RowsAboutToBeInserted(int first, int last) override;
  void RowsInserted() override;
  void RowsAboutToBeRemoved(int first, int last) override;
  void RowsRemoved() override;
  void CellChanged(int row, int column) override;
  void SelectionChanged(int row) override;

  ReportList& list_;
  QStringList headers_;
  bool removingRows_ = false;
};

}  // namespace cadenzo
