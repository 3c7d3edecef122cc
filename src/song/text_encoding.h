// How a song file's bytes are text: UTF-8 with or without its byte order
// mark, UTF-16 told by its mark, anything else Latin-1; and its line
// endings. Read into UTF-8 and written back in the same form.
#pragma once

#include <string>
#include <string_view>

namespace corvanta {

enum class TextEncoding { Utf8, Utf16LittleEndian, Utf16BigEndian, Latin1 };

// The form a text file came in, to write it back the same way.
struct TextFileForm {
  TextEncoding encoding = TextEncoding::Utf8;
  bool byteOrderMark = false;
  std::string lineEnding = "\n";  // the first line ending found: "\n", "\r\n" or "\r"
};

struct DecodedText {
  std::string utf8;  // without its byte order mark
  TextFileForm form;
  std::string note;  // said when the bytes were not UTF-8 ("read as Latin-1")
};

// Any bytes: a UTF-8 or UTF-16 mark decides; valid UTF-8 is UTF-8; anything
// else is Latin-1, every byte one character, with a note. UTF-16 that is
// cut or unpaired gives U+FFFD where it breaks.
DecodedText DecodeText(std::string_view bytes);

// UTF-8 text (lines ended by "\n") in a file's form: its line endings, its
// encoding and mark. A character Latin-1 lacks cannot be written in it:
// the text is then written as UTF-8 and `note` says so.
std::string EncodeText(std::string_view utf8, const TextFileForm& form, std::string& note);

bool IsValidUtf8(std::string_view bytes);

}  // namespace corvanta
