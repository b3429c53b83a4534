#pragma once

#include <atomic>
#include <boost/regex_fwd.hpp>
#include <memory>

#include "text/text.h"

namespace cadenzo {

// The one record of state that lives for the whole run. Handlers hand values to
// each other only through it and through the window's controls.
struct AppState {
  AppState();
  ~AppState();
  AppState(const AppState&) = delete;
  AppState& operator=(const AppState&) = delete;

  // Every scraping routine compiles its own pattern into this one object right
  // before it searches; results already taken from it survive a recompile.
  std::unique_ptr<boost::regex> sharedRegex;
  // The last download address found; the export builds its document here too.
  Text addressText;
  // The singer ID of the last right-click in the singer list.
  Text singerId;
  // The page count cut out of the last list probe, as text.
  Text pageCount;
  // Set by the duplicate-removal worker as its very last action; the only field
  // another thread touches.
  std::atomic<bool> dedupeDone{false};
};

void CreateSharedRegex(AppState& state);
void ExitCleanup(AppState& state);

}  // namespace cadenzo
