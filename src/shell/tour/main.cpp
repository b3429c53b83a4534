// cadenzo-tour: a guided tour of the real window, for machines without a
// display. The program itself takes no command line; this demo tool does.
#include <QApplication>
#include <QFile>
#include <cstdio>

#include "shell/tour/guided_tour.h"

namespace {

constexpr char kUsage[] =
    "usage: cadenzo-tour FOLDER [SITE_ROOT]\n"
    "  FOLDER     the program directory: holds the singer index, receives the\n"
    "             pictures of every step and the exports\n"
    "  SITE_ROOT  the catalogue site, e.g. http://127.0.0.1:8377 (default: the\n"
    "             site the program was built for)\n";

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  // Pictures need no screen; a display is used only when asked for.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  cadenzo::SiteEndpoints site = cadenzo::SiteEndpoints::Built();
  if (argc == 3) site.root = argv[2];
  const std::filesystem::path folder(argv[1]);
  if (!cadenzo::RunGuidedTour(std::filesystem::absolute(folder), site)) return 1;
  std::puts("tour done");
  return 0;
}
