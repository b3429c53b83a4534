#include "shell/tour/step_picture.h"

#include <QPainter>
#include <QWidget>

namespace cadenzo {

QPixmap StepPicture(QWidget& window, QWidget* overlay) {
  const QPixmap windowPicture = window.grab();
  if (overlay == nullptr) return windowPicture;
  const QRect windowArea(window.mapToGlobal(QPoint()), window.size());
  const QRect overlayArea(overlay->mapToGlobal(QPoint()), overlay->size());
  const QRect canvas = windowArea.united(overlayArea);
  QPixmap picture(canvas.size());
  picture.fill(Qt::white);
  QPainter painter(&picture);
  painter.drawPixmap(windowArea.topLeft() - canvas.topLeft(), windowPicture);
  const QPoint overlayCorner = overlayArea.topLeft() - canvas.topLeft();
  painter.drawPixmap(overlayCorner, overlay->grab());
  // Without a window manager nothing frames the overlay, so it gets a line.
  painter.setPen(QColor(96, 96, 96));
  painter.drawRect(QRect(overlayCorner, overlayArea.size() - QSize(1, 1)));
  return picture;
}

}  // namespace cadenzo
