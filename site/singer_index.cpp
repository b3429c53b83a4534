#include "site/singer_index.h"

#include <fstream>

#include "text/code_pages.h"

namespace cadenzo::site {

std::string SingerIndexBytes(const Catalogue& catalogue) {
  std::string index;
  for (const Singer& singer : catalogue.Singers()) {
    index += singer.id + "----" + Utf8BytesToGbk(singer.name) + "\r\n";
  }
  return index;
}

bool WriteSingerIndex(const Catalogue& catalogue, const std::filesystem::path& folder) {
  std::ofstream file(folder / u8"歌手ID.txt", std::ios::binary | std::ios::trunc);
  const std::string index = SingerIndexBytes(catalogue);
  file.write(index.data(), static_cast<std::streamsize>(index.size()));
  file.close();
  return !file.fail();
}

}  // namespace cadenzo::site
