#pragma once

#include <functional>
#include <thread>

#include "scrape/scrape_ops.h"

namespace cadenzo {

// Starts a thread running `work`; a thread that is not joinable when none could
// be started.
using ThreadStarter = std::thread (*)(std::function<void()> work);

std::thread StartThread(std::function<void()> work);

// RemoveDuplicateSongs with the thread starter given. When no thread starts,
// the removal runs on the calling thread and still ends with its message.
void RemoveDuplicateSongs(AppState& state, UiFacilities& ui, ThreadStarter startThread);

}  // namespace cadenzo
