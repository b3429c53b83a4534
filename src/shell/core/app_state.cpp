#include "shell/core/app_state.h"

#include <boost/regex.hpp>

namespace cadenzo {

AppState::AppState() = default;
AppState::~AppState() = default;

void CreateSharedRegex(AppState& state) {
  state.sharedRegex = std::make_unique<boost::regex>();
}

void ExitCleanup(AppState& state) {
  state.sharedRegex.reset();
  state.addressText.clear();
  state.singerId.clear();
  state.pageCount.clear();
}

}  // namespace cadenzo
