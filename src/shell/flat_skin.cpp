#include "shell/flat_skin.h"

#include <QApplication>
#include <QFont>

namespace cadenzo {
namespace {

constexpr char16_t kSkinSheet[] =
    uR"(QPushButton {
  border: 1px solid rgb(164, 185, 127);
  background-color: rgb(241, 244, 234);
  padding: 2px 12px;
}
QPushButton:hover { background-color: rgb(226, 234, 210); }
QPushButton:pressed { background-color: rgb(205, 218, 180); }
QPushButton:disabled { color: rgb(150, 150, 150); }
QPushButton:focus { border: 2px solid rgb(164, 185, 127); }
QMessageBox QPushButton { min-width: 60px; min-height: 18px; }
QLineEdit { border: 1px solid rgb(164, 185, 127); padding: 0px; }
QGroupBox { border: 1px solid rgb(164, 185, 127); margin-top: 7px; }
QGroupBox::title {
  subcontrol-origin: margin;
  subcontrol-position: top center;
  padding: 0px 2px;
  top: -1px;
}
)";

}  // namespace

void ApplyFlatSkin() {
  QFont font(QStringLiteral("Noto Sans CJK SC"));
  font.setPixelSize(12);
  QApplication::setFont(font);
  qApp->setStyleSheet(QString::fromUtf16(kSkinSheet));
}

}  // namespace cadenzo
