#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPoint>
#include <QStringList>
#include <QTimer>
#include <functional>

namespace cadenzo {

// Answers every message box and popup menu the program opens, so that nothing
// driving the window waits on a dialog, and keeps a log of what was shown. A
// menu is answered with the item set by ChooseNext, or closed when none is set.
class ModalWatcher : public QObject {
 public:
  struct Box {
    QString text;
    QString title;
    QMessageBox::Icon icon;
    bool applicationModal;
  };
  struct Menu {
    QString title;
    QPoint topLeft;
    QStringList items;
  };

  ModalWatcher();

  void ChooseNext(const QString& item) { nextChoice_ = item; }
  // Called with each box or menu while it is still shown, before it is answered.
  void OnShown(std::function<void(QWidget&)> look) { look_ = std::move(look); }
  const QList<Box>& Boxes() const { return boxes_; }
  const QList<Menu>& Menus() const { return menus_; }

 private:
  void Answer();
  void AnswerBox(QMessageBox& box);
  void AnswerMenu(QWidget& popup);

  QTimer poll_;
  QString nextChoice_;
  std::function<void(QWidget&)> look_;
  QList<Box> boxes_;
  QList<Menu> menus_;
};

}  // namespace cadenzo
