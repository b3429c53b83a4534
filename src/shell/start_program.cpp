#include "shell/start_program.h"

#include <QApplication>
#include <QFile>
#include <filesystem>
#include <system_error>

#include "shell/core/app_state.h"
#include "shell/main_window.h"
#include "shell/scraping_actions.h"

namespace cadenzo {
namespace {

std::filesystem::path ProgramDirectory() {
  return std::filesystem::path(
      QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString());
}

}  // namespace

int StartProgram(int argc, char** argv) {
  QApplication application(argc, argv);
  // The window ends the program itself when it closes; a message box closed
  // while the window sits in the tray must not.
  QApplication::setQuitOnLastWindowClosed(false);
  const std::filesystem::path programDir = ProgramDirectory();
  std::error_code ignored;
  std::filesystem::current_path(programDir, ignored);

  AppState state;
  CreateSharedRegex(state);
  int exitCode = 0;
  {
    MainWindow window(state, programDir);
    window.SetActions(ScrapingActions(state, window, SiteEndpoints::Built()));
    window.show();
    exitCode = QApplication::exec();
  }
  ExitCleanup(state);
  return exitCode;
}

}  // namespace cadenzo
