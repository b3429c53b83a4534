#pragma once

#include <algorithm>
#include <atomic>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "scrape/scrape_ops.h"

namespace cadenzo {

// The duplicate removal's work, shared by the benchmarks that run it through a
// fake user-interface thread and through the real window.

using RemovalRoutine = void (*)(UiFacilities& ui, ListId list, int column);

// `rows` titles, every title twice, in shuffled order.
inline std::vector<Text> HalfRepeated(int rows) {
  std::vector<Text> titles;
  for (int i = 0; i < rows; ++i) titles.push_back("歌曲" + std::to_string(i / 2));
  std::shuffle(titles.begin(), titles.end(), std::mt19937(rows));
  return titles;
}

inline void FillTitles(ReportList& list, const std::vector<Text>& titles) {
  list.DeleteAllRows();
  for (const Text& title : titles) list.SetCell(list.AppendRow(), 1, title);
}

// The passes with one UI-thread call for each row count, cell and deletion:
// what the removal costs when every list operation crosses threads.
inline void RemovePerOperation(UiFacilities& ui, ListId id, int column) {
  const auto rowCount = [&] {
    int count = 0;
    ui.RunOnUiThread([&] { count = ui.List(id).RowCount(); });
    return count;
  };
  const auto cell = [&](int row) {
    Text text;
    ui.RunOnUiThread([&] { text = ui.List(id).GetCell(row, column); });
    return text;
  };
  bool deleted = true;
  while (deleted) {
    deleted = false;
    for (int i = 1; i <= rowCount(); ++i) {
      for (int j = 1; i <= rowCount() && j <= rowCount(); ++j) {
        if (j == i || cell(i - 1) != cell(j - 1)) continue;
        ui.RunOnUiThread([&] { ui.List(id).DeleteRow(j - 1); });
        deleted = true;
      }
    }
  }
}

// A worker runs `removal` on 超级列表框2 while this thread, the user-interface
// thread, waits for it as the removal's launcher does.
inline void RemoveOnWorker(UiFacilities& ui, RemovalRoutine removal) {
  std::atomic<bool> done{false};
  std::thread worker([&] {
    removal(ui, ListId::超级列表框2, 1);
    done.store(true, std::memory_order_release);
  });
  while (!done.load(std::memory_order_acquire)) ui.DelayWithEvents(10);
  worker.join();
}

}  // namespace cadenzo
