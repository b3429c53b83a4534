#include "shell/gbk_qstring.h"

#include "text/code_pages.h"

namespace cadenzo {

QString GbkToQString(std::string_view gbk) {
  const Bytes utf16 = TextToUtf16(gbk, kCodePageGbk);
  // The conversion ends with a zero unit that QString does not need.
  const qsizetype units = static_cast<qsizetype>(utf16.size() / 2) - 1;
  QString text(units > 0 ? units : 0, Qt::Uninitialized);
  for (qsizetype i = 0; i < text.size(); ++i) {
    const auto low = static_cast<unsigned char>(utf16[static_cast<std::size_t>(2 * i)]);
    const auto high = static_cast<unsigned char>(utf16[static_cast<std::size_t>(2 * i + 1)]);
    text[i] = QChar(static_cast<char16_t>(low | high << 8));
  }
  return text;
}

Text QStringToGbk(const QString& text) {
  Bytes utf16(static_cast<std::size_t>(text.size()) * 2, '\0');
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i].unicode();
    utf16[static_cast<std::size_t>(2 * i)] = static_cast<char>(unit & 0xFF);
    utf16[static_cast<std::size_t>(2 * i + 1)] = static_cast<char>(unit >> 8);
  }
  return Utf16ToText(utf16, kCodePageGbk);
}

}  // namespace cadenzo
