#include "shell/driving/window_driving.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

namespace cadenzo {

void TypeText(QWidget& box, const QString& text) {
  QInputMethodEvent typed;
  typed.setCommitString(text);
  QApplication::sendEvent(&box, &typed);
}

void EnterText(QLineEdit& box, const QString& text) {
  box.setFocus();
  box.selectAll();
  TypeText(box, text);
  QTest::keyClick(&box, Qt::Key_Return);
}

void RightClickRows(QTableView& list, QPoint point) {
  QWidget* rows = list.viewport();
  QContextMenuEvent event(QContextMenuEvent::Mouse, point, rows->mapToGlobal(point));
  QApplication::sendEvent(rows, &event);
}

QPoint RowCentre(const QTableView& list, int row) {
  return list.visualRect(list.model()->index(row, 1)).center();
}

}  // namespace cadenzo
