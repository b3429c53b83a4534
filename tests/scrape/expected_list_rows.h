#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "site/expected_rows.h"
#include "text/text.h"

namespace cadenzo::testing {

// Rows as a result list holds them: running number, title, ID, address; the
// rows at the 0-based positions in `removed` (ascending) were taken out and
// leave gaps in the numbering.
inline std::vector<std::vector<Text>> Numbered(const std::vector<site::ExpectedRow>& rows,
                                               const std::vector<int>& removed = {}) {
  std::vector<std::vector<Text>> numbered;
  for (std::size_t row = 0; row < rows.size(); ++row) {
    if (std::binary_search(removed.begin(), removed.end(), static_cast<int>(row))) continue;
    numbered.push_back({std::to_string(row + 1), rows[row].title, rows[row].id, rows[row].address});
  }
  return numbered;
}

}  // namespace cadenzo::testing
