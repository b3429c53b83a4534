// Writes the program's own icon, as the window draws it, to a PNG for the
// desktop: cadenzo-icon-writer FILE SIZE.
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <cstdio>
#include <cstdlib>

#include "shell/tray_icon.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("usage: cadenzo-icon-writer FILE SIZE\n", stderr);
    return 2;
  }
  QGuiApplication application(argc, argv);
  const int size = std::atoi(argv[2]);
  const QPixmap picture = cadenzo::TrayIcon().pixmap(size, size);
  if (picture.width() != size || !picture.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fprintf(stderr, "cadenzo-icon-writer: cannot write a %d px icon to %s\n", size, argv[1]);
    return 1;
  }
  return 0;
}
