#include "scrape/flow_progress.h"

#include <string>

namespace cadenzo {

void FlowProgress::Show(const Text& detail) {
  step_.clear();
  ui_.ShowProgress(detail);
}

void FlowProgress::BeginStep(const Text& step) {
  step_ = step;
  ShowStep();
}

void FlowProgress::AddRow() {
  ++rows_;
  if (!step_.empty()) ShowStep();
}

void FlowProgress::ShowStep() {
  ui_.ShowProgress(step_ + " 已取" + std::to_string(rows_) + unit_);
}

Text PageStep(int page, int pages) {
  return "第" + std::to_string(page) + "/" + std::to_string(pages) + "页";
}

}  // namespace cadenzo
