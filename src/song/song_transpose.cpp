#include "song/song_transpose.h"

#include "instrument/instrument.h"
#include "song/chord_words.h"
#include "song/define_text.h"
#include "song/song_text.h"

namespace corvanta {
namespace {

std::string MovedNote(std::string_view name, int semitones, const NoteNameRow& names) {
  const int pitchClass = PitchClassOfName(name);
  return std::string(names[static_cast<std::size_t>(WrapPitchClass(pitchClass + semitones))]);
}

// A shape a semitone count higher on the neck: every string held, none
// open (an open string cannot move), and within the neck.
bool MoveShape(Fingering& frets, int semitones) {
  Fingering moved(frets.size());
  for (std::size_t s = 0; s < frets.size(); ++s) {
    const StringStop stop = frets[s];
    if (stop.IsOpen()) return false;
    if (stop.IsMuted()) continue;
    const int fret = stop.Fret() + semitones;
    if (fret < 1 || fret > kNeckFrets) return false;
    moved.Set(s, StringStop::AtFret(fret));
  }
  frets = moved;
  return true;
}

void TransposeDefines(Song& song, int semitones, const NoteNameRow& names) {
  for (SongDefine& define : song.defines) {
    SongLine& line = song.lines[static_cast<std::size_t>(define.line)];
    const std::string from = define.name;
    define.name = TransposeSymbol(from, semitones, names);
    const std::optional<Fingering> moved = MovedShape(define.frets, semitones);
    define.movable = moved.has_value();
    if (moved) define.frets = *moved;
    if (!define.movable) {
      line.kind = LineKind::Dropped;
      song.notes.push_back("the shape defined for " + from +
                           " holds open strings and cannot move to " + define.name + "; its {" +
                           line.directive.written + "} line is dropped");
      continue;
    }
    line.directive.value = DefineValue(define.name, define.frets, define.fingers);
  }
}

}  // namespace

std::optional<Fingering> MovedShape(Fingering frets, int semitones) {
  // The semitones as frets: up the neck, or down where it ends.
  const int up = WrapPitchClass(semitones), down = up - 12;
  if (MoveShape(frets, up) || MoveShape(frets, down)) return frets;
  return std::nullopt;
}

std::string TransposeSymbol(std::string_view symbol, int semitones, const NoteNameRow& names) {
  const std::size_t root = song_text::LeadingNoteName(symbol);
  if (root == 0) return std::string(symbol);
  std::string out = MovedNote(symbol.substr(0, root), semitones, names);
  std::string_view rest = symbol.substr(root);
  const std::size_t slash = rest.rfind('/');
  if (slash != std::string_view::npos && song_text::LeadingNoteName(rest.substr(slash + 1)) > 0 &&
      song_text::LeadingNoteName(rest.substr(slash + 1)) == rest.size() - slash - 1) {
    out += rest.substr(0, slash + 1);
    out += MovedNote(rest.substr(slash + 1), semitones, names);
  } else {
    out += rest;
  }
  return out;
}

void TransposeSong(Song& song, int semitones, const SongKey& key) {
  if (WrapPitchClass(semitones) == 0) return;
  const NoteNameRow& names = KeyNoteNames(key);
  for (SongChord& chord : song.chords) {
    if (!chord.read) continue;
    chord.text = TransposeSymbol(chord.written, semitones, names);
    const ReadSymbol read = ReadSongSymbol(chord.text);
    chord.read = read.read;
    chord.chord = read.chord;
  }
  for (SongLine& line : song.lines) {
    if (line.kind == LineKind::Directive && line.directive.name == "key" &&
        ParseSongKey(line.directive.value))
      line.directive.value = KeyName(key);
  }
  if (!song.key.empty() && ParseSongKey(song.key)) song.key = KeyName(key);
  TransposeDefines(song, semitones, names);
}

}  // namespace corvanta
