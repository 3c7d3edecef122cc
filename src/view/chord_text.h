// The core's chord texts as the toolkit's text and back.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "theory/text_util.h"

namespace corvanta {

// The core's chord texts (UTF-8) as the toolkit's text and back; the
// toolkit shows a byte that is not UTF-8 as U+FFFD.
inline QString ToQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
inline std::string FromQString(const QString& text) { return text.toStdString(); }

}  // namespace corvanta
