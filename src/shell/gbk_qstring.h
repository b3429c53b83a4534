#pragma once

#include <QString>
#include <string_view>

#include "text/text.h"

namespace cadenzo {

// The only crossings between the program's GBK texts and Qt's strings.
QString GbkToQString(std::string_view gbk);
// Characters GBK lacks become "?"; the text ends at the first zero character.
Text QStringToGbk(const QString& text);

}  // namespace cadenzo
