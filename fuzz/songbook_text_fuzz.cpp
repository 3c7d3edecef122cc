// The texts a songbook is made of: a file of several songs split at
// {new_song} (the spans in order, inside the text, never overlapping), a
// setlist (every entry's line written back reads back the same) and a PDF
// the outline is appended to (any bytes: refused or extended, never a crash).
#include "files/pdf_outline.h"
#include "fuzz_input.h"
#include "song/setlist.h"
#include "song/song_split.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace corvanta;
  const std::string_view text = fuzz::AsText(data, size);
  std::size_t end = 0;
  for (const SongSpan& span : SongSpans(text)) {
    if (span.begin < end || span.end < span.begin || span.end > text.size()) __builtin_trap();
    end = span.end;
  }
  ReadSongs(text);
  const Setlist setlist = ReadSetlist(text);
  for (const SetlistEntry& entry : setlist.entries) {
    const Setlist again = ReadSetlist(SetlistLine(entry));
    if (again.entries.size() != 1 || again.entries[0].key != entry.key ||
        again.entries[0].capo != entry.capo)
      __builtin_trap();
  }
  std::string pdf(text);
  AddPdfOutline(pdf, {{"Song", 0}, {"Another", static_cast<int>(size % 3)}});
  PdfPageObjects(pdf);
  return 0;
}
