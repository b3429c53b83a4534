#include "text/code_pages.h"

#include <unicode/normalizer2.h>
#include <unicode/translit.h>
#include <unicode/ucnv.h>
#include <unicode/unistr.h>
#include <unicode/ustring.h>

#include <memory>
#include <vector>

namespace cadenzo {
namespace {

using Units = std::u16string;

struct ConverterCloser {
  void operator()(UConverter* c) const { ucnv_close(c); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

const char* ConverterName(int codePage) {
  switch (codePage) {
    case kCodePageAnsi:
    case kCodePageGbk:
      return "windows-936-2000";
    case kCodePageBig5:
      return "windows-950-2000";
    case kCodePageUtf8:
      return "UTF-8";
    default:
      return nullptr;
  }
}

// Converters are cheap to clone but not thread-safe, so each thread keeps its own.
UConverter* ConverterFor(int codePage) {
  const char* name = ConverterName(codePage);
  if (name == nullptr) return nullptr;
  thread_local Converter gbk, big5, utf8;
  Converter& slot = codePage == kCodePageBig5 ? big5 : codePage == kCodePageUtf8 ? utf8 : gbk;
  if (!slot) {
    UErrorCode status = U_ZERO_ERROR;
    slot.reset(ucnv_open(name, &status));
    if (U_FAILURE(status)) {
      slot.reset();
      return nullptr;
    }
    status = U_ZERO_ERROR;
    ucnv_setSubstChars(slot.get(), "?", 1, &status);
  }
  ucnv_reset(slot.get());
  return slot.get();
}

Units UnitsFromLittleEndian(std::string_view utf16) {
  Units units(utf16.size() / 2, u'\0');
  for (std::size_t i = 0; i < units.size(); ++i) {
    units[i] = static_cast<char16_t>(static_cast<unsigned char>(utf16[2 * i]) |
                                     static_cast<unsigned char>(utf16[2 * i + 1]) << 8);
  }
  return units;
}

Bytes LittleEndianFromUnits(const Units& units) {
  Bytes bytes(units.size() * 2, '\0');
  for (std::size_t i = 0; i < units.size(); ++i) {
    bytes[2 * i] = static_cast<char>(units[i] & 0xFF);
    bytes[2 * i + 1] = static_cast<char>(units[i] >> 8);
  }
  return bytes;
}

Units UpToFirstZeroUnit(Units units) {
  units.resize(std::min(units.size(), units.find(u'\0')));
  return units;
}

// Ill-formed UTF-8 becomes U+FFFD; zero bytes are kept.
Units UnitsFromUtf8(std::string_view utf8) {
  if (utf8.empty()) return {};
  Units units(utf8.size(), u'\0');  // UTF-8 never needs more units than bytes
  int32_t length = 0;
  UErrorCode status = U_ZERO_ERROR;
  u_strFromUTF8WithSub(reinterpret_cast<UChar*>(units.data()), static_cast<int32_t>(units.size()),
                       &length, utf8.data(), static_cast<int32_t>(utf8.size()), 0xFFFD, nullptr,
                       &status);
  if (U_FAILURE(status)) return {};
  units.resize(static_cast<std::size_t>(length));
  return units;
}

Units UnitsFromCodePage(std::string_view bytes, int codePage) {
  if (codePage == kCodePageUtf8) return UnitsFromUtf8(bytes);
  UConverter* converter = ConverterFor(codePage);
  if (converter == nullptr || bytes.empty()) return {};
  Units units(bytes.size() + 1, u'\0');  // one unit per byte at most
  UErrorCode status = U_ZERO_ERROR;
  const int32_t length = ucnv_toUChars(converter, reinterpret_cast<UChar*>(units.data()),
                                       static_cast<int32_t>(units.size()), bytes.data(),
                                       static_cast<int32_t>(bytes.size()), &status);
  if (U_FAILURE(status)) return {};
  units.resize(static_cast<std::size_t>(length));
  return units;
}

// The bytes of `units` in the code page, up to the first NUL.
Text TextFromUnits(const Units& units, int codePage) {
  UConverter* converter = ConverterFor(codePage);
  if (converter == nullptr || units.empty()) return {};
  Text text(units.size() * static_cast<std::size_t>(ucnv_getMaxCharSize(converter)), '\0');
  UErrorCode status = U_ZERO_ERROR;
  const int32_t length = ucnv_fromUChars(converter, text.data(), static_cast<int32_t>(text.size()),
                                         reinterpret_cast<const UChar*>(units.data()),
                                         static_cast<int32_t>(units.size()), &status);
  if (U_FAILURE(status)) return {};
  text.resize(static_cast<std::size_t>(length));
  return AsText(text);
}

// Composes a base character and a following combining mark where a precomposed
// character exists. Text that is already composed is passed on without a copy.
Units Composed(Units units) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
  if (U_FAILURE(status)) return units;
  const icu::UnicodeString alias(false, reinterpret_cast<const UChar*>(units.data()),
                                 static_cast<int32_t>(units.size()));
  if (nfc->spanQuickCheckYes(alias, status) == alias.length() || U_FAILURE(status)) return units;
  icu::UnicodeString composed;
  status = U_ZERO_ERROR;
  nfc->normalize(alias, composed, status);
  if (U_FAILURE(status)) return units;
  return Units(reinterpret_cast<const char16_t*>(composed.getBuffer()),
               static_cast<std::size_t>(composed.length()));
}

Text ComposedGbk(Units units) {
  return TextFromUnits(Composed(UpToFirstZeroUnit(std::move(units))), kCodePageGbk);
}

bool IsComposedUtf8(std::string_view utf8) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
  if (U_FAILURE(status)) return false;
  const bool composed = nfc->isNormalizedUTF8(
      icu::StringPiece(utf8.data(), static_cast<int32_t>(utf8.size())), status);
  return U_SUCCESS(status) && composed;
}

// The common case of a page with nothing to compose: one streaming conversion,
// without a UTF-16 copy of the whole page.
Text GbkFromComposedUtf8(std::string_view utf8) {
  UConverter* gbk = ConverterFor(kCodePageGbk);
  UConverter* source = ConverterFor(kCodePageUtf8);
  if (gbk == nullptr || source == nullptr || utf8.empty()) return {};
  // Every UTF-8 character of n bytes becomes at most n GBK bytes.
  Text text(utf8.size(), '\0');
  char* target = text.data();
  const char* in = utf8.data();
  UChar pivot[1024];
  UChar* pivotSource = pivot;
  UChar* pivotTarget = pivot;
  UErrorCode status = U_ZERO_ERROR;
  ucnv_convertEx(gbk, source, &target, text.data() + text.size(), &in, in + utf8.size(), pivot,
                 &pivotSource, &pivotTarget, pivot + std::size(pivot), true, true, &status);
  if (U_FAILURE(status)) return {};
  text.resize(static_cast<std::size_t>(target - text.data()));
  return text;
}

const icu::Transliterator* TraditionalToSimplified() {
  thread_local std::unique_ptr<icu::Transliterator> transliterator = [] {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Transliterator> t(
        icu::Transliterator::createInstance("Hant-Hans", UTRANS_FORWARD, status));
    return U_SUCCESS(status) ? std::move(t) : nullptr;
  }();
  return transliterator.get();
}

// The simplified GBK form of one character, or the character itself when the
// simplified form is missing or would change the byte length.
std::string_view SimplifiedCharacter(std::string_view original, Text& scratch) {
  const Units units = UnitsFromCodePage(original, kCodePageGbk);
  const icu::Transliterator* transliterator = TraditionalToSimplified();
  if (units.empty() || transliterator == nullptr) return original;
  icu::UnicodeString mapped(reinterpret_cast<const UChar*>(units.data()),
                            static_cast<int32_t>(units.size()));
  const icu::UnicodeString before = mapped;
  transliterator->transliterate(mapped);
  if (mapped == before) return original;
  scratch = TextFromUnits(Units(reinterpret_cast<const char16_t*>(mapped.getBuffer()),
                                static_cast<std::size_t>(mapped.length())),
                          kCodePageGbk);
  return scratch.size() == original.size() ? std::string_view(scratch) : original;
}

}  // namespace

Bytes Utf8BytesToUtf16(std::string_view utf8) {
  return LittleEndianFromUnits(UnitsFromUtf8(utf8));
}

Text Utf16BytesToGbk(std::string_view utf16) {
  return ComposedGbk(UnitsFromLittleEndian(utf16));
}

Text Utf8BytesToGbk(std::string_view utf8) {
  // The text ends at the first NUL anyway, so nothing after it is converted.
  const std::string_view source = utf8.substr(0, utf8.find('\0'));
  if (IsComposedUtf8(source)) return GbkFromComposedUtf8(source);
  return ComposedGbk(UnitsFromUtf8(source));
}

Text Utf8TextToGbk(std::string_view text) {
  return Utf16ToText(TextToUtf16(text), kCodePageGbk);
}

Bytes TextToUtf16(std::string_view text, std::optional<int> codePage) {
  const std::string_view source = text.substr(0, text.find('\0'));
  Units units = UnitsFromCodePage(source, codePage.value_or(kCodePageUtf8));
  // The buffer is sized by reading the text in the system's code page, so the
  // result carries zero units up to that size after its terminator.
  const std::size_t ansiUnits = UnitsFromCodePage(source, kCodePageAnsi).size() + 1;
  units.resize(std::max(units.size() + 1, ansiUnits), u'\0');
  return LittleEndianFromUnits(units);
}

Text Utf16ToText(std::string_view utf16, std::optional<int> codePage) {
  return TextFromUnits(UpToFirstZeroUnit(UnitsFromLittleEndian(utf16)),
                       codePage.value_or(kCodePageAnsi));
}

Text Big5ToGbk(std::string_view big5) {
  const std::string_view source = big5.substr(0, big5.find('\0'));
  return TextFromUnits(UnitsFromCodePage(source, kCodePageBig5), kCodePageGbk);
}

Text GbkToSimplified(std::string_view gbk) {
  const std::string_view text = gbk.substr(0, gbk.find('\0'));
  Text result;
  result.reserve(text.size());
  Text scratch;
  for (std::size_t i = 0; i < text.size();) {
    if (!IsLeadByte(text[i])) {
      result += text[i++];
      continue;
    }
    const std::size_t length = i + 1 < text.size() ? 2 : 1;
    result.append(SimplifiedCharacter(text.substr(i, length), scratch));
    i += length;
  }
  return result;
}

Text Big5ToSimplifiedGbk(std::string_view big5) {
  return GbkToSimplified(Big5ToGbk(big5));
}

}  // namespace cadenzo
