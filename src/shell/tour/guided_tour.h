#pragma once

#include <filesystem>

#include "scrape/site_patterns.h"

namespace cadenzo {

// Drives the real window, bound to the scraping flows on `site`, through a
// singer search, the singer's songs and their export, then the singer's
// albums, one album's songs and their export, printing each step. `folder` is
// the program directory and must hold the singer index; a picture of every
// step and the two exports are written there. False at the first step that
// fails.
bool RunGuidedTour(const std::filesystem::path& folder, const SiteEndpoints& site);

}  // namespace cadenzo
