#pragma once

#include <QTemporaryDir>
#include <filesystem>
#include <memory>

#include "shell/core/app_state.h"
#include "shell/driving/modal_watcher.h"
#include "shell/main_window.h"

namespace cadenzo::testing {

// A shown main window over a program directory of its own, holding a singer
// index with the given GBK content (none when not given).
class WindowFixture {
 public:
  explicit WindowFixture(const std::optional<Bytes>& index = std::nullopt);
  ~WindowFixture();

  MainWindow& Window() { return *window_; }
  AppState& State() { return state_; }
  ModalWatcher& Watcher() { return watcher_; }
  const std::filesystem::path& ProgramDir() const { return programDir_; }

  template <typename Widget>
  Widget* Find(const char16_t* name) {
    return window_->findChild<Widget*>(QString::fromUtf16(name));
  }
  // Types Chinese text as an input method would.
  static void Type(QWidget* box, const QString& text);
  // Types the keyword into the search box and presses Enter.
  void SearchByEnter(const QString& keyword);
  // What a right-click in a list's rows area delivers: a context menu event at
  // that point.
  void RightClick(const char16_t* listName, QPoint point);
  // The centre of a row of a list, in its rows area's coordinates.
  QPoint RowCentre(const char16_t* listName, int row);

 private:
  QTemporaryDir dir_;
  std::filesystem::path programDir_;
  AppState state_;
  ModalWatcher watcher_;
  std::unique_ptr<MainWindow> window_;
};

}  // namespace cadenzo::testing
