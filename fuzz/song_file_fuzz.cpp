// A song file's bytes: decoded as UTF-8, UTF-16 or Latin-1 into valid
// UTF-8 and read as a song; UTF-8 and Latin-1 files whose lines end in
// "\n" are written back byte for byte.
#include "fuzz_input.h"
#include "song/song_reader.h"
#include "song/text_encoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace corvanta;
  const std::string_view bytes = fuzz::AsText(data, size);
  const DecodedText decoded = DecodeText(bytes);
  if (!IsValidUtf8(decoded.utf8)) __builtin_trap();
  const bool utf16 = decoded.form.encoding == TextEncoding::Utf16LittleEndian ||
                     decoded.form.encoding == TextEncoding::Utf16BigEndian;
  std::string note;
  const std::string written = EncodeText(decoded.utf8, decoded.form, note);
  if (!utf16 && decoded.utf8.find('\r') == std::string::npos && written != bytes) __builtin_trap();
  ReadSong(decoded.utf8);
  return 0;
}
