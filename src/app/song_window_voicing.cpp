// The song re-voiced at every change: transpose, key, capo, instrument,
// mode and pins, and what the window shows of the result.
#include <QComboBox>
#include <QFutureWatcher>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSettings>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>

#include "app/song_highlighter.h"
#include "app/song_window.h"
#include "app/tform1.h"
#include "printed_song/song_sheet_of.h"
#include "song/capo_suggestion.h"
#include "song/key_detection.h"
#include "song/song_defines.h"
#include "song/song_key.h"
#include "song/song_reader.h"
#include "song/song_transpose.h"
#include "song/song_writer.h"
#include "view/song_sheet_view.h"
#include "view/song_strip.h"

namespace corvanta {
namespace {

// The key the song's chords are written in: {key}, or the chords' own.
SongKey WrittenKey(const Song& song) {
  if (const std::optional<SongKey> key = ParseSongKey(song.key)) return *key;
  return DetectKey(song).key;
}

// The names shown, remembered as the CLI's --notation values.
constexpr const char* kNotationKey = "songs/notation";
constexpr const char* kNotationNames[] = {"standard", "nashville", "roman"};

// The signed shift, -5..6, between two keys' tonics.
int NearestShift(int from, int to) {
  const int up = ((to - from) % 12 + 12) % 12;
  return up > 6 ? up - 12 : up;
}

}  // namespace

QString SongWindow::SongText() const { return text_->toPlainText(); }

void SongWindow::SetSongText(const QString& text) {
  ReplaceText(text.toStdString());
  modified_ = false;
}

void SongWindow::ReplaceText(const std::string& text) {
  {
    const QSignalBlocker blocker(text_);
    text_->setPlainText(QString::fromStdString(text));
  }
  Revoice();
}

void SongWindow::TextEdited() {
  // Colouring the chords changes formats only, which the editor reports too.
  if (text_->toPlainText() == voicedText_) return;
  modified_ = true;
  // Read and voiced once typing pauses, off the key event: what is shown
  // stays until the new result is ready.
  typingPause_.start();
}

void SongWindow::VoiceInBackground() {
  voicedText_ = text_->toPlainText();
  const int generation = ++generation_;
  const auto job = [text = voicedText_.toStdString(), session = session_,
                    options = options_]() mutable {
    BackgroundVoicing result;
    result.song = ReadSong(text);
    try {
      result.voiced = VoiceSong(session, result.song, options);
    } catch (const BadPin&) {
      options.pins.clear();
      result.pinsDropped = true;
      result.voiced = VoiceSong(session, result.song, options);
    }
    return result;
  };
  // The watcher drops a result that a newer reading has overtaken.
  auto* watcher = new QFutureWatcher<BackgroundVoicing>(this);
  connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, generation] {
    watcher->deleteLater();
    if (generation != generation_ || watcher->future().resultCount() == 0) return;
    BackgroundVoicing result = watcher->future().takeResult();
    if (result.pinsDropped) options_.pins.clear();
    song_ = std::move(result.song);
    voiced_ = std::move(result.voiced);
    ShowVoicing();
  });
  watcher->setFuture(QtConcurrent::run(job));
}

void SongWindow::SettleText() {
  if (!typingPause_.isActive() && text_->toPlainText() == voicedText_ && !Voicing()) return;
  Revoice();
}

bool SongWindow::Voicing() const {
  return typingPause_.isActive() || generation_ != shownGeneration_;
}

std::string SongWindow::Written(const Song& song) const {
  return song.format == SongFormat::ChordPro ? WriteChordPro(song) : WriteChordsOverWords(song);
}

void SongWindow::Revoice() {
  typingPause_.stop();
  ++generation_;  // a reading in the background is overtaken
  voicedText_ = text_->toPlainText();
  song_ = ReadSong(voicedText_.toStdString());
  try {
    voiced_ = VoiceSong(session_, song_, options_);
  } catch (const BadPin&) {
    options_.pins.clear();
    voiced_ = VoiceSong(session_, song_, options_);
  }
  ShowVoicing();
}

void SongWindow::ShowVoicing() {
  shownGeneration_ = generation_;
  {
    const QSignalBlocker blocker(text_);
    highlighter_->SetSong(song_);
  }
  MirrorVoicing();
}

// The result in the controls: the strip, the key, the capo, the lines that
// say what could not be read or played.
void SongWindow::MirrorVoicing() {
  if (strip_ == nullptr || capoNames_ == nullptr) return;
  const SongSheet sheet = Sheet();
  SheetModel chords = sheet.diagrams;
  // The strip draws as the window's diagrams do; the chart's marks are the print's.
  chords.chartMarks = session_.labels == StringLabels::Chart;
  chords.nutFretLabel = true;
  std::vector<bool> pinned;
  const bool sounding = capoNames_->currentIndex() == 1 && voiced_.capo > 0;
  for (std::size_t i = 0; i < voiced_.distinct.size(); ++i) {
    pinned.push_back(voiced_.distinct[i].pinned);
    if (sounding) chords.diagrams[i].caption = voiced_.distinct[i].sounding;
  }
  strip_->SetChords(std::move(chords), std::move(pinned));
  preview_->SetSheet(sheet);
  stripArea_->setFixedHeight(strip_->sizeHint().height() + kStripAreaMargin);
  capoLine_->setText(QString::fromStdString(sheet.capoLine.empty() ? sheet.facts : sheet.capoLine));
  {
    const QSignalBlocker blocker(capo_);
    capo_->setValue(voiced_.capo);
  }
  FillKeyBox();
  QStringList problems;
  for (const SongIssue& issue : voiced_.unread)
    problems << tr("未识别: %1 (第%2行)").arg(QString::fromStdString(issue.text)).arg(issue.line);
  for (const SongIssue& issue : voiced_.unplayable)
    problems << tr("无法弹奏: %1").arg(QString::fromStdString(issue.text));
  // What reading said: the file's encoding, H read as B, defines not used.
  if (!fileNote_.isEmpty()) problems << fileNote_;
  for (const std::string& note : song_.notes) problems << QString::fromStdString(note);
  for (const SongIssue& issue : voiced_.warnings)
    problems << QString::fromStdString(issue.text + (issue.text.empty() ? "" : " ") +
                                       issue.message);
  problems_->setText(problems.join("  "));
  const QString title = QString::fromStdString(song_.title);
  setWindowTitle(title.isEmpty() ? tr("歌曲") : tr("歌曲") + " - " + title);
}

void SongWindow::Transpose(int semitones) {
  SettleText();
  Song moved = song_;
  TransposeSong(moved, semitones, TransposedKey(WrittenKey(song_), semitones));
  ReplaceText(Written(moved));
  modified_ = true;
}

void SongWindow::ChooseKey(const QString& key) {
  SettleText();
  const std::optional<SongKey> target = ParseSongKey(key.toStdString());
  const std::optional<SongKey> sounding = ParseSongKey(voiced_.soundingKey);
  if (!target || !sounding) return;
  const int shift = NearestShift(sounding->tonic, target->tonic);
  if (shift == 0) return;
  const SongKey written = WrittenKey(song_);
  Song moved = song_;
  TransposeSong(moved, shift,
                KeyAt(written.tonic + shift, written.minor, song_.capo == 0 && target->flats));
  ReplaceText(Written(moved));
  modified_ = true;
}

void SongWindow::SetCapo(int capo) {
  if (capo == voiced_.capo) return;
  SettleText();
  options_.capo = capo;
  // Pins name shapes: under another capo they are other chords.
  options_.pins.clear();
  Revoice();
  // The text names what the diagrams and the print show: the shapes under
  // the capo, with its capo line; the text then holds the capo, in letters.
  const VoicedSong letters = InLetters();
  const std::string written = song_.format == SongFormat::ChordPro
                                  ? WriteChordPro(letters.song, AddedChordProLines(letters, false))
                                  : WriteChordsOverWords(letters.song, AddedTextLines(letters));
  options_.capo.reset();
  ReplaceText(written);
  modified_ = true;
}

void SongWindow::Suggest() {
  SettleText();
  voiced_.capoSuggestions = SuggestCapos(session_, song_, options_);
  FillSuggestMenu();
}

void SongWindow::FillSuggestMenu() {
  suggestMenu_->clear();
  for (std::size_t i = 0; i < voiced_.capoSuggestions.size(); ++i) {
    const CapoSuggestion& suggestion = voiced_.capoSuggestions[i];
    QStringList shapes;
    for (const std::string& shape : suggestion.shapes) shapes << QString::fromStdString(shape);
    const QString capo =
        suggestion.capo == 0 ? tr("无变调夹") : tr("变调夹 %1").arg(suggestion.capo);
    QAction* item = suggestMenu_->addAction(tr("%1: %2 调 (%3)  难度 %4")
                                                .arg(capo,
                                                     suggestion.key.empty()
                                                         ? QStringLiteral("?")
                                                         : QString::fromStdString(suggestion.key),
                                                     shapes.join(' '))
                                                .arg(suggestion.difficulty, 0, 'f', 1));
    connect(item, &QAction::triggered, this, [this, i] { ApplySuggestion(static_cast<int>(i)); });
  }
}

void SongWindow::ApplySuggestion(int index) {
  if (index < 0 || index >= static_cast<int>(voiced_.capoSuggestions.size())) return;
  SetCapo(voiced_.capoSuggestions[static_cast<std::size_t>(index)].capo);
}

void SongWindow::ChooseInstrument(int index) {
  const auto& instruments = BuiltInInstruments();
  if (index < 0 || index >= static_cast<int>(instruments.size())) return;
  session_.instrument = instruments[static_cast<std::size_t>(index)];
  options_.pins.clear();  // frets of another instrument
  Revoice();
}

void SongWindow::ChooseMode(VoicingMode mode) {
  options_.mode = mode;
  {
    const QSignalBlocker blocker(mode_);
    mode_->setCurrentIndex(static_cast<int>(mode));
  }
  Revoice();
}

void SongWindow::ChooseNotation(ChordNumbers notation) {
  options_.notation = notation;
  QSettings().setValue(kNotationKey, kNotationNames[static_cast<int>(notation)]);
  {
    const QSignalBlocker blocker(notation_);
    notation_->setCurrentIndex(static_cast<int>(notation));
  }
  Revoice();
}

ChordNumbers SongWindow::RememberedNotation() {
  const std::string name = QSettings().value(kNotationKey).toString().toStdString();
  return ParseChordNumbers(name).value_or(ChordNumbers::Letters);
}

VoicedSong SongWindow::InLetters() const {
  if (options_.notation == ChordNumbers::Letters) return voiced_;
  SongVoicingOptions letters = options_;
  letters.notation = ChordNumbers::Letters;
  try {
    return VoiceSong(session_, song_, letters);
  } catch (const BadPin&) {
    letters.pins.clear();
    return VoiceSong(session_, song_, letters);
  }
}

void SongWindow::ShowChordInMain(int distinct) {
  if (distinct < 0 || distinct >= static_cast<int>(voiced_.distinct.size())) return;
  const DistinctChord& chord = voiced_.distinct[static_cast<std::size_t>(distinct)];
  // The main window and the pins know the chord by its letters.
  pinTarget_ = chord.letters;
  showingInMain_ = true;
  main_->ShowSongChord(chord.letters, chord.voicing.frets, session_.instrument, voiced_.capo);
  showingInMain_ = false;
  main_->raise();
}

int SongWindow::DistinctAt(int line, int column) const {
  const std::vector<SongHighlighter::Mark>& marks = highlighter_->Marks();
  for (std::size_t i = 0; i < marks.size() && i < voiced_.chords.size(); ++i) {
    const SongHighlighter::Mark& mark = marks[i];
    // The chord's text and the brackets or blanks just around it.
    if (mark.block != line || column < mark.start - 1 || column > mark.start + mark.length)
      continue;
    for (std::size_t d = 0; d < voiced_.distinct.size(); ++d)
      if (voiced_.distinct[d].symbol == voiced_.chords[i].symbol) return static_cast<int>(d);
  }
  return -1;
}

void SongWindow::FingeringChosenInMain(const Fingering& frets) {
  if (showingInMain_ || !pinTarget_) return;
  const auto same = [&](const SongPin& pin) { return pin.name == *pinTarget_; };
  options_.pins.erase(std::remove_if(options_.pins.begin(), options_.pins.end(), same),
                      options_.pins.end());
  options_.pins.push_back({*pinTarget_, -1, frets});
  Revoice();
}

void SongWindow::Unpin(int distinct) {
  if (distinct < 0 || distinct >= static_cast<int>(voiced_.distinct.size())) return;
  const std::string name = voiced_.distinct[static_cast<std::size_t>(distinct)].letters;
  options_.pins.erase(std::remove_if(options_.pins.begin(), options_.pins.end(),
                                     [&](const SongPin& pin) { return pin.name == name; }),
                      options_.pins.end());
  if (pinTarget_ == name) pinTarget_.reset();
  Revoice();
}

void SongWindow::SetZoom(int percent) {
  strip_->SetZoom(percent);
  stripArea_->setFixedHeight(strip_->sizeHint().height() + kStripAreaMargin);
}

SongSheet SongWindow::Sheet() const {
  SongSheet sheet = SongSheetOf(voiced_, session_);
  TranslateHeadings(sheet);
  return sheet;
}

void SongWindow::TranslateHeadings(SongSheet& sheet) const {
  const QString shapes = QString::fromStdString(voiced_.key);
  const QString sounding = QString::fromStdString(voiced_.soundingKey);
  if (voiced_.capo > 0) {
    const QString line =
        shapes.isEmpty() ? tr("变调夹 %1 — 和弦为指法").arg(voiced_.capo)
        : sounding.isEmpty()
            ? tr("变调夹 %1 — 指法为 %2 调").arg(voiced_.capo).arg(shapes)
            : tr("变调夹 %1 — 指法为 %2 调，实际为 %3 调").arg(voiced_.capo).arg(shapes, sounding);
    sheet.capoLine = line.toStdString();
  }
  QStringList facts;
  const QString key = sounding.isEmpty() ? shapes : sounding;
  if (!key.isEmpty()) facts << tr("%1 调").arg(key);
  const int tempo = QString::fromStdString(song_.tempo).section(' ', 0, 0).toInt();
  if (tempo > 0) facts << tr("每分钟 %1 拍").arg(tempo);
  if (!song_.time.empty()) facts << QString::fromStdString(song_.time);
  sheet.facts = facts.join(QString::fromUtf8(" \u00b7 ")).toStdString();
}

}  // namespace corvanta
