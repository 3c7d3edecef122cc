// The song window: a song's text, its voiced chords in a strip, its printed sheet.
#pragma once

#include <QMainWindow>
#include <QTimer>
#include <optional>
#include <vector>

#include "printed_song/song_sheet.h"
#include "session/session.h"
#include "song/saved_choices.h"
#include "song/setlist.h"
#include "song/text_encoding.h"
#include "song/voiced_song.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QScrollArea;
class QSpinBox;
class QToolButton;

namespace corvanta {

class SongHighlighter;

// The strip's scroll area beyond the diagrams: its frame and scroll bar.
inline constexpr int kStripAreaMargin = 22;
class SongSheetView;
class SongStrip;
class TForm1;
struct ExportFunctions;

// A song read and voiced away from the window, handed back whole.
struct BackgroundVoicing {
  Song song;
  VoicedSong voiced;
  bool pinsDropped = false;  // a pin was no fingering under the new text
};

// The song window, beside the main window: the song's text (editable, its
// chords coloured where read and marked where not), a strip of its
// distinct chords with the voicings chosen for them, and the controls that
// re-voice it at once: transpose, key, capo, instrument, mode; pins chosen
// in the main window; play; files, export and print. It holds the song's
// text and the choices; the core reads and voices.
class SongWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit SongWindow(TForm1* main);
  ~SongWindow() override;

  // Read-only views for tests and tools.
  const Song& ReadText() const { return song_; }
  const VoicedSong& Voiced() const { return voiced_; }
  const Session& SongSession() const { return session_; }
  const SongVoicingOptions& Options() const { return options_; }
  bool Modified() const { return modified_; }
  // Typed text not yet read and voiced (a pause, then the background).
  bool VoicingPending() const { return Voicing(); }
  // How long typing must pause before the song is read again.
  static constexpr int kTypingPauseMs = 150;
  const QString& FilePath() const { return path_; }
  SongStrip* Strip() const { return strip_; }
  SongSheetView* Preview() const { return preview_; }
  int PlayingChord() const { return playing_; }  // the occurrence sounding, -1 when stopped

  // The song: a file read (false with a message when it cannot be), or a text.
  bool OpenFile(const QString& path);
  void SetSongText(const QString& text);
  QString SongText() const;

  // The controls' actions, as their buttons do them.
  void Transpose(int semitones);
  void ChooseKey(const QString& key);
  void SetCapo(int capo);
  void ApplySuggestion(int index);  // one of Voiced().capoSuggestions after Suggest()
  void Suggest();
  void ChooseInstrument(int index);  // of BuiltInInstruments()
  void ChooseMode(VoicingMode mode);
  // The chords' names on the strip and the sheet: letters, Nashville
  // numbers or Roman numerals in the key of the shapes. Remembered.
  void ChooseNotation(ChordNumbers notation);
  // A chord of the strip shown in the main window; another diagram chosen
  // there then pins that chord name.
  void ShowChordInMain(int distinct);
  // The distinct chord whose text stands at a place of the song's text (a
  // line from 0, a character of it), -1 for none.
  int DistinctAt(int line, int column) const;
  void Unpin(int distinct);
  // The strip's diagrams at the main window's size (percent).
  void SetZoom(int percent);
  void Play();
  void Stop();
  // The file the song would be saved as; empty text on success.
  QString SaveChordPro(const QString& path, bool defines);
  QString SaveText(const QString& path);
  // The printed sheet of the song as it is voiced now.
  SongSheet Sheet() const;
  QStringList RecentSongs() const;
  // The form the song's file came in, kept for saving it back.
  const TextFileForm& FileForm() const { return fileForm_; }
  // An export's format ("pdf", "svg", "png") from the name given and the
  // filter chosen (a name without a suffix takes the filter's); empty for
  // a suffix of no format the song exports to.
  static QString ExportFormatOf(const QString& path, const QString& filter);

  // The view to play from (song_window_stage.cpp): the printed song at a
  // text size (0: the page's width), the words alone, two columns where
  // wide, following Play or scrolling at a speed, full screen, the songs of
  // a setlist one after another. Each is remembered.
  void SetTextScale(double scale);
  void StepTextSize(int steps);  // Ctrl+plus (1) and Ctrl+minus (-1)
  void SetLyricsOnly(bool on);
  void SetTwoColumns(bool on);
  void SetAutoScroll(bool on);  // scrolling at the speed, without sound
  void SetScrollSpeed(int pointsPerSecond);
  int ScrollSpeed() const { return scrollSpeed_; }
  void SetFullScreen(bool on);
  QScrollArea* PreviewArea() const { return previewArea_; }
  // A setlist's songs, opened one after another with their own key, capo
  // and instrument; false with a message when it cannot be read.
  bool OpenSetlist(const QString& path);
  bool StepSetlist(int step);  // PageDown (1), PageUp (-1); false at an end
  int SetlistPosition() const { return setlistAt_; }
  // The choices saved with the song ({meta} lines) and read when it is opened.
  SavedChoices CurrentChoices() const;
  void RestoreChoices();

 protected:
  void closeEvent(QCloseEvent* event) override;
  // A click on a chord of the text does what a click on the strip does.
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void BuildWindow();
  QWidget* BuildControls();
  void BuildMenus();
  void RetranslateUi();
  void FillKeyBox();
  void FillSuggestMenu();

  // Reads the text, voices it and shows the result: every change of a
  // control ends here; typing ends in VoiceInBackground after a pause.
  void Revoice();
  void VoiceInBackground();
  void ShowVoicing();
  // The sheet's capo line and facts in the window's language.
  void TranslateHeadings(SongSheet& sheet) const;
  // The song read from the text as it is now, before anything uses it
  // (a save, a transposition): typing not yet read is read at once.
  void SettleText();
  // A reading of typed text is waiting or running.
  bool Voicing() const;
  void MirrorVoicing();
  void TextEdited();
  void FingeringChosenInMain(const Fingering& frets);
  // The written form of a song in the text's own form.
  std::string Written(const Song& song) const;
  // The song as voiced now with its names in letters, as the text and its
  // files keep them whatever the names shown.
  VoicedSong InLetters() const;
  static ChordNumbers RememberedNotation();
  void ReplaceText(const std::string& text);
  void PlayNext();
  void ShowPlaying(int occurrence);
  int BarMilliseconds() const;

  void OpenClick();
  void PasteClick();
  void SaveClick(bool chordPro, bool defines);
  void ExportClick();
  void PrintClick();
  void AddRecent(const QString& path);
  void FillRecentMenu();
  const ExportFunctions* Exports();
  // Asks before a changed song is dropped; true when it may be.
  bool MayDrop();
  void BuildPlayView();
  void RetranslatePlayView();
  void FollowPlaying(int occurrence);
  void ScrollStep();
  void ApplySetlistEntry(const SetlistEntry& entry);

  TForm1* main_;
  Session session_;
  SongVoicingOptions options_;
  Song song_;
  VoicedSong voiced_;
  QString path_;
  QString voicedText_;  // the text the song was last read from
  TextFileForm fileForm_;
  QTimer typingPause_;       // single shot: typing has paused
  int generation_ = 0;       // readings started
  int shownGeneration_ = 0;  // the reading shown
  QString fileNote_;         // what reading the file said (an encoding guessed)
  bool modified_ = false;
  int voicings_ = 0;                      // how many times the song was voiced
  std::optional<std::string> pinTarget_;  // the chord name shown in the main window
  bool showingInMain_ = false;
  QTimer playTimer_;
  int playing_ = -1;
  const ExportFunctions* exports_ = nullptr;
  QTimer scrollTimer_;
  int scrollSpeed_ = 20;  // points a second
  double scrollCarry_ = 0;
  std::vector<SetlistEntry> setlist_;
  QString setlistFolder_;
  int setlistAt_ = -1;
  QList<QWidget*> hiddenWhenFull_;

  QPlainTextEdit* text_ = nullptr;
  SongHighlighter* highlighter_ = nullptr;
  SongStrip* strip_ = nullptr;
  QWidget* stripArea_ = nullptr;
  SongSheetView* preview_ =
      nullptr;  // the printed song beside the text  // scrolls the strip sideways, as tall as it
  QToolButton* down_ = nullptr;
  QToolButton* up_ = nullptr;
  QLabel* keyLabel_ = nullptr;
  QComboBox* key_ = nullptr;
  QLabel* capoLabel_ = nullptr;
  QSpinBox* capo_ = nullptr;
  QComboBox* capoNames_ = nullptr;
  QToolButton* suggest_ = nullptr;
  QMenu* suggestMenu_ = nullptr;
  QComboBox* instrument_ = nullptr;
  QComboBox* mode_ = nullptr;
  QComboBox* notation_ = nullptr;  // letters, Nashville numbers, Roman numerals
  QCheckBox* simplify_ = nullptr;  // each chord played as a simpler one of its function
  QToolButton* play_ = nullptr;
  QToolButton* stop_ = nullptr;
  QLabel* capoLine_ = nullptr;
  QLabel* problems_ = nullptr;
  QMenu* fileMenu_ = nullptr;
  QMenu* recentMenu_ = nullptr;
  QAction* open_ = nullptr;
  QAction* paste_ = nullptr;
  QAction* saveChordPro_ = nullptr;
  QAction* saveDefines_ = nullptr;
  QAction* saveText_ = nullptr;
  QAction* export_ = nullptr;
  QAction* print_ = nullptr;
  QAction* close_ = nullptr;
  QScrollArea* previewArea_ = nullptr;
  QMenu* viewMenu_ = nullptr;
  QAction* bigger_ = nullptr;
  QAction* smaller_ = nullptr;
  QAction* fitPage_ = nullptr;
  QAction* lyricsOnly_ = nullptr;
  QAction* twoColumns_ = nullptr;
  QAction* autoScroll_ = nullptr;
  QAction* faster_ = nullptr;
  QAction* slower_ = nullptr;
  QAction* fullScreen_ = nullptr;
  QAction* keyUp_ = nullptr;
  QAction* keyDown_ = nullptr;
  QAction* playStop_ = nullptr;
  QAction* stopKey_ = nullptr;
  QAction* nextSong_ = nullptr;
  QAction* previousSong_ = nullptr;
};

}  // namespace corvanta
