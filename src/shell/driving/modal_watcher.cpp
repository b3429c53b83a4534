#include "shell/driving/modal_watcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMenu>
#include <QTest>

namespace cadenzo {

ModalWatcher::ModalWatcher() {
  poll_.callOnTimeout(this, &ModalWatcher::Answer);
  poll_.start(5);
}

void ModalWatcher::Answer() {
  if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) AnswerBox(*box);
  if (QWidget* popup = QApplication::activePopupWidget()) AnswerMenu(*popup);
}

void ModalWatcher::AnswerBox(QMessageBox& box) {
  boxes_.append(
      {box.text(), box.windowTitle(), box.icon(), box.windowModality() == Qt::ApplicationModal});
  if (look_) look_(box);
  box.button(QMessageBox::Ok)->click();
}

void ModalWatcher::AnswerMenu(QWidget& popup) {
  auto* menu = qobject_cast<QMenu*>(&popup);
  if (menu == nullptr) return;
  Menu shown{menu->title(), menu->pos(), {}};
  QAction* choice = nullptr;
  for (QAction* item : menu->actions()) {
    shown.items.append(item->text());
    if (item->text() == nextChoice_) choice = item;
  }
  menus_.append(shown);
  nextChoice_.clear();
  if (choice != nullptr) menu->setActiveAction(choice);
  if (look_) look_(*menu);
  if (choice == nullptr) {
    menu->close();
    return;
  }
  QTest::keyClick(menu, Qt::Key_Return);
}

}  // namespace cadenzo
