#pragma once

#include <filesystem>
#include <string>

#include "site/catalogue.h"

namespace cadenzo::site {

// The singer index the program reads: one line "ID----name" per singer, in
// catalogue order, each ended by CR LF, in GBK.
std::string SingerIndexBytes(const Catalogue& catalogue);

// Writes the index as "歌手ID.txt" into `folder`, replacing any file there;
// false when it cannot be written.
bool WriteSingerIndex(const Catalogue& catalogue, const std::filesystem::path& folder);

}  // namespace cadenzo::site
