#include "window_fixture.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <fstream>

namespace cadenzo::testing {

WindowFixture::WindowFixture(const std::optional<Bytes>& index)
    : programDir_(QFile::encodeName(dir_.path()).toStdString()) {
  if (index) std::ofstream(programDir_ / u8"歌手ID.txt", std::ios::binary) << *index;
  CreateSharedRegex(state_);
  window_ = std::make_unique<MainWindow>(state_, programDir_);
  window_->show();
  QApplication::setActiveWindow(window_.get());
  QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

WindowFixture::~WindowFixture() {
  window_.reset();
  ExitCleanup(state_);
}

void WindowFixture::Type(QWidget* box, const QString& text) {
  QInputMethodEvent typed;
  typed.setCommitString(text);
  QApplication::sendEvent(box, &typed);
}

void WindowFixture::SearchByEnter(const QString& keyword) {
  auto* box = Find<QLineEdit>(u"编辑框1");
  box->setFocus();
  box->selectAll();
  Type(box, keyword);
  QTest::keyClick(box, Qt::Key_Return);
}

void WindowFixture::RightClick(const char16_t* listName, QPoint point) {
  QWidget* rows = Find<QTableView>(listName)->viewport();
  QContextMenuEvent event(QContextMenuEvent::Mouse, point, rows->mapToGlobal(point));
  QApplication::sendEvent(rows, &event);
}

QPoint WindowFixture::RowCentre(const char16_t* listName, int row) {
  auto* list = Find<QTableView>(listName);
  return list->visualRect(list->model()->index(row, 1)).center();
}

}  // namespace cadenzo::testing
