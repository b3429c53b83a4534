#include "shell/flat_skin.h"

#include <QApplication>
#include <QFont>
#include <QLineEdit>

namespace cadenzo {
namespace {

constexpr char16_t kSkinSheet[] =
    uR"(QPushButton {
  border: 1px solid rgb(164, 185, 127);
  background-color: rgb(241, 244, 234);
  padding: 0px;
}
QPushButton:hover { background-color: rgb(226, 234, 210); }
QPushButton:pressed { background-color: rgb(205, 218, 180); }
QPushButton:disabled { color: rgb(150, 150, 150); }
QPushButton:focus { border: 2px solid rgb(164, 185, 127); }
QMessageBox QPushButton { min-width: 72px; min-height: 20px; }
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

void SetEditBoxColour(QLineEdit& box, const QColor& text) {
  box.setStyleSheet(QStringLiteral("QLineEdit { color: %1; background-color: rgb(192, 220, 192); }")
                        .arg(text.name()));
}

}  // namespace cadenzo
