#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "scrape/singer_lookup.h"
#include "shell/flat_skin.h"
#include "shell/gbk_qstring.h"
#include "shell/main_window.h"
#include "shell/tray_icon.h"

namespace cadenzo {
namespace {

constexpr char kTrayTip[] = "Cadenzo音乐网下载地址批量获取器";
constexpr std::size_t kTrayTipLimit = 62;  // bytes, never splitting a character
const QColor kPlaceholderGrey(128, 128, 128);

Text CutWholeCharacters(const Text& text, std::size_t limit) {
  std::size_t end = 0;
  while (end < text.size()) {
    const std::size_t next = end + (IsLeadByte(text[end]) ? 2 : 1);
    if (next > limit) break;
    end = next;
  }
  return text.substr(0, std::min(end, text.size()));
}

}  // namespace

void MainWindow::InitMainWindow() {
  SetTrayIcon();
  setFocus();
  ApplyFlatSkin();
  lowerExportButton_->setEnabled(false);
  upperExportButton_->setEnabled(false);
  SetEditBoxColour(*searchBox_, kPlaceholderGrey);
  searchBox_->setText(GbkToQString(kSearchPlaceholder));
}

void MainWindow::SetTrayIcon() {
  const QIcon icon = TrayIcon();
  setWindowIcon(icon);
  QGuiApplication::setWindowIcon(icon);
  tray_.setIcon(icon);
  tray_.setToolTip(GbkToQString(CutWholeCharacters(kTrayTip, kTrayTipLimit)));
  tray_.show();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == searchBox_) {
    switch (event->type()) {
      case QEvent::FocusIn:
        SearchBoxFocusIn();
        break;
      case QEvent::FocusOut:
        SearchBoxFocusOut();
        break;
      case QEvent::KeyPress:
        SearchBoxKeyDown(static_cast<QKeyEvent*>(event)->key());
        break;
      default:
        break;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void MainWindow::SearchBoxFocusIn() {
  if (EditText(EditBoxId::编辑框1) != kSearchPlaceholder) return;
  searchBox_->clear();
  SetEditBoxColour(*searchBox_, Qt::black);
}

void MainWindow::SearchBoxFocusOut() {
  if (!searchBox_->text().isEmpty()) return;
  SetEditBoxColour(*searchBox_, kPlaceholderGrey);
  searchBox_->setText(GbkToQString(kSearchPlaceholder));
}

void MainWindow::SearchBoxKeyDown(int key) {
  if (key == Qt::Key_Return || key == Qt::Key_Enter) SearchSingers(*this, programDir_);
}

void MainWindow::SearchButtonClick() {
  if (EditText(EditBoxId::编辑框1) == kSearchPlaceholder) {
    ShowMessage(kKeywordMissingMessage, kStyleError, Text(kPromptTitle));
    return;
  }
  SearchSingers(*this, programDir_);
}

void MainWindow::SingerListRightClick(QPoint pointer) {
  state_.singerId = singers_.GetCell(singers_.SelectedRow(), 2);
  if (!state_.singerId.empty()) {
    PopUpMenu(searchMenu_, pointer);
  } else {
    ShowMessage("未选中内容，请选中后再按右键启用！", kStyleInformation, Text(kPromptTitle));
  }
}

void MainWindow::UpperListRightClick(QPoint pointer) {
  const Text address = upperResults_.GetCell(upperResults_.SelectedRow(), 3);
  const Text id = upperResults_.GetCell(upperResults_.SelectedRow(), 2);
  if (!id.empty() && address.empty()) PopUpMenu(addressMenu_, pointer);
}

void MainWindow::PopUpMenu(QMenu& menu, QPoint pointer) {
  menu.exec(pointer + QPoint(3, 3));
}

void MainWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange) WindowMoved();
}

void MainWindow::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  WindowMoved();
}

// Without a system tray a hidden window could not be brought back, so there
// the minimised window stays in the task bar.
void MainWindow::WindowMoved() {
  if (!isMinimized() || !QSystemTrayIcon::isSystemTrayAvailable()) return;
  SetTrayIcon();
  // Hiding inside the state change would confuse the window manager.
  QTimer::singleShot(0, this, &QWidget::hide);
}

void MainWindow::TrayNotify(QSystemTrayIcon::ActivationReason reason) {
  if (reason != QSystemTrayIcon::DoubleClick) return;
  SetTrayIcon();
  show();
}

// A flow still running inside PumpEvents finds the window gone and stops; the
// event loop ends as soon as it returns.
void MainWindow::closeEvent(QCloseEvent* event) {
  gone_ = true;
  tray_.hide();
  event->accept();
  QCoreApplication::quit();
}

}  // namespace cadenzo
