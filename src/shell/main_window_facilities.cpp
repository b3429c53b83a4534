#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <QTimer>

#include "shell/gbk_qstring.h"
#include "shell/main_window.h"

namespace cadenzo {
namespace {

QMessageBox::Icon IconForStyle(int style) {
  switch (style) {
    case kStyleError:
      return QMessageBox::Critical;
    case kStyleInformation:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

}  // namespace

ReportList& MainWindow::List(ListId list) {
  switch (list) {
    case ListId::超级列表框1:
      return singers_;
    case ListId::超级列表框2:
      return upperResults_;
    case ListId::超级列表框3:
      break;
  }
  return lowerResults_;
}

Text MainWindow::EditText(EditBoxId box) const {
  return QStringToGbk(EditBox(box)->text());
}

void MainWindow::SetEditText(EditBoxId box, const Text& text) {
  EditBox(box)->setText(GbkToQString(text));
}

void MainWindow::SetButtonEnabled(ButtonId button, bool enabled) {
  (button == ButtonId::按钮所有歌曲 ? upperExportButton_ : lowerExportButton_)->setEnabled(enabled);
}

// processEvents never acts on a request to end the loop; that waits for exec().
void MainWindow::PumpEvents() {
  if (QThread::currentThread() != thread()) return;
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void MainWindow::DelayWithEvents(int milliseconds) {
  if (milliseconds <= 0) return;
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() <= milliseconds) PumpEvents();
}

// Once the window is gone no box is shown: the event loop is ending, so the box
// would close at once as if the user had answered it.
void MainWindow::ShowMessage(const Text& text, int style, const std::optional<Text>& title) {
  if (gone_) return;
  QMessageBox box(IconForStyle(style), GbkToQString(title.value_or("信息：")), GbkToQString(text),
                  QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

void MainWindow::RunOnUiThread(const std::function<void()>& call) {
  if (QThread::currentThread() == thread()) {
    call();
    return;
  }
  QMetaObject::invokeMethod(
      this, [&call] { call(); }, Qt::BlockingQueuedConnection);
}

// Qt cannot wait for an event without handling it, so the events that end the
// wait are run here, as PumpEvents would run them.
void MainWindow::WaitForEvents(std::chrono::milliseconds timeout) {
  if (timeout <= std::chrono::milliseconds::zero()) return;
  QTimer deadline;
  deadline.setSingleShot(true);
  deadline.start(timeout);
  QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void MainWindow::WakeUp() {
  dispatcher_->wakeUp();
}

}  // namespace cadenzo
