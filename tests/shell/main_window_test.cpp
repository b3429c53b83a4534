#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTableView>
#include <QTest>

// moc cannot read the Chinese names of the controls, and needs none of these.
#ifndef Q_MOC_RUN
#include "scrape/singer_lookup.h"
#include "shell/gbk_qstring.h"
#include "window_fixture.h"
#endif

namespace cadenzo::testing {
namespace {

const Bytes kIndex = "1001----沈星遥\r\n1002----林听澜\r\n1003----沈一帆\r\n----沈岚\r\n";

QColor TextColour(QWidget* widget) {
  return widget->palette().color(QPalette::Text);
}

QStringList HeaderCaptions(QTableView* list) {
  QStringList captions;
  for (int column = 0; column < list->model()->columnCount(); ++column) {
    captions.append(list->model()->headerData(column, Qt::Horizontal).toString());
  }
  return captions;
}

QList<int> ColumnWidths(QTableView* list) {
  QList<int> widths;
  for (int column = 0; column < list->model()->columnCount(); ++column) {
    widths.append(list->columnWidth(column));
  }
  return widths;
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void startsWithPlaceholderNoFocusAndExportsDisabled() {
    WindowFixture f;
    auto* box = f.Find<QLineEdit>(u"编辑框1");
    QCOMPARE(box->text(), QStringLiteral("输入歌手名字"));
    QCOMPARE(TextColour(box), QColor(128, 128, 128));
    QCOMPARE(QApplication::focusWidget(), &f.Window());
    QVERIFY(!f.Find<QPushButton>(u"按钮所有歌曲")->isEnabled());
    QVERIFY(!f.Find<QPushButton>(u"按钮专辑歌曲")->isEnabled());
    QVERIFY(f.State().singerId.empty() && f.State().pageCount.empty());
    QVERIFY(f.State().addressText.empty() && !f.State().dedupeDone);
    QVERIFY(f.Window().windowTitle().startsWith(QStringLiteral("Cadenzo音乐地址获取器")));
  }

  void hasTheTrayIconWithItsTip() {
    WindowFixture f;
    const QSystemTrayIcon* tray = TrayOf(f.Window());
    QVERIFY(tray->isVisible());
    QCOMPARE(tray->toolTip(), QStringLiteral("Cadenzo音乐网下载地址批量获取器"));
    for (const int size : {16, 32, 48}) {
      const QPixmap picture = tray->icon().pixmap(size);
      QCOMPARE(picture.size(), QSize(size, size));
      QVERIFY(picture.save(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/tray_icon_%1.png").arg(size)));
    }
  }

  void isFixedWithMinimiseAndCloseOnly() {
    WindowFixture f;
    QCOMPARE(f.Window().size(), QSize(450, 343));
    QCOMPARE(f.Window().minimumSize(), f.Window().maximumSize());
    const Qt::WindowFlags flags = f.Window().windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
  }

  void placesEachControl_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("geometry");
    const auto row = [](const char16_t* name, const char16_t* parent, QRect geometry) {
      QTest::newRow(QString::fromUtf16(name).toUtf8().constData())
          << QString::fromUtf16(name) << QString::fromUtf16(parent) << geometry;
    };
    row(u"分组框1", u"MainWindow", {2, 0, 144, 337});
    row(u"编辑框1", u"分组框1", {6, 17, 80, 20});
    row(u"搜索", u"分组框1", {89, 17, 50, 20});
    row(u"超级列表框1", u"分组框1", {6, 40, 133, 292});
    row(u"分组框2", u"MainWindow", {148, 0, 300, 337});
    row(u"超级列表框2", u"分组框2", {5, 14, 290, 146});
    row(u"按钮所有歌曲", u"分组框2", {5, 163, 80, 20});
    row(u"编辑框2", u"分组框2", {91, 163, 119, 20});
    row(u"按钮专辑歌曲", u"分组框2", {215, 163, 80, 20});
    row(u"超级列表框3", u"分组框2", {5, 186, 290, 146});
  }
  void placesEachControl() {
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(QRect, geometry);
    WindowFixture f;
    auto* control = f.Window().findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    QCOMPARE(control->parentWidget()->objectName(), parent);
    QCOMPARE(control->geometry(), geometry);
  }

  void captionsControls() {
    WindowFixture f;
    QCOMPARE(f.Find<QGroupBox>(u"分组框1")->title(), QStringLiteral("搜索区"));
    QCOMPARE(f.Find<QGroupBox>(u"分组框2")->title(), QStringLiteral("地址区"));
    QCOMPARE(f.Find<QPushButton>(u"搜索")->text(), QStringLiteral("搜索"));
    QCOMPARE(f.Find<QPushButton>(u"按钮所有歌曲")->text(), QStringLiteral("↑歌曲地址↑"));
    QCOMPARE(f.Find<QPushButton>(u"按钮专辑歌曲")->text(), QStringLiteral("↓专辑地址↓"));
    QCOMPARE(f.Find<QLineEdit>(u"编辑框2")->text(), QString());
    QCOMPARE(f.Find<QGroupBox>(u"分组框1")->focusPolicy(), Qt::NoFocus);
  }

  void showsListsAsReports_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QList<int>>("widths");
    const QStringList results = {QStringLiteral("索引"), QStringLiteral("歌名"),
                                 QStringLiteral("ID"), QStringLiteral("地址")};
    QTest::newRow("singers") << QStringLiteral("超级列表框1")
                             << QStringList{QStringLiteral("ID"), QStringLiteral("歌手"),
                                            QStringLiteral("ID")}
                             << QList<int>{25, 100, 0};
    QTest::newRow("upper") << QStringLiteral("超级列表框2") << results
                           << QList<int>{38, 130, 50, 60};
    QTest::newRow("lower") << QStringLiteral("超级列表框3") << results
                           << QList<int>{38, 130, 50, 60};
  }
  void showsListsAsReports() {
    QFETCH(QString, name);
    QFETCH(QStringList, captions);
    QFETCH(QList<int>, widths);
    WindowFixture f;
    auto* list = f.Window().findChild<QTableView*>(name);
    QCOMPARE(HeaderCaptions(list), captions);
    QCOMPARE(ColumnWidths(list), widths);
    QVERIFY(list->showGrid());
    QVERIFY(list->horizontalHeader()->isVisible());
    QVERIFY(list->horizontalHeader()->sectionsClickable());
    QVERIFY(!list->isSortingEnabled());
    QCOMPARE(list->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(list->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(list->palette().color(QPalette::Base), QColor(192, 220, 192));
    QCOMPARE(TextColour(list), QColor(Qt::black));
  }

  void placeholderFollowsFocus() {
    WindowFixture f;
    auto* box = f.Find<QLineEdit>(u"编辑框1");
    box->setFocus();
    QCOMPARE(box->text(), QString());
    QCOMPARE(TextColour(box), QColor(Qt::black));
    QTest::keyClicks(box, QStringLiteral(" "));
    f.Window().setFocus();
    QCOMPARE(box->text(), QStringLiteral(" "));
    box->setFocus();
    box->clear();
    f.Window().setFocus();
    QCOMPARE(box->text(), QStringLiteral("输入歌手名字"));
    QCOMPARE(TextColour(box), QColor(128, 128, 128));
  }

  void searchButtonRefusesPlaceholder_data() {
    QTest::addColumn<bool>("typePlaceholder");
    QTest::newRow("box never entered") << false;
    QTest::newRow("placeholder typed by the user") << true;
  }
  void searchButtonRefusesPlaceholder() {
    QFETCH(bool, typePlaceholder);
    WindowFixture f(kIndex);
    auto* box = f.Find<QLineEdit>(u"编辑框1");
    if (typePlaceholder) {
      box->setFocus();
      WindowFixture::Type(box, QStringLiteral("输入歌手名字"));
    }
    QTest::mouseClick(f.Find<QPushButton>(u"搜索"), Qt::LeftButton);
    QCOMPARE(f.Watcher().Boxes().size(), 1);
    const ModalWatcher::Box& shown = f.Watcher().Boxes().front();
    QCOMPARE(shown.text, QStringLiteral("请输入歌手关键字!"));
    QCOMPARE(shown.title, QStringLiteral("提示"));
    QCOMPARE(shown.icon, QMessageBox::Critical);
    QVERIFY(shown.applicationModal);
    QCOMPARE(f.Window().List(ListId::超级列表框1).RowCount(), 0);
  }

  void clickOnSearchWithEmptyFocusedBoxRestoresPlaceholderFirst() {
    WindowFixture f(kIndex);
    auto* box = f.Find<QLineEdit>(u"编辑框1");
    box->setFocus();
    QTest::mouseClick(f.Find<QPushButton>(u"搜索"), Qt::LeftButton);
    QCOMPARE(box->text(), QStringLiteral("输入歌手名字"));
    QCOMPARE(f.Watcher().Boxes().size(), 1);
    QCOMPARE(f.Watcher().Boxes().front().text, QStringLiteral("请输入歌手关键字!"));
  }

  void enterInEmptyBoxAsksForKeyword() {
    WindowFixture f(kIndex);
    f.SearchByEnter(QString());
    QCOMPARE(f.Watcher().Boxes().size(), 1);
    QCOMPARE(f.Watcher().Boxes().front().text, QStringLiteral("请输入歌手关键字!"));
  }

  void searchesByEnterAndByButton() {
    WindowFixture f(kIndex);
    f.SearchByEnter(QStringLiteral("沈"));
    ReportList& singers = f.Window().List(ListId::超级列表框1);
    QCOMPARE(singers.RowCount(), 3);
    QCOMPARE(singers.GetCell(2, 0), Text("3"));
    QCOMPARE(singers.GetCell(2, 1), Text("沈岚"));
    QCOMPARE(singers.GetCell(1, 2), Text("1003"));
    auto* view = f.Find<QTableView>(u"超级列表框1");
    QCOMPARE(view->model()->index(1, 1).data().toString(), QStringLiteral("沈一帆"));

    auto* box = f.Find<QLineEdit>(u"编辑框1");
    box->selectAll();
    WindowFixture::Type(box, QStringLiteral("林"));
    QTest::mouseClick(f.Find<QPushButton>(u"搜索"), Qt::LeftButton);
    QCOMPARE(singers.RowCount(), 1);
    QCOMPARE(singers.GetCell(0, 1), Text("林听澜"));
    QVERIFY(f.Watcher().Boxes().isEmpty());
  }

  void rightClickOnSingerOpensMenuAndRunsItemAfterwards() {
    WindowFixture f(kIndex);
    f.SearchByEnter(QStringLiteral("沈"));
    int runs = 0;
    bool menuClosedWhenRun = false;
    Text singerIdWhenRun;
    ShellActions actions;
    actions.fetchSingerAlbums = [&] {
      ++runs;
      menuClosedWhenRun = QApplication::activePopupWidget() == nullptr;
      singerIdWhenRun = f.State().singerId;
    };
    f.Window().SetActions(actions);
    f.Watcher().ChooseNext(QStringLiteral("取歌手所有专辑"));
    const QPoint point = f.RowCentre(u"超级列表框1", 1);
    f.RightClick(u"超级列表框1", point);

    QCOMPARE(f.Window().List(ListId::超级列表框1).SelectedRow(), 1);
    QCOMPARE(f.State().singerId, Text("1003"));
    QCOMPARE(f.Watcher().Menus().size(), 1);
    const ModalWatcher::Menu& menu = f.Watcher().Menus().front();
    QCOMPARE(menu.title, QStringLiteral("搜索区"));
    QCOMPARE(menu.items,
             (QStringList{QStringLiteral("取歌手所有歌曲"), QStringLiteral("取歌手所有专辑")}));
    const QWidget* rows = f.Find<QTableView>(u"超级列表框1")->viewport();
    QCOMPARE(menu.topLeft, rows->mapToGlobal(point) + QPoint(3, 3));
    QCOMPARE(runs, 0);
    QTRY_COMPARE(runs, 1);
    QVERIFY(menuClosedWhenRun);
    QCOMPARE(singerIdWhenRun, Text("1003"));
  }

  void rightClickOnSingerWithoutIdOrBesideRowsRefuses_data() {
    QTest::addColumn<bool>("besideRows");
    QTest::newRow("row with empty ID") << false;
    QTest::newRow("beside the rows") << true;
  }
  void rightClickOnSingerWithoutIdOrBesideRowsRefuses() {
    QFETCH(bool, besideRows);
    WindowFixture f(kIndex);
    f.SearchByEnter(QStringLiteral("沈"));
    f.State().singerId = "1001";
    ReportList& singers = f.Window().List(ListId::超级列表框1);
    singers.SelectRow(0);
    const QPoint point = besideRows ? QPoint(20, 250) : f.RowCentre(u"超级列表框1", 2);
    f.RightClick(u"超级列表框1", point);
    QCOMPARE(singers.SelectedRow(), besideRows ? -1 : 2);
    QCOMPARE(f.Find<QTableView>(u"超级列表框1")->selectionModel()->hasSelection(), !besideRows);
    QCOMPARE(f.State().singerId, Text());
    QVERIFY(f.Watcher().Menus().isEmpty());
    QCOMPARE(f.Watcher().Boxes().size(), 1);
    const ModalWatcher::Box& shown = f.Watcher().Boxes().front();
    QCOMPARE(shown.text, QStringLiteral("未选中内容，请选中后再按右键启用！"));
    QCOMPARE(shown.title, QStringLiteral("提示"));
    QCOMPARE(shown.icon, QMessageBox::Information);
  }

  void upperListMenuOnlyForRowsWithIdAndNoAddress_data() {
    QTest::addColumn<QByteArray>("id");
    QTest::addColumn<QByteArray>("address");
    QTest::addColumn<bool>("besideRows");
    QTest::addColumn<bool>("menuShown");
    QTest::newRow("album row") << QByteArray("77") << QByteArray() << false << true;
    QTest::newRow("song row with address")
        << QByteArray("77") << QByteArray("/d/1.mp3") << false << false;
    QTest::newRow("song row without address") << QByteArray("78") << QByteArray() << false << true;
    QTest::newRow("row without ID") << QByteArray() << QByteArray() << false << false;
    QTest::newRow("beside the rows") << QByteArray("77") << QByteArray() << true << false;
  }
  void upperListMenuOnlyForRowsWithIdAndNoAddress() {
    QFETCH(QByteArray, id);
    QFETCH(QByteArray, address);
    QFETCH(bool, besideRows);
    QFETCH(bool, menuShown);
    WindowFixture f;
    int runs = 0;
    ShellActions actions;
    actions.fetchAlbumSongs = [&] { ++runs; };
    f.Window().SetActions(actions);
    ReportList& upper = f.Window().List(ListId::超级列表框2);
    const int row = upper.AppendRow();
    upper.SetCell(row, 1, "专辑");
    upper.SetCell(row, 2, id.toStdString());
    upper.SetCell(row, 3, address.toStdString());
    f.Watcher().ChooseNext(QStringLiteral("获取单张专辑地址"));
    f.RightClick(u"超级列表框2", besideRows ? QPoint(20, 100) : f.RowCentre(u"超级列表框2", 0));
    QCOMPARE(f.Watcher().Menus().size(), menuShown ? 1 : 0);
    if (menuShown) QCOMPARE(f.Watcher().Menus().front().title, QStringLiteral("地址区"));
    QTRY_COMPARE(runs, menuShown ? 1 : 0);
    QVERIFY(f.Watcher().Boxes().isEmpty());
  }

  void lowerListIgnoresRightClicks() {
    WindowFixture f;
    ReportList& lower = f.Window().List(ListId::超级列表框3);
    lower.SetCell(lower.AppendRow(), 2, "77");
    f.RightClick(u"超级列表框3", f.RowCentre(u"超级列表框3", 0));
    QTest::qWait(30);
    QVERIFY(f.Watcher().Menus().isEmpty());
    QVERIFY(f.Watcher().Boxes().isEmpty());
  }

  void exportButtonsExportTheirList() {
    WindowFixture f;
    QList<ListId> exported;
    ShellActions actions;
    actions.exportAddressList = [&](ListId list) { exported.append(list); };
    f.Window().SetActions(actions);
    f.Window().SetButtonEnabled(ButtonId::按钮所有歌曲, true);
    f.Window().SetButtonEnabled(ButtonId::按钮专辑歌曲, true);
    QTest::mouseClick(f.Find<QPushButton>(u"按钮专辑歌曲"), Qt::LeftButton);
    QTest::mouseClick(f.Find<QPushButton>(u"按钮所有歌曲"), Qt::LeftButton);
    QCOMPARE(exported, (QList<ListId>{ListId::超级列表框3, ListId::超级列表框2}));
  }

  void escapeClosesTheWindow() {
    WindowFixture f;
    auto* box = f.Find<QLineEdit>(u"编辑框1");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Escape);
    QVERIFY(!f.Window().isVisible());
    QVERIFY(f.Window().WindowGone());
  }

  void minimisedWindowStaysInTaskBarWithoutTray() {
    QVERIFY(!QSystemTrayIcon::isSystemTrayAvailable());
    WindowFixture f;
    f.Window().showMinimized();
    QTest::qWait(30);
    QVERIFY(f.Window().isVisible());
    QVERIFY(f.Window().isMinimized());
  }

  void onlyDoubleClickOnTrayIconShowsTheWindow() {
    WindowFixture f;
    f.Window().hide();
    QSystemTrayIcon* tray = f.Window().findChild<QSystemTrayIcon*>();
    emit tray->activated(QSystemTrayIcon::Trigger);
    emit tray->activated(QSystemTrayIcon::Context);
    QVERIFY(!f.Window().isVisible());
    emit tray->activated(QSystemTrayIcon::DoubleClick);
    QVERIFY(f.Window().isVisible());
    QVERIFY(tray->isVisible());
  }

  void closingDuringSearchStopsItAndSilencesMessages() {
    Bytes index;
    for (int line = 0; line < 2000; ++line) index += std::to_string(line) + "----沈" + "\r\n";
    WindowFixture f(index);
    int pumps = 0;
    QTimer closer;
    closer.callOnTimeout([&] {
      if (++pumps == 50) f.Window().close();
    });
    closer.start(0);
    f.SearchByEnter(QStringLiteral("沈"));
    QVERIFY(f.Window().WindowGone());
    QVERIFY(f.Window().List(ListId::超级列表框1).RowCount() < 2000);
    f.Window().ShowMessage("提示", kStyleInformation);
    QVERIFY(f.Watcher().Boxes().isEmpty());
  }

  void savesScreenshotsAtStartAndAfterSearch() {
    WindowFixture f(kIndex);
    QCoreApplication::processEvents();
    QVERIFY(SaveScreenshot(f.Window(), QStringLiteral("main_window_start.png")));
    f.SearchByEnter(QStringLiteral("沈"));
    f.Window().List(ListId::超级列表框1).SelectRow(1);
    ReportList& upper = f.Window().List(ListId::超级列表框2);
    const char* const songs[][3] = {{"夜航船", "5001", "/mp3/5001.mp3"}, {"海边的信", "5002", ""}};
    for (const auto& song : songs) {
      const int row = upper.AppendRow();
      upper.SetCell(row, 0, std::to_string(row + 1));
      for (int column = 1; column < 4; ++column) upper.SetCell(row, column, song[column - 1]);
    }
    f.Window().SetEditText(EditBoxId::编辑框2, "沈星遥");
    f.Window().setFocus();
    QTest::qWait(50);  // appended rows are drawn a frame later
    QVERIFY(SaveScreenshot(f.Window(), QStringLiteral("main_window.png")));
  }

 private:
  // Into the test's build folder, to be looked at beside the layout tables.
  static bool SaveScreenshot(QWidget& window, const QString& name) {
    const QPixmap shot = window.grab();
    return shot.size() / shot.devicePixelRatio() == QSize(450, 343) &&
           shot.save(QCoreApplication::applicationDirPath() + u'/' + name);
  }
  static const QSystemTrayIcon* TrayOf(QWidget& window) {
    return window.findChild<QSystemTrayIcon*>();
  }
};

}  // namespace cadenzo::testing

QTEST_MAIN(cadenzo::testing::MainWindowTest)
#include "main_window_test.moc"
