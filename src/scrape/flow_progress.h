#pragma once

#include <string_view>

#include "shell/core/ui_facilities.h"

namespace cadenzo {

// What a flow is doing, shown in the window's caption: a step of its own, or a
// step with the rows listed so far ("第2/3页 已取12首"). The caption goes back to
// rest when the flow's progress goes out of scope, however the flow ends.
class FlowProgress {
 public:
  // `unit` counts the rows: "首" for songs, "张专辑" for albums.
  FlowProgress(UiFacilities& ui, std::string_view unit) : ui_(ui), unit_(unit) {}
  ~FlowProgress() { ui_.ShowProgress({}); }
  FlowProgress(const FlowProgress&) = delete;
  FlowProgress& operator=(const FlowProgress&) = delete;

  // A step that lists no rows, shown as it is.
  void Show(const Text& detail);
  // A step that lists rows: shown with the count so far, and again for each row.
  void BeginStep(const Text& step);
  void AddRow();

 private:
  void ShowStep();

  UiFacilities& ui_;
  const Text unit_;
  Text step_;
  int rows_ = 0;
};

// "第2/3页": the page being fetched out of the page count.
Text PageStep(int page, int pages);

}  // namespace cadenzo
