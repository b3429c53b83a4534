#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

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

}  // namespace
}  // namespace cadenzo

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
}
