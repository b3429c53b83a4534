#include "shell/tray_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace cadenzo {
namespace {

// Drawn on a 48-unit grid and scaled, so every size shows the same picture.
QPixmap NotePicture(int size) {
  QPixmap picture(size, size);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / 48.0, size / 48.0);

  painter.setPen(QPen(QColor(96, 116, 60), 2));
  painter.setBrush(QColor(164, 185, 127));
  painter.drawEllipse(QRectF(2, 2, 44, 44));

  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::white);
  painter.drawEllipse(QRectF(11, 29, 12, 9));
  painter.drawRect(QRectF(20, 10, 3.5, 24));
  QPainterPath flag;
  flag.moveTo(23.5, 10);
  flag.cubicTo(28, 14, 36, 15, 33, 25);
  flag.cubicTo(33, 19, 28, 18, 23.5, 18);
  flag.closeSubpath();
  painter.drawPath(flag);
  return picture;
}

}  // namespace

QIcon TrayIcon() {
  QIcon icon;
  for (const int size : {16, 32, 48}) icon.addPixmap(NotePicture(size));
  return icon;
}

}  // namespace cadenzo
