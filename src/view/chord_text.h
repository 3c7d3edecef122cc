// The core's chord texts as the toolkit's text and back.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "theory/text_util.h"

namespace corvanta {

// The core's chord texts (bytes, "º" as 0xBA) as the toolkit's text and back.
inline QString ToQString(std::string_view bytes) {
  return QString::fromStdString(BytesToUtf8(bytes));
}
inline std::string FromQString(const QString& text) { return Utf8ToBytes(text.toStdString()); }

}  // namespace corvanta
