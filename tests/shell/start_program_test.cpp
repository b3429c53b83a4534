#include "shell/start_program.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QTimer>

namespace cadenzo::testing {
namespace {

// What the running program looked like, seen from inside its event loop.
struct Observed {
  QString workingDirectory;
  QString programDirectory;
  QString caption;
  bool windowShown = false;
};
Observed observed;

// Runs while the program's application object is being made: once the event
// loop runs, note what the program set up, then close its window as a user would.
void CloseTheWindowOnceRunning() {
  QTimer::singleShot(50, [] {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window->objectName() != u"MainWindow") continue;
      observed = {QDir::currentPath(), QCoreApplication::applicationDirPath(),
                  window->windowTitle(), window->isVisible()};
      window->close();
    }
  });
}

}  // namespace

class StartProgramTest : public QObject {
  Q_OBJECT

 private slots:
  void runsTheWindowInTheProgramDirectoryUntilItCloses() {
    QVERIFY(QDir::setCurrent(QDir::tempPath()));
    qAddPreRoutine(CloseTheWindowOnceRunning);
    char name[] = "cadenzo";
    char* arguments[] = {name, nullptr};
    QCOMPARE(StartProgram(1, arguments), 0);
    QVERIFY(observed.windowShown);
    QVERIFY(observed.caption.startsWith(QStringLiteral("Cadenzo音乐地址获取器")));
    QCOMPARE(observed.workingDirectory, observed.programDirectory);
    QVERIFY(observed.programDirectory != QDir::tempPath());
  }
};

}  // namespace cadenzo::testing

QTEST_APPLESS_MAIN(cadenzo::testing::StartProgramTest)
#include "start_program_test.moc"
