#pragma once

#include <vector>

#include "text/text.h"

namespace cadenzo {

// The rows that the step-by-step removal of repeated titles deletes, as 0-based
// indexes into `titles`, ascending.
//
// The removal runs passes until one deletes nothing. A pass takes each position
// i in turn and compares its row with the row at every other position j, from
// the first on, deleting row j when the titles are equal; after a deletion the
// row that moved up into position j is not compared, and when j was before i,
// position i now holds the row after the one compared so far. Titles compare
// byte for byte.
std::vector<int> DuplicateRowsToDelete(const std::vector<Text>& titles);

}  // namespace cadenzo
