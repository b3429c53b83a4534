#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "scrape/flow_progress.h"
#include "scrape/pattern_search.h"
#include "scrape/scrape_ops.h"

namespace cadenzo {

// Steps the list flows share. Those that let window events run return false
// once the window is gone, so the flow can skip the rest.

// The first page of a list, fetched with WebRequest and turned into GBK.
Text FetchProbeText(Text url, UiFacilities& ui);

// Compiles `pattern` into `sharedRegex` and returns every match in `text`.
std::vector<MatchTexts> SearchPage(AppState& state, std::string_view pattern,
                                   std::string_view text);

// Fetches pages 1 to `pageCount` of the list at `listUrl`, each shown in
// `progress`, and hands the matches of `pattern` on each to `addRows`, which
// says whether the window is still there.
using RowAdder = std::function<bool(const std::vector<MatchTexts>& matches)>;
bool WalkListPages(AppState& state, FlowProgress& progress, const Text& listUrl,
                   std::string_view pattern, const RowAdder& addRows);

// Appends a row of running number, title (group 3) and ID (group 1); returns
// its index.
int AppendEntryRow(ReportList& list, const MatchTexts& match);

// One row per match, each with its download address and counted in
// `progress`, letting window events run after each row.
bool AppendSongRows(AppState& state, UiFacilities& ui, const SiteEndpoints& site, ListId list,
                    const std::vector<MatchTexts>& matches, FlowProgress& progress);

}  // namespace cadenzo
