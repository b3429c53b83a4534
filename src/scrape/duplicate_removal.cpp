#include "scrape/duplicate_removal.h"

#include <system_error>

#include "scrape/duplicate_passes.h"

namespace cadenzo {
namespace {

std::vector<Text> ColumnTexts(const ReportList& list, int column) {
  std::vector<Text> texts;
  texts.reserve(static_cast<std::size_t>(list.RowCount()));
  for (int row = 0; row < list.RowCount(); ++row) texts.push_back(list.GetCell(row, column));
  return texts;
}

// `rows` ascending; deleting from the last keeps the others' indexes valid.
void DeleteRows(ReportList& list, const std::vector<int>& rows) {
  for (auto row = rows.rbegin(); row != rows.rend(); ++row) list.DeleteRow(*row);
}

}  // namespace

std::thread StartThread(std::function<void()> work) {
  try {
    return std::thread(std::move(work));
  } catch (const std::system_error&) {
    return {};
  }
}

void RemoveDuplicateRows(UiFacilities& ui, ListId list, int column) {
  // Two calls into the user-interface thread, not one per cell: per cell, a
  // thousand songs would take tens of seconds.
  std::vector<Text> titles;
  ui.RunOnUiThread([&] { titles = ColumnTexts(ui.List(list), column); });
  const std::vector<int> doomed = DuplicateRowsToDelete(titles);
  ui.RunOnUiThread([&] {
    ReportList& rows = ui.List(list);
    // A handler that ran while the removal was worked out may have changed the
    // list; the indexes found are then for another list, so work it out again.
    const std::vector<Text> current = ColumnTexts(rows, column);
    DeleteRows(rows, current == titles ? doomed : DuplicateRowsToDelete(current));
  });
}

void DuplicateRemovalWorker(AppState& state, UiFacilities& ui) {
  RemoveDuplicateRows(ui, ListId::超级列表框2, 1);
  state.dedupeDone.store(true, std::memory_order_release);
}

void RemoveDuplicateSongs(AppState& state, UiFacilities& ui, ThreadStarter startThread) {
  state.dedupeDone.store(false, std::memory_order_release);
  std::thread worker = startThread([&state, &ui] { DuplicateRemovalWorker(state, ui); });
  if (worker.joinable()) {
    // The worker's list operations run in this loop's event processing, so it
    // goes on even after the window is gone: the worker must finish before the
    // lists it works on may go.
    while (!state.dedupeDone.load(std::memory_order_acquire)) ui.DelayWithEvents(10);
    worker.join();
  } else {
    DuplicateRemovalWorker(state, ui);
  }
  if (ui.WindowGone()) return;
  ui.ShowMessage("去重复完成!", kStyleInformation, Text("提示"));
}

void RemoveDuplicateSongs(AppState& state, UiFacilities& ui) {
  RemoveDuplicateSongs(state, ui, StartThread);
}

}  // namespace cadenzo
