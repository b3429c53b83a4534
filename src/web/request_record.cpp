#include "web/request_record.h"

#include <cstdint>
#include <istream>

namespace cadenzo {
namespace {

// The stream holds the slot count, then each slot as its length and its bytes;
// lengths are 64-bit in the machine's byte order, since the stream never leaves
// the process.
void WriteLength(std::ostream& stream, std::uint64_t length) {
  stream.write(reinterpret_cast<const char*>(&length), sizeof length);
}

std::optional<std::uint64_t> ReadLength(std::istream& stream) {
  std::uint64_t length = 0;
  if (!stream.read(reinterpret_cast<char*>(&length), sizeof length)) return std::nullopt;
  return length;
}

std::optional<Bytes> ReadSlot(std::istream& stream) {
  const std::optional<std::uint64_t> length = ReadLength(stream);
  if (!length) return std::nullopt;
  Bytes slot;
  // Grows with the bytes actually there, so a damaged length cannot claim memory.
  constexpr std::uint64_t kPiece = 1 << 16;
  for (std::uint64_t left = *length; left > 0;) {
    const std::uint64_t piece = left < kPiece ? left : kPiece;
    const std::size_t had = slot.size();
    slot.resize(had + piece);
    if (!stream.read(slot.data() + had, static_cast<std::streamsize>(piece))) return std::nullopt;
    left -= piece;
  }
  return slot;
}

}  // namespace

bool WriteRecord(std::iostream& stream, const RequestRecord& record) {
  stream.clear();
  stream.seekp(0);
  WriteLength(stream, record.size());
  for (const Bytes& slot : record) {
    WriteLength(stream, slot.size());
    stream.write(slot.data(), static_cast<std::streamsize>(slot.size()));
  }
  stream.flush();
  return static_cast<bool>(stream);
}

std::optional<RequestRecord> ReadRecord(std::iostream& stream) {
  stream.clear();
  stream.seekg(0);
  const std::optional<std::uint64_t> count = ReadLength(stream);
  if (!count) return std::nullopt;
  RequestRecord record;
  for (std::uint64_t i = 0; i < *count; ++i) {
    std::optional<Bytes> slot = ReadSlot(stream);
    if (!slot) return std::nullopt;
    record.push_back(std::move(*slot));
  }
  return record;
}

}  // namespace cadenzo
