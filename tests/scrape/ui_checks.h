#pragma once

#include <vector>

#include "shell/core/report_list.h"
#include "support/fake_ui.h"

namespace cadenzo::testing {

inline std::vector<Text> Column(const ReportList& list, int column) {
  std::vector<Text> texts;
  for (int row = 0; row < list.RowCount(); ++row) texts.push_back(list.GetCell(row, column));
  return texts;
}

inline std::vector<std::vector<Text>> Rows(const ReportList& list) {
  std::vector<std::vector<Text>> rows;
  for (int row = 0; row < list.RowCount(); ++row) {
    rows.emplace_back();
    for (int column = 0; column < list.ColumnCount(); ++column) {
      rows.back().push_back(list.GetCell(row, column));
    }
  }
  return rows;
}

// The texts of the messages shown, each marked when it is not an information
// box titled "提示", as every closing message of the flows is.
inline std::vector<Text> Notices(const FakeUi& ui) {
  std::vector<Text> texts;
  for (const FakeUi::Message& message : ui.Messages()) {
    const bool notice = message.style == kStyleInformation && message.title == Text("提示");
    texts.push_back(notice ? message.text : "(not a notice) " + message.text);
  }
  return texts;
}

}  // namespace cadenzo::testing
