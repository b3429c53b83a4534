#pragma once

#include <iosfwd>
#include <optional>
#include <vector>

#include "text/text.h"

namespace cadenzo {

// The byte-string slots of one HTTP exchange. A working record has exactly
// kRecordSlots; where a slot carries text, it holds GBK bytes.
using RequestRecord = std::vector<Bytes>;

inline constexpr std::size_t kRecordSlots = 7;

// Slot numbers, named for what they hold going in / coming back.
enum RecordSlot : std::size_t {
  kSlotUrlThenBody = 0,
  kSlotMethodThenCookiesReceived = 1,
  kSlotProxy = 2,
  kSlotHeaders = 3,
  kSlotPostData = 4,
  kSlotCookiesThenResponseHeaders = 5,
  kSlotFollowRedirects = 6,  // "真" or "假"; emptied when no request could be made
};

inline constexpr std::string_view kYes = "真";
inline constexpr std::string_view kNo = "假";

// Writes the record from the start of `stream`; false when the write fails.
bool WriteRecord(std::iostream& stream, const RequestRecord& record);

// Reads a record from the start of `stream`; nullopt when it cannot be read.
std::optional<RequestRecord> ReadRecord(std::iostream& stream);

}  // namespace cadenzo
