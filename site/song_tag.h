#pragma once

#include <string>

namespace cadenzo::site {

// What a download address serves: an ID3v2.4 tag naming the song and the
// singer (UTF-8 frames) and no audio, so a player shows what the link was.
std::string SongTag(const std::string& title, const std::string& singer);

}  // namespace cadenzo::site
