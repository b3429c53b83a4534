#pragma once

#include <string>
#include <string_view>

namespace cadenzo {

// A GBK (code page 936) string. It never holds a zero byte; lengths and
// positions count bytes, positions start at 1, and -1 means "not found".
using Text = std::string;

// Bytes of any content: fetched pages, UTF-16LE code units, request slots.
using Bytes = std::string;

// The text a byte string carries: everything before its first zero byte.
inline Text AsText(std::string_view bytes) {
  return Text(bytes.substr(0, bytes.find('\0')));
}

// True when the byte starts a double-byte GBK character.
constexpr bool IsLeadByte(char c) {
  return static_cast<unsigned char>(c) >= 0x80;
}

}  // namespace cadenzo
