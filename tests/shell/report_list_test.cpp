#include "shell/core/report_list.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace cadenzo {
namespace {

// A list of `rows` rows of two columns; cell (r, 0) holds "r".
ReportList ListOfRows(int rows) {
  ReportList list(2);
  for (int row = 0; row < rows; ++row) list.SetCell(list.AppendRow(), 0, std::to_string(row));
  return list;
}

std::vector<Text> FirstColumn(const ReportList& list) {
  std::vector<Text> cells;
  for (int row = 0; row < list.RowCount(); ++row) cells.push_back(list.GetCell(row, 0));
  return cells;
}

struct RowOperationCase {
  const char* name;
  int rowsBefore;
  int selectedBefore;
  std::function<int(ReportList&)> operation;  // returns the operation's answer, if it has one
  int answer;
  std::vector<Text> rowsAfter;
  int selectedAfter;
};

void PrintTo(const RowOperationCase& c, std::ostream* os) {
  *os << c.name;
}

class RowOperationTest : public testing::TestWithParam<RowOperationCase> {};

TEST_P(RowOperationTest, AnswersAndLeavesTheRowsAsStated) {
  const RowOperationCase& c = GetParam();
  ReportList list = ListOfRows(c.rowsBefore);
  list.SelectRow(c.selectedBefore);
  EXPECT_EQ(c.operation(list), c.answer);
  EXPECT_EQ(FirstColumn(list), c.rowsAfter);
  EXPECT_EQ(list.SelectedRow(), c.selectedAfter);
}

int Set(ReportList& list, int row, int column) {
  list.SetCell(row, column, "x");
  return 0;
}
int Delete(ReportList& list, int row) {
  list.DeleteRow(row);
  return 0;
}
int Get(const ReportList& list, int row, int column) {
  return static_cast<int>(list.GetCell(row, column).size());
}

const RowOperationCase kRowOperationCases[] = {
    {"AppendToEmptyAnswersZero", 0, -1, [](ReportList& l) { return l.AppendRow(); }, 0, {""}, -1},
    {"AppendToFiveAnswersFive",
     5,
     -1,
     [](ReportList& l) { return l.AppendRow(); },
     5,
     {"0", "1", "2", "3", "4", ""},
     -1},
    {"SetCellInRange", 2, -1, [](ReportList& l) { return Set(l, 1, 0); }, 0, {"0", "x"}, -1},
    {"SetCellRowMinusOne", 2, -1, [](ReportList& l) { return Set(l, -1, 0); }, 0, {"0", "1"}, -1},
    {"SetCellRowPastEnd", 2, -1, [](ReportList& l) { return Set(l, 2, 0); }, 0, {"0", "1"}, -1},
    {"SetCellColumnPastEnd",
     2,
     -1,
     [](ReportList& l) { return Set(l, 0, 2) + static_cast<int>(l.GetCell(0, 1).size()); },
     0,
     {"0", "1"},
     -1},
    {"GetCellRowMinusOneIsEmpty",
     2,
     -1,
     [](ReportList& l) { return Get(l, -1, 0); },
     0,
     {"0", "1"},
     -1},
    {"GetCellColumnPastEndIsEmpty",
     2,
     -1,
     [](ReportList& l) { return Get(l, 0, 2); },
     0,
     {"0", "1"},
     -1},
    {"GetCellNegativeColumnIsEmpty",
     2,
     -1,
     [](ReportList& l) { return Get(l, 0, -1); },
     0,
     {"0", "1"},
     -1},
    {"RowCount", 3, -1, [](ReportList& l) { return l.RowCount(); }, 3, {"0", "1", "2"}, -1},
    {"DeleteMiddleMovesLaterRowsUp",
     3,
     -1,
     [](ReportList& l) { return Delete(l, 1); },
     0,
     {"0", "2"},
     -1},
    {"DeleteRowMinusOneChangesNothing",
     3,
     -1,
     [](ReportList& l) { return Delete(l, -1); },
     0,
     {"0", "1", "2"},
     -1},
    {"DeleteRowPastEndChangesNothing",
     3,
     -1,
     [](ReportList& l) { return Delete(l, 3); },
     0,
     {"0", "1", "2"},
     -1},
    {"DeleteSelectedRowClearsSelection",
     3,
     1,
     [](ReportList& l) { return Delete(l, 1); },
     0,
     {"0", "2"},
     -1},
    {"SelectionFollowsItsRowUp",
     3,
     2,
     [](ReportList& l) { return Delete(l, 0); },
     0,
     {"1", "2"},
     1},
    {"SelectionBeforeDeletedRowStays",
     3,
     0,
     [](ReportList& l) { return Delete(l, 2); },
     0,
     {"0", "1"},
     0},
    {"DeleteAllRows", 3, 1, [](ReportList& l) { return l.DeleteAllRows(), 0; }, 0, {}, -1},
    {"NothingSelectedIsMinusOne",
     3,
     -1,
     [](ReportList& l) { return l.SelectedRow(); },
     -1,
     {"0", "1", "2"},
     -1},
    {"SelectingNoRowClearsSelection",
     3,
     1,
     [](ReportList& l) { return l.SelectRow(7), 0; },
     0,
     {"0", "1", "2"},
     -1},
};

INSTANTIATE_TEST_SUITE_P(ReportList, RowOperationTest, testing::ValuesIn(kRowOperationCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReportListTest, CellKeepsLongTextWhole) {
  ReportList list(4);
  const Text address(100000, 'a');
  list.SetCell(list.AppendRow(), 3, address);
  EXPECT_EQ(list.GetCell(0, 3), address);
}

}  // namespace
}  // namespace cadenzo
