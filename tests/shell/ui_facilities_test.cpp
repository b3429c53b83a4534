#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <thread>

// moc cannot read the Chinese names of the controls, and needs none of these.
#ifndef Q_MOC_RUN
#include "window_fixture.h"
#endif

namespace cadenzo::testing {

using std::chrono::milliseconds;

// The window's facilities as the flows and the web layer use them.
class UiFacilitiesTest : public QObject {
  Q_OBJECT

 private slots:
  void pumpEventsRunsWaitingEventsOnTheUiThreadOnly() {
    WindowFixture f;
    int runs = 0;
    QTimer::singleShot(0, [&] { ++runs; });
    std::thread([&] { f.Window().PumpEvents(); }).join();
    QCOMPARE(runs, 0);
    f.Window().PumpEvents();
    QCOMPARE(runs, 1);
  }

  void delayWithEventsPumpsUntilTheTimeHasPassed() {
    WindowFixture f;
    int runs = 0;
    QTimer::singleShot(0, [&] { ++runs; });
    f.Window().DelayWithEvents(0);
    f.Window().DelayWithEvents(-5);
    QCOMPARE(runs, 0);
    QElapsedTimer clock;
    clock.start();
    f.Window().DelayWithEvents(30);
    QVERIFY(clock.elapsed() > 30);
    QCOMPARE(runs, 1);
  }

  void showMessageShowsStyleIconAndTitle_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<QByteArray>("title");
    QTest::addColumn<QMessageBox::Icon>("icon");
    QTest::addColumn<QString>("shownTitle");
    QTest::newRow("no icon, no title")
        << 0 << QByteArray() << QMessageBox::NoIcon << QStringLiteral("信息：");
    QTest::newRow("error") << 16 << QByteArray("错误") << QMessageBox::Critical
                           << QStringLiteral("错误");
    QTest::newRow("information") << 64 << QByteArray("提示") << QMessageBox::Information
                                 << QStringLiteral("提示");
  }
  void showMessageShowsStyleIconAndTitle() {
    QFETCH(int, style);
    QFETCH(QByteArray, title);
    QFETCH(QMessageBox::Icon, icon);
    QFETCH(QString, shownTitle);
    WindowFixture f;
    std::optional<Text> given;
    if (!title.isEmpty()) given = title.toStdString();
    f.Window().ShowMessage("没有找到", style, given);
    QCOMPARE(f.Watcher().Boxes().size(), 1);
    const ModalWatcher::Box& box = f.Watcher().Boxes().front();
    QCOMPARE(box.text, QStringLiteral("没有找到"));
    QCOMPARE(box.title, shownTitle);
    QCOMPARE(box.icon, icon);
    QVERIFY(box.applicationModal);
  }

  void runOnUiThreadRunsTheCallThereAndWaitsForIt() {
    WindowFixture f;
    QThread* const uiThread = QThread::currentThread();
    std::atomic<bool> workerDone = false;
    bool ranOnUiThread = false;
    int rowsSeenByWorker = -1;
    std::thread worker([&] {
      f.Window().RunOnUiThread([&] {
        ranOnUiThread = QThread::currentThread() == uiThread;
        f.Window().List(ListId::超级列表框2).AppendRow();
      });
      f.Window().RunOnUiThread(
          [&] { rowsSeenByWorker = f.Window().List(ListId::超级列表框2).RowCount(); });
      workerDone = true;
    });
    while (!workerDone) f.Window().DelayWithEvents(10);
    worker.join();
    QVERIFY(ranOnUiThread);
    QCOMPARE(rowsSeenByWorker, 1);
  }

  // Without a fixture: its modal watcher's timer would end every wait early.
  void waitForEventsEndsOnWakeUpFromAnotherThread() {
    AppState state;
    MainWindow window(state, {});
    QElapsedTimer clock;
    clock.start();
    std::thread waker([&] {
      std::this_thread::sleep_for(milliseconds(50));
      window.WakeUp();
    });
    window.WaitForEvents(milliseconds(10000));
    waker.join();
    QVERIFY(clock.elapsed() < 2000);
  }

  void waitForEventsEndsWhenTheTimeHasPassed() {
    AppState state;
    MainWindow window(state, {});
    window.DelayWithEvents(20);  // let the window's own start-up events pass
    QElapsedTimer clock;
    clock.start();
    window.WaitForEvents(milliseconds(100));
    QVERIFY(clock.elapsed() >= 90);
    QVERIFY(clock.elapsed() < 2000);
  }

  void editTextsCrossBetweenGbkAndTheWidgets() {
    WindowFixture f;
    auto* fileName = f.Find<QLineEdit>(u"编辑框2");
    f.Window().SetEditText(EditBoxId::编辑框2, "沈星遥 - Greatest");
    QCOMPARE(fileName->text(), QStringLiteral("沈星遥 - Greatest"));
    fileName->setText(QStringLiteral("歌€😀"));
    QCOMPARE(f.Window().EditText(EditBoxId::编辑框2), Text("歌\x80?"));
  }

  void buttonsEnableAndDisable() {
    WindowFixture f;
    auto* upper = f.Find<QWidget>(u"按钮所有歌曲");
    auto* lower = f.Find<QWidget>(u"按钮专辑歌曲");
    f.Window().SetButtonEnabled(ButtonId::按钮所有歌曲, true);
    QVERIFY(upper->isEnabled() && !lower->isEnabled());
    f.Window().SetButtonEnabled(ButtonId::按钮专辑歌曲, true);
    f.Window().SetButtonEnabled(ButtonId::按钮所有歌曲, false);
    QVERIFY(!upper->isEnabled() && lower->isEnabled());
  }
};

}  // namespace cadenzo::testing

QTEST_MAIN(cadenzo::testing::UiFacilitiesTest)
#include "ui_facilities_test.moc"
