#include "scrape/duplicate_passes.h"

#include <algorithm>
#include <unordered_map>

namespace cadenzo {
namespace {

// The list during the passes: each row's original index and a number standing
// for its title, with how many rows carry each title.
struct RowsInPasses {
  std::vector<int> rows;
  std::vector<int> titleOf;
  std::vector<int> titleCount;
  std::vector<int> deleted;

  explicit RowsInPasses(const std::vector<Text>& titles) {
    std::unordered_map<std::string_view, int> numbers;
    for (std::size_t row = 0; row < titles.size(); ++row) {
      const auto [it, added] = numbers.try_emplace(titles[row], static_cast<int>(numbers.size()));
      if (added) titleCount.push_back(0);
      ++titleCount[it->second];
      rows.push_back(static_cast<int>(row));
      titleOf.push_back(it->second);
    }
  }

  std::size_t Size() const { return rows.size(); }
  bool HasTwin(std::size_t position) const { return titleCount[titleOf[position]] > 1; }

  void Delete(std::size_t position) {
    --titleCount[titleOf[position]];
    deleted.push_back(rows[position]);
    rows.erase(rows.begin() + static_cast<std::ptrdiff_t>(position));
    titleOf.erase(titleOf.begin() + static_cast<std::ptrdiff_t>(position));
  }
};

// Compares position i with every other position; true when it deleted a row.
// A row whose title no other row carries finds nothing to delete, and the row at
// i changes only by a deletion, so the scan ends as soon as i holds such a row.
bool CompareWithAll(RowsInPasses& list, std::size_t i) {
  bool deletedAny = false;
  for (std::size_t j = 0; j < list.Size() && i < list.Size() && list.HasTwin(i); ++j) {
    if (j == i || list.titleOf[j] != list.titleOf[i]) continue;
    list.Delete(j);
    deletedAny = true;
  }
  return deletedAny;
}

bool RunPass(RowsInPasses& list) {
  bool deletedAny = false;
  for (std::size_t i = 0; i < list.Size(); ++i) {
    if (CompareWithAll(list, i)) deletedAny = true;
  }
  return deletedAny;
}

}  // namespace

std::vector<int> DuplicateRowsToDelete(const std::vector<Text>& titles) {
  RowsInPasses list(titles);
  while (RunPass(list)) {
  }
  std::sort(list.deleted.begin(), list.deleted.end());
  return list.deleted;
}

}  // namespace cadenzo
