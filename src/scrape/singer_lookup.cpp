#include "scrape/singer_lookup.h"

#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "text/text_primitives.h"

namespace cadenzo {
namespace {

// GBK trail bytes start at 0x40, so neither separator can hide inside a
// double-byte character and a plain byte search is safe.
constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kFieldSeparator = "----";

struct IndexEntry {
  std::string_view singerId;
  std::string_view singerName;
};

Bytes ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return std::move(bytes).str();
}

// A final line break adds no empty line.
std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t end = text.find(kLineBreak);
    lines.push_back(text.substr(0, end));
    text =
        end == std::string_view::npos ? std::string_view() : text.substr(end + kLineBreak.size());
  }
  return lines;
}

// The ID is the text before the first separator and the name the text up to the
// next one; a line without a non-empty part after its first separator has no name.
std::optional<IndexEntry> ParseIndexLine(std::string_view line) {
  const std::size_t idEnd = line.find(kFieldSeparator);
  if (idEnd == std::string_view::npos) return std::nullopt;
  const std::string_view rest = line.substr(idEnd + kFieldSeparator.size());
  if (rest.empty()) return std::nullopt;
  return IndexEntry{line.substr(0, idEnd), rest.substr(0, rest.find(kFieldSeparator))};
}

void ListIfMatching(UiFacilities& ui, std::string_view line) {
  const std::optional<IndexEntry> entry = ParseIndexLine(line);
  if (!entry) return;
  const Text keyword = ui.EditText(EditBoxId::编辑框1);
  if (FindText(entry->singerName, keyword) == -1) return;
  ReportList& singers = ui.List(ListId::超级列表框1);
  const int row = singers.AppendRow();
  singers.SetCell(row, 0, std::to_string(row + 1));
  singers.SetCell(row, 1, Text(entry->singerName));
  singers.SetCell(row, 2, Text(entry->singerId));
}

}  // namespace

void SearchSingers(UiFacilities& ui, const std::filesystem::path& programDir) {
  const Text keyword = ui.EditText(EditBoxId::编辑框1);
  if (keyword.empty() || keyword == kSearchPlaceholder) {
    ui.ShowMessage(kKeywordMissingMessage, kStyleError, Text(kPromptTitle));
    return;
  }
  const Text index = AsText(ReadWholeFile(programDir / u8"歌手ID.txt"));
  ui.List(ListId::超级列表框1).DeleteAllRows();
  for (const std::string_view line : SplitLines(index)) {
    if (ui.WindowGone()) return;
    ListIfMatching(ui, line);
    ui.PumpEvents();
  }
}

}  // namespace cadenzo
