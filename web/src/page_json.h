// The page's JSON writer: the binding's one place that writes JSON (texts
// are UTF-8; those read from the player's typing are made valid first).
#pragma once

#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "theory/text_util.h"

namespace corvanta {

class Json {
 public:
  Json& Key(std::string_view key) {
    Comma();
    String(key);
    out_ += ':';
    fresh_ = true;
    return *this;
  }
  Json& Int(int value) {
    Comma();
    out_ += std::to_string(value);
    return *this;
  }
  Json& Bool(bool value) {
    Comma();
    out_ += value ? "true" : "false";
    return *this;
  }
  Json& Null() {
    Comma();
    out_ += "null";
    return *this;
  }
  // One decimal: all a difficulty's precision means (and no floating-point
  // to_chars, which emscripten's libc++ lacks).
  Json& Tenths(double value) {
    const long tenths = std::lround(value * 10);
    Comma();
    if (tenths < 0) out_ += '-';
    out_ += std::to_string(std::labs(tenths) / 10) + '.' + std::to_string(std::labs(tenths) % 10);
    return *this;
  }
  Json& Text(std::string_view text) {
    Comma();
    String(ValidUtf8(text));
    return *this;
  }
  Json& Utf8(std::string_view utf8) {
    Comma();
    String(utf8);
    return *this;
  }
  Json& Open(char bracket) {
    Comma();
    out_ += bracket;
    fresh_ = true;
    return *this;
  }
  Json& Close(char bracket) {
    out_ += bracket;
    fresh_ = false;
    return *this;
  }
  Json& Ints(const std::vector<int>& values) {
    Open('[');
    for (int value : values) Int(value);
    return Close(']');
  }
  template <typename List>
  Json& Texts(const List& texts) {
    Open('[');
    for (std::string_view text : texts) Text(text);
    return Close(']');
  }
  std::string Take() { return std::move(out_); }

 private:
  void Comma() {
    if (!fresh_) out_ += ',';
    fresh_ = false;
  }
  void String(std::string_view text) {
    out_ += '"';
    for (char c : text) {
      if (c == '"' || c == '\\') {
        out_ += '\\';
        out_ += c;
      } else if (static_cast<unsigned char>(c) < 0x20) {
        static const char* const kHex = "0123456789abcdef";
        out_ += "\\u00";
        out_ += kHex[(c >> 4) & 0xF];
        out_ += kHex[c & 0xF];
      } else {
        out_ += c;
      }
    }
    out_ += '"';
  }
  std::string out_;
  bool fresh_ = true;
};

}  // namespace corvanta
