#pragma once

#include "scrape/site_patterns.h"
#include "shell/core/app_state.h"
#include "shell/core/ui_facilities.h"

namespace cadenzo {

// Writes the rows of `list` as links into the working directory, in a file
// named after 编辑框2 plus ".html", and tells the user where it went. The
// document stays in `addressText` (the heading alone when nothing was built).
// An empty name or one that would leave the working directory writes nothing;
// a failed write is reported as such. Runs no window events.
void ExportAddressList(AppState& state, UiFacilities& ui, ListId list, const SiteEndpoints& site);

}  // namespace cadenzo
