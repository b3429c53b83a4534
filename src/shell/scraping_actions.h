#pragma once

#include "scrape/site_patterns.h"
#include "shell/core/app_state.h"
#include "shell/shell_actions.h"

namespace cadenzo {

// The menu items and export buttons bound to the scraping flows on `site`.
ShellActions ScrapingActions(AppState& state, UiFacilities& ui, const SiteEndpoints& site);

}  // namespace cadenzo
