#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "removal_workload.h"
#include "scrape/singer_lookup.h"
#include "shell/core/app_state.h"
#include "shell/main_window.h"

namespace cadenzo {
namespace {

constexpr int kIndexLines = 100000;

// Every tenth singer has 王 in the name; the others share no character with it.
void WriteIndex(const std::filesystem::path& dir) {
  std::ofstream index(dir / u8"歌手ID.txt", std::ios::binary);
  for (int line = 0; line < kIndexLines; ++line) {
    index << 100000 + line << "----" << (line % 10 == 0 ? "王" : "张") << "歌手" << line << "\r\n";
  }
}

// The real window on the offscreen platform, pumping its events after every
// line of the index as the search does for the user.
void BM_SearchSingers(benchmark::State& state) {
  QTemporaryDir dir;
  const std::filesystem::path programDir = dir.path().toStdString();
  WriteIndex(programDir);
  AppState appState;
  MainWindow window(appState, programDir);
  window.show();
  window.DelayWithEvents(50);
  window.SetEditText(EditBoxId::编辑框1, "王");
  for (auto _ : state) SearchSingers(window, programDir);
  state.counters["rows"] = window.List(ListId::超级列表框1).RowCount();
}
BENCHMARK(BM_SearchSingers)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The duplicate removal through the real window's marshalling onto its thread,
// with the rows shown in its list: a worker asks, the window's thread answers
// while it waits in DelayWithEvents.
void RemovalThroughWindow(benchmark::State& state, RemovalRoutine removal) {
  QTemporaryDir dir;
  AppState appState;
  MainWindow window(appState, dir.path().toStdString());
  window.show();
  const std::vector<Text> titles = HalfRepeated(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    FillTitles(window.List(ListId::超级列表框2), titles);
    window.DelayWithEvents(50);
    state.ResumeTiming();
    RemoveOnWorker(window, removal);
  }
  state.counters["rows_left"] = window.List(ListId::超级列表框2).RowCount();
}

void BM_RemoveDuplicateRowsInWindow(benchmark::State& state) {
  RemovalThroughWindow(state, RemoveDuplicateRows);
}
void BM_RemovePerOperationInWindow(benchmark::State& state) {
  RemovalThroughWindow(state, RemovePerOperation);
}
BENCHMARK(BM_RemoveDuplicateRowsInWindow)
    ->Arg(300)
    ->Arg(5000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_RemovePerOperationInWindow)
    ->Arg(100)
    ->Arg(300)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace cadenzo

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
}
