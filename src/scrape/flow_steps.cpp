#include "scrape/flow_steps.h"

#include <string>

#include "text/code_pages.h"
#include "text/text_primitives.h"
#include "web/fetchers.h"
#include "web/web_request.h"

namespace cadenzo {

Text FetchProbeText(Text url, UiFacilities& ui) {
  return Utf8BytesToGbk(WebRequest(url, {}, &ui));
}

std::vector<MatchTexts> SearchPage(AppState& state, std::string_view pattern,
                                   std::string_view text) {
  CompilePattern(*state.sharedRegex, pattern);
  return FindAllMatches(*state.sharedRegex, text);
}

bool WalkListPages(AppState& state, FlowProgress& progress, const Text& listUrl,
                   std::string_view pattern, const RowAdder& addRows) {
  const int pages = TextToInteger(state.pageCount);
  for (int page = 1; page <= pages; ++page) {
    progress.BeginStep(PageStep(page, pages));
    const Text text = Utf8BytesToGbk(FetchPage(listUrl + PagesParam(page)));
    if (!addRows(SearchPage(state, pattern, text))) return false;
  }
  return true;
}

int AppendEntryRow(ReportList& list, const MatchTexts& match) {
  const int row = list.AppendRow();
  list.SetCell(row, 0, std::to_string(row + 1));
  list.SetCell(row, 1, match[3]);
  list.SetCell(row, 2, match[1]);
  return row;
}

bool AppendSongRows(AppState& state, UiFacilities& ui, const SiteEndpoints& site, ListId list,
                    const std::vector<MatchTexts>& matches, FlowProgress& progress) {
  for (const MatchTexts& match : matches) {
    const int row = AppendEntryRow(ui.List(list), match);
    ResolveDownloadAddress(state, ui, site, list);
    if (ui.WindowGone()) return false;
    ui.List(list).SetCell(row, 3, state.addressText);
    progress.AddRow();
    ui.PumpEvents();
    if (ui.WindowGone()) return false;
  }
  return true;
}

}  // namespace cadenzo
