#include "shell/report_list_view.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QTimer>

namespace cadenzo {
namespace {

constexpr int kFrameMilliseconds = 16;

QStringList Captions(const QList<ReportColumn>& columns) {
  QStringList captions;
  for (const ReportColumn& column : columns) captions.append(column.caption);
  return captions;
}

}  // namespace

ReportListView::ReportListView(ReportList& list, const QList<ReportColumn>& columns,
                               QWidget* parent)
    : QTableView(parent), model_(list, Captions(columns)) {
  setModel(&model_);
  ApplyLook(columns);
  connect(&model_, &ReportListModel::listSelectionChanged, this,
          &ReportListView::ShowListSelection);
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &ReportListView::TakeViewSelection);
}

void ReportListView::ApplyLook(const QList<ReportColumn>& columns) {
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSortingEnabled(false);
  setShowGrid(true);
  setWordWrap(false);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

  QPalette colours = palette();
  colours.setColor(QPalette::Base, QColor(192, 220, 192));
  colours.setColor(QPalette::Text, Qt::black);
  setPalette(colours);

  // Fixed row heights let the view place an appended row without measuring the
  // rows before it.
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 2);

  QHeaderView* header = horizontalHeader();
  header->setSectionsClickable(true);
  header->setHighlightSections(false);
  header->setStretchLastSection(false);
  header->setMinimumSectionSize(0);
  header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  for (int column = 0; column < columns.size(); ++column) {
    header->resizeSection(column, columns[column].width);
  }
}

void ReportListView::contextMenuEvent(QContextMenuEvent* event) {
  if (event->reason() != QContextMenuEvent::Mouse) return;
  model_.List().SelectRow(indexAt(event->pos()).row());
  emit rightClicked(event->globalPos());
}

// Drawing the list after every appended row costs far more than the append
// itself, so rows that arrive in a burst are drawn together, one frame later.
void ReportListView::rowsInserted(const QModelIndex& parent, int first, int last) {
  QTableView::rowsInserted(parent, first, last);
  if (!updatesEnabled()) return;
  setUpdatesEnabled(false);
  QTimer::singleShot(kFrameMilliseconds, this, [this] { setUpdatesEnabled(true); });
}

void ReportListView::ShowListSelection(int row) {
  if (row < 0) {
    clearSelection();
  } else {
    selectRow(row);
  }
}

void ReportListView::TakeViewSelection() {
  if (model_.RemovingRows()) return;
  const QModelIndexList rows = selectionModel()->selectedRows();
  model_.List().SelectRow(rows.isEmpty() ? -1 : rows.first().row());
}

}  // namespace cadenzo
