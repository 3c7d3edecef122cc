// The page's options (its controls and links) as the core reads them, and
// a diagram's layout as the page draws it: shared by the chord and song calls.
#pragma once

#include <emscripten/val.h>

#include <string>
#include <vector>

#include "search/instrument_search.h"
#include "session/json_writer.h"
#include "session/session.h"
#include "symbols/chord_spelling.h"
#include "theory/text_util.h"

namespace corvanta {

// The page's JSON goes through the core's writer, as the CLI's does. Chord
// texts in the core's byte encoding become UTF-8 on the way.
template <typename List>
std::vector<std::string> Utf8Texts(const List& texts) {
  std::vector<std::string> utf8;
  for (std::string_view text : texts) utf8.push_back(ValidUtf8(text));
  return utf8;
}

// The page's options, with the CLI's meaning of each. The instrument is
// the session's: one copy per call, as an instrument is a table of shapes
// and presets.
struct PageOptions {
  int capo = 0;
  CapoNames capoNames = CapoNames::Sounding;
  bool practical = true;
  VoicingOrderChoice order = VoicingOrderChoice::Ease;
  ChordNotation notation = ChordNotation::Standard;
  Accidentals accidentals = Accidentals::Sharps;
  bool leftHanded = false;
  SearchSettings settings;  // the entry's options; root and bass from the entry
  std::string error;        // an option refused, in the reader's words
  Session session;          // the instrument and the options the song view voices under
  const Instrument& instrument() const { return session.instrument; }
  bool chinese = false;  // the page's language, for the diagrams' spoken names
};

template <typename T>
T Field(const emscripten::val& object, const char* name, T fallback) {
  const emscripten::val value = object[name];
  if (value.isUndefined() || value.isNull()) return fallback;
  return value.as<T>();
}

PageOptions OptionsOf(const emscripten::val& object);

// A voicing's diagram as the window draws it on the instrument as it
// sounds (the bass mark on the lowest-sounding string), with the name a
// screen reader speaks for it as `symbol`'s.
void WriteDiagram(JsonWriter& json, const Voicing& voicing, const Instrument& sounding,
                  const PageOptions& options, std::string_view symbol);

}  // namespace corvanta
