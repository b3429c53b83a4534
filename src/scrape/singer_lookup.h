#pragma once

#include <filesystem>

#include "shell/core/ui_facilities.h"

namespace cadenzo {

// What the empty search box shows; a box holding exactly this counts as empty.
inline constexpr char kSearchPlaceholder[] = "输入歌手名字";
inline constexpr char kKeywordMissingMessage[] = "请输入歌手关键字!";
inline constexpr char kPromptTitle[] = "提示";

// Lists in 超级列表框1 the singers of "歌手ID.txt" in `programDir` whose name
// holds the keyword of 编辑框1. The keyword is read again for every line, and
// window events run after every line; a missing index file gives an empty list.
// Lines without an ID field and a name field are skipped.
void SearchSingers(UiFacilities& ui, const std::filesystem::path& programDir);

}  // namespace cadenzo
