#pragma once

#include <QPoint>
#include <QString>

class QLineEdit;
class QTableView;
class QWidget;

namespace cadenzo {

// Input as a user gives it, for whatever drives the window without a person.

// Types Chinese text into a box as an input method would.
void TypeText(QWidget& box, const QString& text);
// Gives the box the focus, types the text over what it holds and presses Enter.
void EnterText(QLineEdit& box, const QString& text);
// What a right-click in a list's rows area delivers: a context menu event at
// that point of the rows area.
void RightClickRows(QTableView& list, QPoint point);
// The centre of a row of a list, in its rows area's coordinates.
QPoint RowCentre(const QTableView& list, int row);

}  // namespace cadenzo
