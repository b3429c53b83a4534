#include "shell/report_list_view.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

namespace cadenzo::testing {

class ReportListViewTest : public QObject {
  Q_OBJECT

 private slots:
  void modelAnswersQtsRulesThroughEveryRowOperation() {
    ReportList list(4);
    ReportListModel model(list, {QStringLiteral("索引"), QStringLiteral("歌名")});
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    for (int row = 0; row < 5; ++row) list.SetCell(list.AppendRow(), 1, "歌" + std::to_string(row));
    list.SetCell(9, 0, "x");
    list.DeleteRow(1);
    list.DeleteRow(-1);
    list.DeleteAllRows();
    list.SetCell(list.AppendRow(), 3, "/mp3/1.mp3");
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.index(0, 3).data().toString(), QStringLiteral("/mp3/1.mp3"));
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("歌名"));
    QVERIFY(!(model.flags(model.index(0, 0)) & Qt::ItemIsEditable));
  }

  // An appended row reaches the view as that one row, never as a new layout.
  void appendingTellsOfTheNewRowOnly() {
    ReportList list(3);
    ReportListModel model(list, {});
    for (int row = 0; row < 100; ++row) list.AppendRow();
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy relaid(&model, &QAbstractItemModel::layoutChanged);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    list.SetCell(list.AppendRow(), 1, "沈星遥");
    QCOMPARE(inserted.size(), 1);
    QCOMPARE(inserted[0][1].toInt(), 100);
    QCOMPARE(inserted[0][2].toInt(), 100);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed[0][0].toModelIndex(), model.index(100, 1));
    QCOMPARE(relaid.size() + reset.size(), 0);
  }

  void viewAndListShareOneSelection() {
    ReportList list(3);
    for (int row = 0; row < 4; ++row) list.SetCell(list.AppendRow(), 0, std::to_string(row));
    ReportListView view(list, {{QStringLiteral("ID"), 25}}, nullptr);
    const auto viewRow = [&view] {
      const QModelIndexList rows = view.selectionModel()->selectedRows();
      return rows.isEmpty() ? -1 : rows.front().row();
    };
    list.SelectRow(2);
    QCOMPARE(viewRow(), 2);
    view.selectRow(3);
    QCOMPARE(list.SelectedRow(), 3);
    list.DeleteRow(0);
    QCOMPARE(list.SelectedRow(), 2);
    QCOMPARE(viewRow(), 2);
    list.DeleteRow(2);
    QCOMPARE(list.SelectedRow(), -1);
    QCOMPARE(viewRow(), -1);
    view.selectRow(1);
    list.DeleteAllRows();
    QCOMPARE(list.SelectedRow(), -1);
    QCOMPARE(viewRow(), -1);
  }
};

}  // namespace cadenzo::testing

QTEST_MAIN(cadenzo::testing::ReportListViewTest)
#include "report_list_view_test.moc"
