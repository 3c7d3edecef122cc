// Transposes a song's chords and defines.
#include "song/song_transpose.h"

#include "instrument/instrument.h"
#include "song/chord_words.h"
#include "song/define_text.h"
#include "song/song_text.h"

namespace corvanta {
namespace {

// German players write B natural as H.
std::string_view AsB(std::string_view name) { return name == "H" ? "B" : name; }

std::size_t NoteNameAt(std::string_view text) {
  return !text.empty() && text[0] == 'H' ? 1 : song_text::LeadingNoteName(text);
}

std::string MovedNote(std::string_view name, int semitones, const NoteNameRow& names) {
  const int pitchClass = PitchClassOfName(AsB(name));
  return std::string(names[static_cast<std::size_t>(WrapPitchClass(pitchClass + semitones))]);
}

// A define's shape moved by `semitones` frets: every string held, none
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

// The shape moves by the interval, the nearer way first: a B at the 7th
// fret down a major third is a G at the 3rd, not the 15th.
bool MoveShapeNearest(Fingering& frets, int semitones) {
  const int up = WrapPitchClass(semitones), down = up - 12;
  const int nearer = up <= -down ? up : down, farther = nearer == up ? down : up;
  return MoveShape(frets, nearer) || MoveShape(frets, farther);
}

bool HoldsOpenString(const Fingering& frets) {
  for (StringStop stop : frets)
    if (stop.IsOpen()) return true;
  return false;
}

void TransposeDefines(Song& song, int semitones, const NoteNameRow& names, bool withDirectives) {
  for (SongDefine& define : song.defines) {
    SongLine& line = song.lines[static_cast<std::size_t>(define.line)];
    const int shift = semitones + (withDirectives ? define.transposeHere - song.transpose : 0);
    if (WrapPitchClass(shift) == 0) continue;
    if (HoldsOpenString(define.frets) || !MoveShapeNearest(define.frets, shift)) {
      define.movable = false;
      song.notes.push_back(
          "the shape defined for " + define.name +
          (HoldsOpenString(define.frets) ? " holds open strings" : " does not fit on the neck") +
          " and cannot move; it stays as written, for " + define.name);
      continue;
    }
    define.name = TransposeSymbol(define.name, shift, names);
    line.directive.value = DefineValue(define.name, define.frets, define.fingers);
  }
}

bool IsDefined(const Song& song, const std::string& name) {
  for (const SongDefine& define : song.defines)
    if (define.name == name) return true;
  return false;
}

}  // namespace

std::string TransposeSymbol(std::string_view symbol, int semitones, const NoteNameRow& names) {
  const std::size_t root = NoteNameAt(symbol);
  if (root == 0) return std::string(symbol);
  std::string out = MovedNote(symbol.substr(0, root), semitones, names);
  std::string_view rest = symbol.substr(root);
  const std::size_t slash = rest.rfind('/');
  const std::string_view bass =
      slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
  if (!bass.empty() && NoteNameAt(bass) == bass.size()) {
    out += rest.substr(0, slash + 1);
    out += MovedNote(bass, semitones, names);
  } else {
    out += rest;
  }
  return out;
}

bool TransposeSong(Song& song, int semitones, const SongKey& key, bool withDirectives) {
  bool moves = WrapPitchClass(semitones) != 0;
  for (const SongChord& chord : song.chords)
    moves = moves || (withDirectives && chord.transposeHere != song.transpose);
  if (!moves) return true;
  if (song.chordsCut) {
    song.notes.push_back("the song has more than " + std::to_string(kMaxSongChords) +
                         " chords; it is not moved, so that it stays in one key");
    return false;
  }
  const NoteNameRow& names = KeyNoteNames(key);
  TransposeDefines(song, semitones, names, withDirectives);
  for (SongChord& chord : song.chords) {
    if (!chord.read) continue;
    const int here = withDirectives ? chord.transposeHere - song.transpose : 0;
    const int shift = semitones + here;
    if (WrapPitchClass(shift) == 0) {
      chord.text = chord.written;
      continue;
    }
    chord.text = TransposeSymbol(chord.written, shift,
                                 here == 0 ? names : KeyNoteNames(TransposedKey(key, here)));
    const ReadSymbol read = ReadSongSymbol(chord.text);
    chord.definedOnly = !read.read && IsDefined(song, chord.text);
    chord.read = read.read || chord.definedOnly;
    chord.chord = read.chord;
  }
  for (SongLine& line : song.lines) {
    if (line.kind == LineKind::Directive && line.directive.name == "key" &&
        ParseSongKey(line.directive.value))
      line.directive.value = KeyName(key);
  }
  if (!song.key.empty() && ParseSongKey(song.key)) song.key = KeyName(key);
  return true;
}

}  // namespace corvanta
