#include "site/song_tag.h"

namespace cadenzo::site {
namespace {

// ID3v2 sizes carry seven bits per byte.
std::string SyncSafe(size_t size) {
  std::string bytes(4, '\0');
  for (int i = 3; i >= 0; --i) {
    bytes[i] = static_cast<char>(size & 0x7F);
    size >>= 7;
  }
  return bytes;
}

std::string TextFrame(const char* id, const std::string& text) {
  const std::string body = '\x03' + text;  // encoding 3: UTF-8
  return id + SyncSafe(body.size()) + std::string(2, '\0') + body;
}

}  // namespace

std::string SongTag(const std::string& title, const std::string& singer) {
  const std::string frames = TextFrame("TIT2", title) + TextFrame("TPE1", singer);
  return std::string("ID3\x04\x00\x00", 6) + SyncSafe(frames.size()) + frames;
}

}  // namespace cadenzo::site
