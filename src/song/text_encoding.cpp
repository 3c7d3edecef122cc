// Decoding and encoding of song files: UTF-8, UTF-16 and Latin-1.
#include "song/text_encoding.h"

#include <cstdint>

namespace corvanta {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigMark = "\xFE\xFF";
constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// The code point at `at` of valid UTF-8, and its length.
char32_t NextCodePoint(std::string_view text, std::size_t& at) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
  const std::uint8_t lead = byte(at);
  std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  char32_t code = length == 1   ? lead
                  : length == 2 ? lead & 0x1F
                  : length == 3 ? lead & 0x0F
                                : lead & 0x07;
  for (std::size_t i = 1; i < length && at + i < text.size(); ++i)
    code = (code << 6) | (byte(at + i) & 0x3F);
  at += length;
  return code;
}

std::string DecodeUtf16(std::string_view bytes, bool big) {
  std::string out;
  out.reserve(bytes.size());
  const auto unit = [&](std::size_t i) -> char32_t {
    const auto a = static_cast<std::uint8_t>(bytes[i]), b = static_cast<std::uint8_t>(bytes[i + 1]);
    return big ? (a << 8) | b : (b << 8) | a;
  };
  std::size_t i = 0;
  for (; i + 1 < bytes.size(); i += 2) {
    const char32_t first = unit(i);
    if (first >= 0xD800 && first < 0xDC00 && i + 3 < bytes.size()) {
      const char32_t second = unit(i + 2);
      if (second >= 0xDC00 && second < 0xE000) {
        AppendUtf8(out, 0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00));
        i += 2;
        continue;
      }
    }
    AppendUtf8(out, first >= 0xD800 && first < 0xE000 ? kReplacement : first);
  }
  if (i < bytes.size()) AppendUtf8(out, kReplacement);  // half a unit at the end
  return out;
}

void EncodeUtf16(std::string& out, char32_t code, bool big) {
  const auto put = [&](char32_t unit) {
    const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
    out += big ? high : low;
    out += big ? low : high;
  };
  if (code >= 0x10000) {
    put(0xD800 + ((code - 0x10000) >> 10));
    put(0xDC00 + ((code - 0x10000) & 0x3FF));
  } else {
    put(code);
  }
}

std::string FirstLineEnding(std::string_view text) {
  const std::size_t at = text.find_first_of("\r\n");
  if (at == std::string_view::npos || text[at] == '\n') return "\n";
  return at + 1 < text.size() && text[at + 1] == '\n' ? "\r\n" : "\r";
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<std::uint8_t>(bytes[i]);
    std::size_t length = 0;
    char32_t least = 0;
    if (lead < 0x80) {
      ++i;
      continue;
    } else if (lead >= 0xC2 && lead < 0xE0) {
      length = 2, least = 0x80;
    } else if (lead >= 0xE0 && lead < 0xF0) {
      length = 3, least = 0x800;
    } else if (lead >= 0xF0 && lead < 0xF5) {
      length = 4, least = 0x10000;
    } else {
      return false;
    }
    if (i + length > bytes.size()) return false;
    for (std::size_t k = 1; k < length; ++k)
      if ((static_cast<std::uint8_t>(bytes[i + k]) & 0xC0) != 0x80) return false;
    std::size_t at = i;
    const char32_t code = NextCodePoint(bytes, at);
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000)) return false;
    i += length;
  }
  return true;
}

DecodedText DecodeText(std::string_view bytes) {
  DecodedText decoded;
  TextFileForm& form = decoded.form;
  if (bytes.substr(0, 3) == kUtf8Mark) {
    form.byteOrderMark = true;
    bytes.remove_prefix(3);
  } else if (bytes.substr(0, 2) == kUtf16LittleMark || bytes.substr(0, 2) == kUtf16BigMark) {
    const bool big = bytes.substr(0, 2) == kUtf16BigMark;
    form.encoding = big ? TextEncoding::Utf16BigEndian : TextEncoding::Utf16LittleEndian;
    form.byteOrderMark = true;
    decoded.utf8 = DecodeUtf16(bytes.substr(2), big);
    form.lineEnding = FirstLineEnding(decoded.utf8);
    return decoded;
  }
  if (IsValidUtf8(bytes)) {
    decoded.utf8 = std::string(bytes);
  } else {
    form.encoding = TextEncoding::Latin1;
    decoded.utf8.reserve(bytes.size() + bytes.size() / 8);
    for (char c : bytes) AppendUtf8(decoded.utf8, static_cast<std::uint8_t>(c));
    decoded.note = "the text is not UTF-8; it is read as Latin-1 (ISO 8859-1)";
  }
  form.lineEnding = FirstLineEnding(decoded.utf8);
  return decoded;
}

std::string EncodeText(std::string_view utf8, const TextFileForm& form, std::string& note) {
  std::string text;
  text.reserve(utf8.size());
  for (char c : utf8) {
    if (c == '\n') {
      text += form.lineEnding;
    } else {
      text += c;
    }
  }
  TextEncoding encoding = form.encoding;
  if (encoding == TextEncoding::Latin1) {
    for (std::size_t at = 0; at < text.size();) {
      if (NextCodePoint(text, at) > 0xFF) {
        note = "the song holds characters Latin-1 lacks; it is written as UTF-8";
        encoding = TextEncoding::Utf8;
        break;
      }
    }
  }
  if (encoding == TextEncoding::Utf8)
    return form.byteOrderMark ? std::string(kUtf8Mark) + text : text;
  std::string out;
  out.reserve(text.size() * 2 + 2);
  if (encoding == TextEncoding::Latin1) {
    // A file marked as UTF-8 whose bytes were not keeps its mark: written
    // back as it was read.
    if (form.byteOrderMark) out = kUtf8Mark;
    for (std::size_t at = 0; at < text.size();) out += static_cast<char>(NextCodePoint(text, at));
    return out;
  }
  const bool big = encoding == TextEncoding::Utf16BigEndian;
  EncodeUtf16(out, 0xFEFF, big);  // the mark that told the encoding
  for (std::size_t at = 0; at < text.size();) EncodeUtf16(out, NextCodePoint(text, at), big);
  return out;
}

}  // namespace corvanta
