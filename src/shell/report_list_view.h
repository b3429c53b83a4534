#pragma once

#include <QList>
#include <QTableView>

#include "shell/report_list_model.h"

namespace cadenzo {

struct ReportColumn {
  QString caption;
  int width;
};

// A ReportList drawn as a report: header, grid, one selected row at most, no
// editing, no sorting. Its selection and the list's are kept the same.
class ReportListView : public QTableView {
  Q_OBJECT

 public:
  ReportListView(ReportList& list, const QList<ReportColumn>& columns, QWidget* parent);

 signals:
  // A right-click inside the rows area, after the row under the pointer was
  // selected or, beside the rows, the selection was cleared.
  void rightClicked(QPoint globalPos);

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;
  void rowsInserted(const QModelIndex& parent, int first, int last) override;

 private:
  void ApplyLook(const QList<ReportColumn>& columns);
  void ShowListSelection(int row);
  void TakeViewSelection();

  ReportListModel model_;
};

}  // namespace cadenzo
