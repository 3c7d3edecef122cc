// Writes JSON text: strings escaped and made valid UTF-8, numbers in the
// shortest form that reads back as the same double.
#include "session/json_writer.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace corvanta {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// How many bytes of a well-formed UTF-8 sequence start at `at`, or, when
// it is not one, how many bytes its longest valid beginning has (at least
// one): those are what one replacement character stands for.
struct Sequence {
  std::size_t length;
  bool valid;
};

Sequence SequenceAt(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the second byte's range
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;   // no overlong forms
    if (lead == 0xF4) high = 0x8F;  // nothing above U+10FFFF
  } else {
    return {1, false};
  }
  for (std::size_t i = 1; i < length; ++i) {
    if (at + i >= text.size()) return {i, false};
    const unsigned char next = byte(at + i);
    const bool fits = i == 1 ? next >= low && next <= high : next >= 0x80 && next <= 0xBF;
    if (!fits) return {i, false};
  }
  return {length, true};
}

// The escape of an ASCII byte, or nothing when it stands as it is.
bool NeedsEscape(unsigned char byte) { return byte < 0x20 || byte == '"' || byte == '\\'; }

void AppendEscape(std::string& out, unsigned char byte) {
  switch (byte) {
    case '"':
      out += "\\\"";
      return;
    case '\\':
      out += "\\\\";
      return;
    case '\b':
      out += "\\b";
      return;
    case '\t':
      out += "\\t";
      return;
    case '\n':
      out += "\\n";
      return;
    case '\f':
      out += "\\f";
      return;
    case '\r':
      out += "\\r";
      return;
    default: {
      static constexpr char kHex[] = "0123456789abcdef";
      out += "\\u00";
      out += kHex[byte >> 4];
      out += kHex[byte & 0xF];
    }
  }
}

void AppendInteger(std::string& out, auto value) {
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  out.append(digits, end);
}

// digits × 10^exponent, laid out as nlohmann's library lays out a double:
// plain decimals while the point falls within 15 digits or 4 zeros after
// it, else one digit, the rest and an exponent of at least two digits.
void AppendDecimal(std::string& out, std::string_view digits, int exponent) {
  const int count = static_cast<int>(digits.size());
  const int point = count + exponent;  // where the point falls in the digits
  constexpr int kMostPlain = 15, kFewestPlain = -4;
  if (count <= point && point <= kMostPlain) {
    out += digits;
    out.append(static_cast<std::size_t>(point - count), '0');
    out += ".0";
  } else if (0 < point && point <= kMostPlain) {
    out += digits.substr(0, static_cast<std::size_t>(point));
    out += '.';
    out += digits.substr(static_cast<std::size_t>(point));
  } else if (kFewestPlain < point && point <= 0) {
    out += "0.";
    out.append(static_cast<std::size_t>(-point), '0');
    out += digits;
  } else {
    out += digits[0];
    if (count > 1) {
      out += '.';
      out += digits.substr(1);
    }
    int power = point - 1;
    out += power < 0 ? "e-" : "e+";
    power = std::abs(power);
    if (power < 10) out += '0';
    AppendInteger(out, power);
  }
}

// A figure with at most three decimals (a difficulty, a cost, a share):
// its digits straight from an integer, the common case and the fast one.
bool AppendShortDecimal(std::string& out, double magnitude) {
  double scale = 1;
  for (int decimals = 0; decimals <= 3; ++decimals, scale *= 10) {
    const double scaled = magnitude * scale;
    if (scaled >= 9e15) return false;  // past the integers a double holds exactly
    const long long whole = std::llround(scaled);
    if (static_cast<double>(whole) / scale != magnitude) continue;
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, whole).ptr;
    std::string_view digits(buffer, static_cast<std::size_t>(end - buffer));
    int exponent = -decimals;
    while (digits.size() > 1 && digits.back() == '0') {
      digits.remove_suffix(1);
      ++exponent;
    }
    AppendDecimal(out, digits, exponent);
    return true;
  }
  return false;
}

// Any other double: the fewest significant digits that read back as it.
void AppendShortestDigits(std::string& out, double magnitude) {
  char buffer[40];
  for (int precision = 0; precision <= 16; ++precision) {
    std::snprintf(buffer, sizeof buffer, "%.*e", precision, magnitude);
    if (std::strtod(buffer, nullptr) == magnitude) break;
  }
  // buffer: d[.ddd]e±xx
  const std::string_view text(buffer);
  const std::size_t e = text.find('e');
  std::string digits;
  for (char c : text.substr(0, e))
    if (c >= '0' && c <= '9') digits += c;  // whatever the locale's point
  int exponent = std::atoi(buffer + e + 1) - static_cast<int>(digits.size() - 1);
  while (digits.size() > 1 && digits.back() == '0') {
    digits.pop_back();
    ++exponent;
  }
  AppendDecimal(out, digits, exponent);
}

}  // namespace

void AppendJsonString(std::string& out, std::string_view utf8) {
  out += '"';
  std::size_t at = 0;
  while (at < utf8.size()) {
    // A run of bytes that stand as they are goes in at once.
    std::size_t end = at;
    while (end < utf8.size()) {
      const auto byte = static_cast<unsigned char>(utf8[end]);
      if (byte >= 0x80 || NeedsEscape(byte)) break;
      ++end;
    }
    out.append(utf8, at, end - at);
    at = end;
    if (at == utf8.size()) break;
    const auto byte = static_cast<unsigned char>(utf8[at]);
    if (byte < 0x80) {
      AppendEscape(out, byte);
      ++at;
      continue;
    }
    const Sequence sequence = SequenceAt(utf8, at);
    if (sequence.valid)
      out.append(utf8, at, sequence.length);
    else
      out += kReplacement;
    at += sequence.length;
  }
  out += '"';
}

void AppendJsonNumber(std::string& out, double value) {
  if (!std::isfinite(value)) {
    out += "null";
    return;
  }
  if (std::signbit(value)) out += '-';
  const double magnitude = std::fabs(value);
  if (magnitude == 0) {
    out += "0.0";
    return;
  }
  if (!AppendShortDecimal(out, magnitude)) AppendShortestDigits(out, magnitude);
}

std::string JsonString(std::string_view utf8) {
  std::string out;
  AppendJsonString(out, utf8);
  return out;
}

JsonWriter& JsonWriter::BeginObject() {
  BeforeValue();
  out_ += '{';
  fresh_ = true;
  return *this;
}

JsonWriter& JsonWriter::EndObject() {
  out_ += '}';
  fresh_ = false;
  return *this;
}

JsonWriter& JsonWriter::BeginArray() {
  BeforeValue();
  out_ += '[';
  fresh_ = true;
  return *this;
}

JsonWriter& JsonWriter::EndArray() {
  out_ += ']';
  fresh_ = false;
  return *this;
}

JsonWriter& JsonWriter::Key(std::string_view utf8) {
  BeforeValue();
  AppendJsonString(out_, utf8);
  out_ += ':';
  fresh_ = true;
  return *this;
}

JsonWriter& JsonWriter::String(std::string_view utf8) {
  BeforeValue();
  AppendJsonString(out_, utf8);
  return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
  BeforeValue();
  out_ += value ? "true" : "false";
  return *this;
}

JsonWriter& JsonWriter::Null() {
  BeforeValue();
  out_ += "null";
  return *this;
}

JsonWriter& JsonWriter::Number(double value) {
  BeforeValue();
  AppendJsonNumber(out_, value);
  return *this;
}

JsonWriter& JsonWriter::SignedInt(std::int64_t value) {
  BeforeValue();
  AppendInteger(out_, value);
  return *this;
}

JsonWriter& JsonWriter::UnsignedInt(std::uint64_t value) {
  BeforeValue();
  AppendInteger(out_, value);
  return *this;
}

JsonWriter& JsonWriter::Raw(std::string_view json) {
  BeforeValue();
  out_ += json;
  return *this;
}

}  // namespace corvanta
