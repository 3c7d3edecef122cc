// Song files in the encodings players have them in, read and written back.
#include "song/text_encoding.h"

#include <gtest/gtest.h>

#include "song/song_reader.h"

namespace corvanta {
namespace {

TEST(TextEncoding, EveryFormIsReadAsUtf8AndWrittenBackByteForByte) {
  struct Row {
    const char* name;
    std::string bytes;
    TextEncoding encoding;
    bool mark;
    const char* ending;
    std::string note;  // part of the note, "" for none
  };
  const std::string utf8 = "[G]Caf\xC3\xA9 \xE2\x99\xAF\r\n[C]la\r\n";
  const Row rows[] = {
      {"UTF-8", utf8, TextEncoding::Utf8, false, "\r\n", ""},
      {"UTF-8 with a mark", "\xEF\xBB\xBF" + utf8, TextEncoding::Utf8, true, "\r\n", ""},
      {"UTF-16 little-endian", std::string("\xFF\xFE[\0G\0]\0\xE9\0\n\0", 12),
       TextEncoding::Utf16LittleEndian, true, "\n", ""},
      {"UTF-16 big-endian", std::string("\xFE\xFF\0[\0G\0]\xD8\x34\xDD\x1E\0\r", 14),
       TextEncoding::Utf16BigEndian, true, "\r", ""},
      {"Latin-1", "[G]Caf\xE9\n", TextEncoding::Latin1, false, "\n", "Latin-1"},
      {"Latin-1 behind a UTF-8 mark", "\xEF\xBB\xBF[G]Caf\xE9\n", TextEncoding::Latin1, true, "\n",
       "Latin-1"},
  };
  for (const Row& row : rows) {
    const DecodedText decoded = DecodeText(row.bytes);
    EXPECT_TRUE(IsValidUtf8(decoded.utf8)) << row.name;
    EXPECT_EQ(decoded.form.encoding, row.encoding) << row.name;
    EXPECT_EQ(decoded.form.byteOrderMark, row.mark) << row.name;
    EXPECT_EQ(decoded.form.lineEnding, row.ending) << row.name;
    EXPECT_NE(decoded.note.find(row.note), std::string::npos) << row.name;
    // The editor holds "\n" line ends; written back, the file is as it was.
    std::string lines;
    for (std::size_t i = 0; i < decoded.utf8.size(); ++i) {
      if (decoded.utf8[i] == '\r') {
        if (i + 1 < decoded.utf8.size() && decoded.utf8[i + 1] == '\n') ++i;
        lines += '\n';
      } else {
        lines += decoded.utf8[i];
      }
    }
    std::string note;
    EXPECT_EQ(EncodeText(lines, decoded.form, note), row.bytes) << row.name;
    EXPECT_TRUE(note.empty()) << row.name;
  }
  EXPECT_EQ(DecodeText("[G]Caf\xE9\n").utf8, "[G]Caf\xC3\xA9\n");
  EXPECT_EQ(DecodeText(std::string("\xFE\xFF\0[\0G\0]\xD8\x34\xDD\x1E\0\r", 14)).utf8,
            "[G]\xF0\x9D\x84\x9E\r");
}

TEST(TextEncoding, BrokenBytesAreReplacedNeverDropped) {
  // An unpaired surrogate and half a unit at the end.
  EXPECT_EQ(DecodeText(std::string("\xFF\xFE"
                                   "A\0\x00\xD8"
                                   "B\0C",
                                   9))
                .utf8,
            "A\xEF\xBF\xBD"
            "B\xEF\xBF\xBD");
  // Overlong, surrogate and cut UTF-8 are no UTF-8.
  for (const char* bytes : {"\xC0\xAF", "\xED\xA0\x80", "ab\xE2\x99", "\xF5\x80\x80\x80"})
    EXPECT_EQ(DecodeText(bytes).form.encoding, TextEncoding::Latin1) << bytes;
  // Latin-1 cannot hold every character: UTF-8 then, and said.
  TextFileForm latin;
  latin.encoding = TextEncoding::Latin1;
  std::string note;
  EXPECT_EQ(EncodeText("\xE2\x99\xAF\n", latin, note), "\xE2\x99\xAF\n");
  EXPECT_NE(note.find("UTF-8"), std::string::npos);
}

TEST(TextEncoding, AUtf16SongIsReadForItsChords) {
  std::string bytes = "\xFF\xFE";
  for (char c : std::string("{title: Red River Valley}\n[D]From this [A7]valley\n")) {
    bytes += c;
    bytes += '\0';
  }
  const Song song = ReadSong(DecodeText(bytes).utf8);
  EXPECT_EQ(song.title, "Red River Valley");
  EXPECT_EQ(song.chords.size(), 2u);
}

}  // namespace
}  // namespace corvanta
