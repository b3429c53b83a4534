#include "scrape/duplicate_removal.h"

#include <gtest/gtest.h>

#include <random>

#include "scrape/duplicate_passes.h"
#include "support/fake_ui.h"
#include "ui_checks.h"

namespace cadenzo {
namespace {

using testing::Column;
using testing::FakeUi;
using testing::Notices;

constexpr ListId kSongs = ListId::超级列表框2;

void FillList(ReportList& list, const std::vector<Text>& titles) {
  for (const Text& title : titles) {
    const int row = list.AppendRow();
    list.SetCell(row, 0, std::to_string(row + 1));
    list.SetCell(row, 1, title);
  }
}

// The passes exactly as the removal is described, one list operation at a time.
void StepByStepRemoval(ReportList& list, int column) {
  bool deleted = true;
  while (deleted) {
    deleted = false;
    for (int i = 1; i <= list.RowCount(); ++i) {
      for (int j = 1; i <= list.RowCount() && j <= list.RowCount(); ++j) {
        if (j == i) continue;
        if (list.GetCell(i - 1, column) == list.GetCell(j - 1, column)) {
          list.DeleteRow(j - 1);
          deleted = true;
        }
      }
    }
  }
}

struct SurvivorCase {
  const char* name;
  std::vector<Text> titles;
  std::vector<Text> survivors;  // running numbers
};

const SurvivorCase kSurvivorCases[] = {
    {"titles differing in letter case", {"A", "a"}, {"1", "2"}},
    {"titles differing in a blank", {"A", "A "}, {"1", "2"}},
    {"A A", {"A", "A"}, {"1"}},
    {"A A A", {"A", "A", "A"}, {"3"}},
    {"four A", std::vector<Text>(4, "A"), {"3"}},
    {"eight A", std::vector<Text>(8, "A"), {"3"}},
    {"nine A", std::vector<Text>(9, "A"), {"5"}},
    {"A A B A A", {"A", "A", "B", "A", "A"}, {"3", "5"}},
    {"B A A A", {"B", "A", "A", "A"}, {"1", "4"}},
    {"A A B", {"A", "A", "B"}, {"1", "3"}},
    {"A B A", {"A", "B", "A"}, {"1", "2"}},
    {"two empty titles", {"", ""}, {"1"}},
    {"one empty title", {""}, {"1"}},
    {"Chinese titles", {"月光", "半夏", "月光"}, {"1", "2"}},
    {"empty list", {}, {}},
};

TEST(DuplicateRemovalTest, KeepsTheRowsTheStepByStepPassesKeep) {
  for (const SurvivorCase& c : kSurvivorCases) {
    FakeUi ui;
    FillList(ui.List(kSongs), c.titles);
    RemoveDuplicateRows(ui, kSongs, 1);
    EXPECT_EQ(Column(ui.List(kSongs), 0), c.survivors) << c.name;

    ReportList reference(4);
    FillList(reference, c.titles);
    StepByStepRemoval(reference, 1);
    EXPECT_EQ(Column(reference, 0), c.survivors) << c.name << " (step by step)";
  }
}

TEST(DuplicateRemovalTest, AgreesWithTheStepByStepPassesOnRandomLists) {
  std::mt19937 random(5);
  const Text alphabet[] = {"A", "B", "C", "", "a"};
  for (int round = 0; round < 3000; ++round) {
    std::vector<Text> titles(random() % 14);
    for (Text& title : titles) title = alphabet[random() % (1 + round % std::size(alphabet))];
    ReportList reference(4);
    FillList(reference, titles);
    StepByStepRemoval(reference, 1);

    std::vector<Text> survivors;
    const std::vector<int> deleted = DuplicateRowsToDelete(titles);
    for (std::size_t row = 0; row < titles.size(); ++row) {
      if (!std::binary_search(deleted.begin(), deleted.end(), static_cast<int>(row))) {
        survivors.push_back(std::to_string(row + 1));
      }
    }
    ASSERT_EQ(survivors, Column(reference, 0)) << ::testing::PrintToString(titles);
  }
}

// Records on which thread the list is changed.
class ThreadRecorder : public ReportListObserver {
 public:
  void RowsAboutToBeInserted(int, int) override {}
  void RowsInserted() override {}
  void RowsAboutToBeRemoved(int, int) override { threads.push_back(std::this_thread::get_id()); }
  void RowsRemoved() override {}
  void CellChanged(int, int) override {}
  void SelectionChanged(int) override {}
  std::vector<std::thread::id> threads;
};

TEST(DuplicateRemovalTest, WorkerChangesTheListOnlyOnTheUiThreadThenSaysSo) {
  AppState state;
  FakeUi ui;
  FillList(ui.List(kSongs), {"A", "B", "A", "B", "C"});
  ThreadRecorder recorder;
  ui.List(kSongs).SetObserver(&recorder);

  RemoveDuplicateSongs(state, ui);

  EXPECT_EQ(Column(ui.List(kSongs), 0), (std::vector<Text>{"1", "2", "5"}));
  EXPECT_EQ(recorder.threads, std::vector<std::thread::id>(2, std::this_thread::get_id()));
  EXPECT_TRUE(state.dedupeDone.load());
  EXPECT_EQ(Notices(ui), (std::vector<Text>{"去重复完成!"}));
}

TEST(DuplicateRemovalTest, EndsAndSaysSoWhateverHappens) {
  struct Case {
    const char* name;
    std::vector<Text> titles;
    ThreadStarter startThread;
    std::vector<Text> survivors;
  };
  const Case cases[] = {
      {"empty list", {}, StartThread, {}},
      {"no thread can be started",
       {"A", "A", "B"},
       [](std::function<void()>) { return std::thread(); },
       {"1", "3"}},
  };
  for (const Case& c : cases) {
    AppState state;
    FakeUi ui;
    FillList(ui.List(kSongs), c.titles);
    RemoveDuplicateSongs(state, ui, c.startThread);
    EXPECT_EQ(Column(ui.List(kSongs), 0), c.survivors) << c.name;
    EXPECT_TRUE(state.dedupeDone.load()) << c.name;
    EXPECT_EQ(Notices(ui), std::vector<Text>{"去重复完成!"}) << c.name;
  }
}

TEST(DuplicateRemovalTest, FinishesTheRemovalWithoutAMessageWhenTheWindowCloses) {
  AppState state;
  FakeUi ui;
  FillList(ui.List(kSongs), {"A", "A"});
  ui.onPump = [&] { ui.SetWindowGone(); };
  RemoveDuplicateSongs(state, ui);
  EXPECT_EQ(Column(ui.List(kSongs), 0), std::vector<Text>{"1"});
  EXPECT_TRUE(ui.Messages().empty());
}

// A handler replaces the list between the worker's reading and its deleting.
class ListReplacingUi : public FakeUi {
 public:
  void RunOnUiThread(const std::function<void()>& call) override {
    FakeUi::RunOnUiThread([&] {
      call();
      if (++calls_ != 1) return;
      List(kSongs).DeleteAllRows();
      FillList(List(kSongs), {"X", "Y", "Z", "Z"});
    });
  }

 private:
  int calls_ = 0;
};

TEST(DuplicateRemovalTest, WorksOnTheListAsItStandsWhenAHandlerChangedIt) {
  AppState state;
  ListReplacingUi ui;
  FillList(ui.List(kSongs), {"A", "A", "C"});
  RemoveDuplicateSongs(state, ui);
  EXPECT_EQ(Column(ui.List(kSongs), 1), (std::vector<Text>{"X", "Y", "Z"}));
}

}  // namespace
}  // namespace cadenzo
