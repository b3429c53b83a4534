#include "window_fixture.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <fstream>

#include "shell/driving/window_driving.h"

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
  TypeText(*box, text);
}

void WindowFixture::SearchByEnter(const QString& keyword) {
  EnterText(*Find<QLineEdit>(u"编辑框1"), keyword);
}

void WindowFixture::RightClick(const char16_t* listName, QPoint point) {
  RightClickRows(*Find<QTableView>(listName), point);
}

QPoint WindowFixture::RowCentre(const char16_t* listName, int row) {
  return cadenzo::RowCentre(*Find<QTableView>(listName), row);
}

}  // namespace cadenzo::testing
