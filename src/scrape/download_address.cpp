#include "scrape/flow_steps.h"
#include "web/fetchers.h"

namespace cadenzo {

void ResolveDownloadAddress(AppState& state, UiFacilities& ui, const SiteEndpoints& site,
                            ListId list) {
  const ReportList& rows = ui.List(list);
  const Text songId = rows.GetCell(rows.RowCount() - 1, 2);
  const Text page = XmlHttpGet(site.DownloadPageUrl() + songId, &ui);
  const std::vector<MatchTexts> links = SearchPage(state, kDownloadLinkPattern, page);
  // A song without a link has no address; what the field held before belongs
  // to another song, or is a whole exported document.
  if (links.empty()) state.addressText.clear();
  for (const MatchTexts& link : links) {
    state.addressText = link[1];
    ui.PumpEvents();
    if (ui.WindowGone()) return;
  }
}

}  // namespace cadenzo
