// The song played: its chords strummed in order, one a bar at the song's
// tempo, through the main window's MIDI output; the chord sounding shown.
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QToolButton>
#include <charconv>

#include "app/song_highlighter.h"
#include "app/song_window.h"
#include "app/tform1.h"
#include "session/placed_fingering.h"
#include "song/song_text.h"
#include "sound/strum.h"
#include "view/song_strip.h"

namespace corvanta {
namespace {

constexpr int kDefaultTempo = 90;   // beats a minute, when the song names none
constexpr int kDefaultBeats = 4;    // a bar of 4/4
constexpr int kSongStrumSpeed = 1;  // a quick strum: the bar's first beat

int Leading(const std::string& text, int fallback) {
  const std::string_view trimmed = song_text::Trim(text);
  int value = 0;
  const auto [end, error] = std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), value);
  return error == std::errc() && value > 0 && end != trimmed.data() ? value : fallback;
}

}  // namespace

// A bar: the beats of {time} ("3/4": 3) at {tempo}, 4 beats at 90 without.
int SongWindow::BarMilliseconds() const {
  const int tempo = std::min(Leading(voiced_.song.tempo, kDefaultTempo), 400);
  const int beats = std::min(Leading(voiced_.song.time, kDefaultBeats), 16);
  return beats * 60000 / tempo;
}

void SongWindow::Play() {
  SettleText();
  Stop();
  playing_ = -1;
  play_->setEnabled(false);
  stop_->setEnabled(true);
  PlayNext();
  if (playing_ >= 0) playTimer_.start(BarMilliseconds());
}

void SongWindow::Stop() {
  playTimer_.stop();
  playing_ = -1;
  ShowPlaying(-1);
  if (play_ != nullptr) play_->setEnabled(true);
  if (stop_ != nullptr) stop_->setEnabled(false);
}

// The next voiced chord; the end of the song stops.
void SongWindow::PlayNext() {
  int next = playing_ + 1;
  while (next < static_cast<int>(voiced_.chords.size()) &&
         !voiced_.chords[static_cast<std::size_t>(next)].voicing)
    ++next;
  if (next >= static_cast<int>(voiced_.chords.size())) {
    Stop();
    return;
  }
  playing_ = next;
  const VoicedOccurrence& chord = voiced_.chords[static_cast<std::size_t>(next)];
  const Instrument sounding = InstrumentWithCapo(session_.instrument, voiced_.capo);
  main_->Player().Play(PlanStrumNotes(StrumNotes(chord.voicing->frets, sounding), kSongStrumSpeed));
  ShowPlaying(next);
}

// The chord sounding: its diagram highlighted and its place in the text selected.
void SongWindow::ShowPlaying(int occurrence) {
  if (strip_ == nullptr) return;
  QList<QTextEdit::ExtraSelection> selections;
  int distinct = -1;
  if (occurrence >= 0) {
    const VoicedOccurrence& chord = voiced_.chords[static_cast<std::size_t>(occurrence)];
    for (std::size_t i = 0; i < voiced_.distinct.size(); ++i)
      if (voiced_.distinct[i].symbol == chord.symbol) distinct = static_cast<int>(i);
    const SongChord& read = song_.chords[static_cast<std::size_t>(chord.chord)];
    const QTextBlock block = text_->document()->findBlockByNumber(read.sourceLine - 1);
    if (block.isValid()) {
      const SongHighlighter::Mark mark = MarkOf(read, block.text());
      QTextEdit::ExtraSelection selection;
      selection.cursor = QTextCursor(block);
      selection.cursor.setPosition(block.position() + mark.start);
      selection.cursor.setPosition(block.position() + mark.start + mark.length,
                                   QTextCursor::KeepAnchor);
      selection.format.setBackground(QColor(0xFF, 0xE0, 0x80));
      selections << selection;
    }
  }
  text_->setExtraSelections(selections);
  strip_->SetHighlighted(distinct);
  FollowPlaying(occurrence);
}

}  // namespace corvanta
