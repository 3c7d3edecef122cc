// The one JSON writer of every shell: compact text written as it goes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

namespace corvanta {

// Writes values in the order called: BeginObject, Key, a value, ... EndObject.
// Texts are taken as UTF-8; a byte that is not (a binary file's) becomes
// U+FFFD, never refused. Control characters are escaped, every other
// character is passed through as it is. Numbers are written as nlohmann's
// library writes them (1.0, 0.25, 1e+20), so that output read back and
// written by that library is the same text.
class JsonWriter {
 public:
  JsonWriter& BeginObject();
  JsonWriter& EndObject();
  JsonWriter& BeginArray();
  JsonWriter& EndArray();
  JsonWriter& Key(std::string_view utf8);
  JsonWriter& String(std::string_view utf8);
  JsonWriter& Bool(bool value);
  JsonWriter& Null();
  // Not a number or infinite: null.
  JsonWriter& Number(double value);
  template <typename Integer>
  requires std::is_integral_v<Integer> &&
      (!std::is_same_v<Integer, bool>)JsonWriter& Int(Integer value) {
    if constexpr (std::is_signed_v<Integer>)
      return SignedInt(static_cast<std::int64_t>(value));
    else
      return UnsignedInt(static_cast<std::uint64_t>(value));
  }
  // A value another JsonWriter wrote whole, spliced in as it is.
  JsonWriter& Raw(std::string_view json);

  // Whole lists of one kind.
  template <typename List>
  JsonWriter& Ints(const List& values) {
    BeginArray();
    for (const auto value : values) Int(value);
    return EndArray();
  }
  template <typename List>
  JsonWriter& Strings(const List& texts) {
    BeginArray();
    for (std::string_view text : texts) String(text);
    return EndArray();
  }

  const std::string& Text() const { return out_; }
  std::string Take() { return std::move(out_); }
  void Reserve(std::size_t bytes) { out_.reserve(bytes); }

 private:
  JsonWriter& SignedInt(std::int64_t value);
  JsonWriter& UnsignedInt(std::uint64_t value);
  // A comma before every value but the first of its object or array, and
  // none between a key and its value.
  void BeforeValue() {
    if (!fresh_) out_ += ',';
    fresh_ = false;
  }
  std::string out_;
  bool fresh_ = true;
};

// The pieces the writer is made of, for whoever writes JSON text by hand.
void AppendJsonString(std::string& out, std::string_view utf8);
void AppendJsonNumber(std::string& out, double value);

// One text as a JSON string, with its quotes.
std::string JsonString(std::string_view utf8);

}  // namespace corvanta
