// The printed song: its lines wrapped without parting a chord from its
// syllable, its pages, and its files read back (pdftotext) as a reader
// would read them: the title, the capo line, every lyric and every chord.
#include <QFile>
#include <QImage>
#include <QPageSize>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "printed_song/lyric_wrap.h"
#include "printed_song/song_sheet_layout.h"
#include "printed_song/song_sheet_of.h"
#include "printed_song/text_breaks.h"
#include "search/fingering.h"
#include "search/key_text.h"
#include "song/song_reader.h"
#include "view/qt_text_measure.h"
#include "view/song_sheet_files.h"

namespace corvanta {
namespace {

SongSheetBlock Lyrics(std::vector<SongSheetSegment> segments, bool chorus = false) {
  SongSheetBlock block;
  block.segments = std::move(segments);
  block.chorus = chorus;
  return block;
}

SongSheetBlock Labelled(SongBlockKind kind, std::string text, bool chorus = false) {
  SongSheetBlock block;
  block.kind = kind;
  block.text = std::move(text);
  block.chorus = chorus;
  return block;
}

// A public-domain hymn with every kind of block.
SongSheet Hymn() {
  SongSheet sheet;
  sheet.title = "Amazing Grace";
  sheet.subtitle = "John Newton";
  sheet.facts = SongFactsLine("Bb", 90, "3/4");
  sheet.capoLine = CapoLine(3, "G", "Bb");
  const auto diagram = [](std::vector<int> values, std::string caption) {
    return SheetDiagram{*FingeringOfKeyValues(values), std::move(caption), false};
  };
  sheet.diagrams.diagrams = {
      diagram({kMuted, 3, 2, 0, 1, 0}, "C"), diagram({3, 2, 0, 0, 0, 3}, "G"),
      diagram({kMuted, kMuted, 0, 2, 3, 2}, "D"), diagram({0, 2, 2, 0, 0, 0}, "Em")};
  DescribeStrings(sheet.diagrams, BuiltInInstruments().front(), 3);
  sheet.body = {
      Labelled(SongBlockKind::Section, "Verse 1"),
      Lyrics({{"", "A", true},
              {"G", "mazing grace, how ", true},
              {"C", "sweet the ", true},
              {"G", "sound", true}}),
      Lyrics({{"", "That saved a ", true}, {"D", "wretch like me", true}}),
      Labelled(SongBlockKind::Space, ""),
      Labelled(SongBlockKind::Section, "Chorus", true),
      Lyrics({{"Em", "I once was lost, but ", true}, {"C", "now am found", true}}, true),
      Labelled(SongBlockKind::Comment, "Repeat softly"),
  };
  SongSheetBlock italic = Labelled(SongBlockKind::Comment, "Slower at the end");
  italic.comment = CommentStyle::Italic;
  sheet.body.push_back(italic);
  SongSheetBlock grid;
  grid.kind = SongBlockKind::Grid;
  grid.bars = {{"G", ".", "."}, {"C", ".", "G"}, {"D", ".", "."}};
  sheet.body.push_back(grid);
  SongSheetBlock tab;
  tab.kind = SongBlockKind::Tab;
  tab.lines = {"e|-----0---|", "B|---1---1-|", "G|-0-------|"};
  sheet.body.push_back(tab);
  sheet.body.push_back(Lyrics({{"H7", "Unread ", false}, {"G", "end", true}}));
  return sheet;
}

QString Run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(30000)) return QString();
  return QString::fromUtf8(process.readAllStandardOutput());
}

// CORVANTA_KEEP_SHEETS=folder keeps a copy of each file written, to look at.
void Keep(const QString& file) {
  const QString folder = qEnvironmentVariable("CORVANTA_KEEP_SHEETS");
  if (folder.isEmpty()) return;
  QFile::remove(folder + "/" + QFileInfo(file).fileName());
  QFile::copy(file, folder + "/" + QFileInfo(file).fileName());
}

// pdftotext's reading of the page, blanks collapsed.
QString PdfText(const QString& pdf, int page = 0) {
  Keep(pdf);
  QStringList arguments;
  if (page > 0) arguments << "-f" << QString::number(page) << "-l" << QString::number(page);
  arguments << pdf << "-";
  return Run("pdftotext", arguments).simplified();
}

int PdfPages(const QString& pdf) {
  const QRegularExpressionMatch match =
      QRegularExpression("Pages:\\s+(\\d+)").match(Run("pdfinfo", {pdf}));
  return match.hasMatch() ? match.captured(1).toInt() : -1;
}

const QtTextMeasure kMeasure;

// The printed song's lyric faces, measured with Qt's fonts.
LyricSetting Setting() {
  return {kMeasure, FaceOf(SongTextRole::Chord), FaceOf(SongTextRole::Lyric)};
}

SongSheetLayout Pages(const SongSheet& sheet, SongPaper paper) {
  return LayOutSongPages(sheet, PaperSize(paper), kMeasure);
}

bool StartsWith(const std::string& text, std::string_view start) {
  return text.compare(0, start.size(), start) == 0;
}

SongSheet LongSong(int lines) {
  SongSheet sheet;
  sheet.title = "The Long Road";
  for (int i = 0; i < lines; ++i)
    sheet.body.push_back(Lyrics(
        {{"G", "Line " + std::to_string(i + 1) + " of the road ", true}, {"D", "goes on", true}}));
  return sheet;
}

}  // namespace

class SongSheetTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
      QSKIP("pdftotext (poppler-utils) is not installed");
  }

  // Every chord stands at the x of the lyric it was written before, on the
  // line that lyric ends up on, at every width; no line's ink passes the
  // width, and no lyric is lost.
  void wrappedLinesKeepEveryChordOverItsSyllable() {
    const std::vector<SongSheetSegment> segments{
        {"", "When ", true},      {"G", "I was a ", true},   {"Cmaj7", "young man ", true},
        {"D7sus4", "cour", true}, {"Am", "ting the ", true}, {"G", "girls", true},
        {"D", "", true}};
    std::string whole;
    for (const auto& segment : segments) whole += segment.lyric;
    for (double width : {60.0, 90.0, 140.0, 200.0, 1000.0}) {
      const std::vector<WrappedLine> lines = WrapLyricLine(segments, Setting(), width);
      std::string text;
      int chords = 0;
      for (const WrappedLine& line : lines) {
        for (const PlacedRun& run : line.runs) {
          text += run.text;
          QVERIFY2(
              run.x + kMeasure.Width(TrimWhiteSpace(run.text), Setting().lyric) <= width + 0.01,
              qPrintable(QString("%1 at width %2").arg(run.text.c_str()).arg(width)));
        }
        chords += static_cast<int>(line.chords.size());
        // A chord with a lyric after it starts where some run starts or inside one.
        for (const PlacedChord& chord : line.chords) {
          if (chord.text == "D" && &line == &lines.back() && chord.x > 0) continue;
          bool over = false;
          for (const PlacedRun& run : line.runs) over = over || std::abs(run.x - chord.x) < 1e-6;
          if (!over) {
            // Inside a run the pen did not move: the chord's syllable begins there.
            for (const PlacedRun& run : line.runs)
              over = over || (chord.x > run.x && chord.x < run.x + run.width);
          }
          QVERIFY2(over, chord.text.c_str());
        }
      }
      QCOMPARE(text, whole);
      QCOMPARE(chords, 6);
      // "cour" and "ting" stay one word on one line when a line can hold it.
      if (width >= 140) {
        bool together = false;
        for (const WrappedLine& line : lines) {
          std::string joined;
          for (const PlacedRun& run : line.runs) joined += run.text;
          together = together || joined.find("courting") != std::string::npos;
        }
        QVERIFY(together);
      }
    }
  }

  // A chord wider than its syllable pushes the lyric after it, so the next
  // chord does not run into it.
  void aWideChordMakesRoomForTheNext() {
    const std::vector<WrappedLine> lines =
        WrapLyricLine({{"C#m7b5", "a", true}, {"F#7#9", "b", true}}, Setting(), 500);
    QCOMPARE(lines.size(), std::size_t(1));
    const auto& chords = lines.front().chords;
    QCOMPARE(chords.size(), std::size_t(2));
    QVERIFY(chords[1].x >= chords[0].x + kMeasure.Width(chords[0].text, Setting().chord));
    QCOMPARE(lines.front().runs.back().x, chords[1].x);
  }

  void aLineTooNarrowForAWordBreaksBetweenLetters() {
    const std::vector<WrappedLine> lines =
        WrapLyricLine({{"G", "Supercalifragilistic", true}}, Setting(), 40);
    QVERIFY(lines.size() > 2);
    QCOMPARE(lines.front().chords.size(), std::size_t(1));
    QCOMPARE(lines.front().chords.front().x, 0.0);
    QVERIFY(WrapLyricLine({}, Setting(), 40).size() == 1);
  }

  void theFirstPageHoldsTheTitleBlockAndADiagramPerChord() {
    const SongSheet sheet = Hymn();
    const SongSheetLayout layout = Pages(sheet, SongPaper::A4);
    QCOMPARE(layout.pages.size(), std::size_t(1));
    const SongPageLayout& page = layout.pages.front();
    QCOMPARE(page.diagrams.size(), sheet.diagrams.diagrams.size());
    double titleY = -1, capoY = -1, firstLyricY = 1e9, lowestDiagram = 0;
    for (const SongText& text : page.texts) {
      if (text.role == SongTextRole::Title) titleY = text.baseline.y;
      if (text.role == SongTextRole::CapoLine) capoY = text.baseline.y;
      if (text.role == SongTextRole::Lyric) firstLyricY = std::min(firstLyricY, text.baseline.y);
      QVERIFY(text.baseline.x >= kSongPageMargin - 0.01);
    }
    for (const auto& [index, at] : page.diagrams) lowestDiagram = std::max(lowestDiagram, at.y);
    QVERIFY(titleY > 0 && titleY < capoY && capoY < lowestDiagram && lowestDiagram < firstLyricY);
    // The chorus is indented, with its mark in the margin.
    bool indented = false;
    for (const SongText& text : page.texts)
      indented = indented || (StartsWith(text.text, "I once") &&
                              std::abs(text.baseline.x - kSongPageMargin - kChorusIndent) < 0.01);
    QVERIFY(indented);
    QCOMPARE(page.bands.size(), std::size_t(1));  // the plain comment's grey band
  }

  // pdftotext finds the title, the capo line, every lyric and every chord.
  void thePdfReadsBackAsTheSong() {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("hymn.pdf");
    QCOMPARE(WriteSongPdf(Hymn(), pdf, SongPaper::A4), QString());
    const QString text = PdfText(pdf);
    for (const char* expected :
         {"Amazing Grace", "John Newton", "Key Bb", "90 bpm", "3/4",
          "Capo 3 \u2014 shapes in G, sounding Bb", "Verse 1", "Amazing grace, how sweet the sound",
          "That saved a wretch like me", "I once was lost, but now am found", "Repeat softly",
          "Slower at the end", "e|-----0---|", "H7", "Unread end", "Chorus"})
      QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
    // Each chord of the song: the diagram captions, the chords over the lyrics and the grid.
    for (const char* chord : {"C", "G", "D", "Em"})
      QVERIFY2(text.count(QRegularExpression(QString("\\b%1\\b").arg(chord))) >= 2, chord);
    QCOMPARE(PdfPages(pdf), 1);
    QVERIFY(!text.contains(QRegularExpression("\\b1\\s*/\\s*1\\b")));  // one page: no page numbers
  }

  void aTwoPageSongRepeatsItsTitleAndNumbersItsPages() {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("long.pdf");
    QCOMPARE(WriteSongPdf(LongSong(40), pdf, SongPaper::Letter), QString());
    QCOMPARE(PdfPages(pdf), 2);
    const QString first = PdfText(pdf, 1), second = PdfText(pdf, 2);
    QVERIFY(first.contains("The Long Road") && second.contains("The Long Road"));
    const QRegularExpression firstNumber("\\b1\\s*/\\s*2\\b"), secondNumber("\\b2\\s*/\\s*2\\b");
    QVERIFY(first.contains(firstNumber) && second.contains(secondNumber));
    const QString both = first + " " + second;
    for (int i = 1; i <= 40; ++i)
      QVERIFY(both.contains(QString("Line %1 of the road goes on").arg(i)));
    // Letter is shorter than A4: the same song fits fewer lines a page.
    const SongSheetLayout a4 = Pages(LongSong(40), SongPaper::A4);
    const SongSheetLayout letter = Pages(LongSong(40), SongPaper::Letter);
    QVERIFY(a4.pages.front().texts.size() > letter.pages.front().texts.size());
  }

  void aNewPageDirectiveStartsAPage() {
    SongSheet sheet = LongSong(2);
    sheet.body.insert(sheet.body.begin() + 1, Labelled(SongBlockKind::NewPage, ""));
    QCOMPARE(Pages(sheet, SongPaper::A4).pages.size(), std::size_t(2));
    QCOMPARE(LayOutSongPicture(sheet, 595, kMeasure).pages.size(), std::size_t(1));
  }

  void chineseLyricsArePrintedAndWrapBetweenCharacters() {
    SongSheet sheet;
    sheet.title = "茉莉花";
    sheet.body.push_back(Lyrics({{"C", "好一朵美丽的", true}, {"G", "茉莉花", true}}));
    QTemporaryDir dir;
    const QString pdf = dir.filePath("moli.pdf");
    QCOMPARE(WriteSongPdf(sheet, pdf, SongPaper::A4), QString());
    const QString text = PdfText(pdf).remove(' ');
    QVERIFY2(text.contains("茉莉花") && text.contains("好一朵美丽的茉莉花"), qPrintable(text));
    QVERIFY(Run("pdffonts", {pdf}).contains("WenQuanYi"));
    const std::vector<WrappedLine> narrow =
        WrapLyricLine(sheet.body.front().segments, Setting(), 40);
    QVERIFY(narrow.size() >= 3);
  }

  // A ChordPro file read, voiced and printed: pdftotext finds every line
  // the song shows, and each chord of each line over it.
  void aReadSongIsPrintedWhole() {
    QFile file(CORVANTA_TEST_DATA "/amazing_grace.cho");
    QVERIFY(file.open(QIODevice::ReadOnly));
    const std::string text = file.readAll().toStdString();
    const Session session;
    const VoicedSong voiced = VoiceSong(session, ReadSong(text), SongVoicingOptions());
    QTemporaryDir dir;
    const QString pdf = dir.filePath("amazing_grace.pdf");
    QCOMPARE(WriteSongPdf(SongSheetOf(voiced, session), pdf, SongPaper::A4), QString());
    QCOMPARE(PdfPages(pdf), 2);  // {new_page}
    const QString read = PdfText(pdf);
    QVERIFY(read.contains("Capo 3 — shapes in G, sounding Bb"));
    // The diagrams are open chords: the nut says the first fret, no "1"
    // beside it (the "1"s left are fingers), as the window's diagrams have.
    SongSheet labelled = SongSheetOf(voiced, session);
    labelled.diagrams.nutFretLabel = true;
    const QString labelledPdf = dir.filePath("labelled.pdf");
    QCOMPARE(WriteSongPdf(labelled, labelledPdf, SongPaper::A4), QString());
    const QRegularExpression one("\\b1\\b");
    QCOMPARE(PdfText(labelledPdf).count(one) - read.count(one),
             static_cast<qsizetype>(voiced.distinct.size()));
    for (const SongLine& line : voiced.song.lines) {
      if (line.kind != LineKind::Lyrics) continue;
      QVERIFY2(read.contains(QString::fromStdString(line.lyrics)), line.lyrics.c_str());
    }
    for (const SongChord& chord : voiced.song.chords)
      QVERIFY2(read.contains(QString::fromStdString(chord.text)), chord.text.c_str());
    const SongSheetLayout layout = Pages(SongSheetOf(voiced, session), SongPaper::A4);
    QCOMPARE(layout.pages.front().diagrams.size(), voiced.distinct.size());
  }

  // Seeded random songs, ChordPro and odd bytes mixed: every page laid out
  // keeps its texts on the paper, and no lyric is lost.
  void randomSongsStayOnThePaper() {
    const std::vector<std::string> pieces{
        "[G]",
        "[C#m7b5]",
        "[Qz]",
        "la ",
        "laaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa",
        "好一朵",
        "\n",
        "{soc}\n",
        "{eoc}\n",
        "{c: note}\n",
        "{sog}\n| G . | C |\n{eog}\n",
        "{sot}\n",
        "e|--0--|\n",
        "{eot}\n",
        "{np}\n",
        "\t",
        "\xff\xfe",
        "{title: T}\n",
        "[",
        "]"};
    std::uint32_t seed = 20261209;
    auto next = [&seed] { return seed = seed * 1664525u + 1013904223u; };
    const SheetSize paper = PaperSize(SongPaper::A4);
    for (int round = 0; round < 60; ++round) {
      std::string text;
      const int count = static_cast<int>(next() % 120);
      for (int i = 0; i < count; ++i) {
        text += pieces[next() % pieces.size()];
      }
      const Session session;
      const VoicedSong voiced = VoiceSong(session, ReadSong(text), SongVoicingOptions());
      const SongSheet sheet = SongSheetOf(voiced, session);
      const SongSheetLayout layout = LayOutSongPages(sheet, paper, kMeasure);
      QVERIFY(!layout.pages.empty());
      for (const SongPageLayout& page : layout.pages)
        for (const SongText& drawn : page.texts) {
          QVERIFY2(drawn.baseline.y > 0 && drawn.baseline.y < paper.height, drawn.text.c_str());
          QVERIFY2(drawn.baseline.x >= 0 && drawn.baseline.x < paper.width, drawn.text.c_str());
        }
      QVERIFY(LayOutSongPicture(sheet, paper.width, kMeasure).pages.size() == 1);
    }
  }

  // The papers the layout knows are the ones Qt prints on.
  void thePapersAreQtsPapers() {
    for (const auto& [paper, qt] : {std::pair{SongPaper::A4, QPageSize::A4},
                                    std::pair{SongPaper::Letter, QPageSize::Letter}}) {
      const QSizeF points = QPageSize(qt).size(QPageSize::Point);
      QCOMPARE(PaperSize(paper).width, points.width());
      QCOMPARE(PaperSize(paper).height, points.height());
    }
  }

  // The pictures: drawn, not blank, a page wide.
  void theSvgAndPngAreOneTallPicture() {
    QTemporaryDir dir;
    QCOMPARE(WriteSongSvg(Hymn(), dir.filePath("hymn.svg"), SongPaper::A4), QString());
    QFile svg(dir.filePath("hymn.svg"));
    QVERIFY(svg.open(QIODevice::ReadOnly));
    const QByteArray bytes = svg.readAll();
    QVERIFY(bytes.contains("<svg") && bytes.contains("Amazing"));
    QCOMPARE(WriteSongPng(Hymn(), dir.filePath("hymn.png"), SongPaper::A4, 2), QString());
    Keep(dir.filePath("hymn.png"));
    QImage image(dir.filePath("hymn.png"));
    QCOMPARE(image.width(), qRound(PaperSize(SongPaper::A4).width * 2));
    int dark = 0;
    for (int y = 0; y < image.height(); y += 3)
      for (int x = 0; x < image.width(); x += 3) dark += qGray(image.pixel(x, y)) < 100;
    QVERIFY(dark > 500);
    QVERIFY(!WriteSongPdf(Hymn(), dir.path(), SongPaper::A4).isEmpty());  // a folder: refused
  }
};

}  // namespace corvanta

QTEST_MAIN(corvanta::SongSheetTest)
#include "song_sheet_test.moc"
