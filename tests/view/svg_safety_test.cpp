// Every SVG the program writes opens in an XML reader and holds the texts
// it was given as text: symbols, headings, song titles and lyrics with
// markup, ampersands, quotes and control characters, typed or random.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>
#include <random>

#include "keyed_fingering.h"
#include "view/sheet_files.h"
#include "view/song_sheet_files.h"
#include "view/svg_file.h"

namespace corvanta {
namespace {

const char* const kInjections[] = {
    "C</title><script>alert(1)</script><title>",
    "Am7&",
    "G\"'<>&amp;]]>",
    "D\x01\x02\x0B\x1F tab\tend",
    "<!--",
    "E\xEF\xBF\xBE\xEF\xBF\xBF",  // U+FFFE, U+FFFF
    "F\xFF\xFE stray bytes",
};

// What a reader may see of a text: XML cannot hold the C0 controls (but
// tab, newline, return) nor U+FFFE/U+FFFF, and stray bytes are no UTF-8.
QString Readable(const std::string& text) {
  QString shown = QString::fromStdString(text);
  // XML reads a line end of any kind as a newline.
  shown.replace("\r\n", "\n").replace('\r', '\n');
  for (QChar& c : shown) {
    const char16_t code = c.unicode();
    if ((code < 0x20 && code != '\t' && code != '\n' && code != '\r') || code == 0xFFFE ||
        code == 0xFFFF)
      c = QChar(0xFFFD);
  }
  return shown;
}

struct ParsedSvg {
  QString error;
  QString title;
  QStringList elements;
  QString texts;  // every text element's content, joined
};

ParsedSvg Parse(const QString& path) {
  ParsedSvg parsed;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {"cannot open " + path, {}, {}, {}};
  QXmlStreamReader xml(&file);
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const QString name = xml.name().toString();
    parsed.elements << name;
    if (name == "title") parsed.title = xml.readElementText();
    if (name == "text") parsed.texts += xml.readElementText();
  }
  if (xml.hasError()) parsed.error = xml.errorString();
  return parsed;
}

ChordSheet SheetOf(const std::string& text) {
  ChordSheet sheet;
  sheet.heading = text;
  sheet.diagrams = {{Keyed({99, 3, 2, 0, 1, 0}), text, false},
                    {Keyed({0, 2, 2, 1, 0, 0}), "E", false}};
  return sheet;
}

SongSheet SongOf(const std::string& text) {
  SongSheet song;
  song.title = text;
  song.subtitle = text;
  SongSheetBlock section;
  section.kind = SongBlockKind::Section;
  section.text = text;
  SongSheetBlock lyrics;
  lyrics.segments = {{text, text + " words", true}, {"G", "more", true}};
  song.body = {section, lyrics};
  return song;
}

// The drawing opens, holds no element the program does not draw, and keeps
// the title as given.
void VerifySvg(const QString& path, const std::string& text) {
  const ParsedSvg parsed = Parse(path);
  QVERIFY2(parsed.error.isEmpty(), qPrintable(parsed.error + " for " + Readable(text)));
  QVERIFY2(!parsed.elements.contains("script"), qPrintable(Readable(text)));
  QCOMPARE(parsed.title, Readable(text));
}

std::string RandomText(std::mt19937& random) {
  static const char* pieces[] = {"<",  ">",  "&",        "\"",           "'",        "]]>",  "<!--",
                                 "C",  "m7", "</title>", "\xEF\xBF\xBE", "\xC2\xA0", "&#0;", " ",
                                 "\n", "\t"};
  std::uniform_int_distribution<int> count(0, 10);
  std::uniform_int_distribution<int> piece(0, std::size(pieces) - 1);
  std::uniform_int_distribution<int> byte(0, 255);
  std::string text;
  for (int n = count(random); n > 0; --n)
    text +=
        byte(random) < 64 ? std::string(1, static_cast<char>(byte(random))) : pieces[piece(random)];
  return text;
}

}  // namespace

class SvgSafetyTest : public QObject {
  Q_OBJECT

 private slots:
  void everySvgWriterEscapesTheTextsItIsGiven() {
    QTemporaryDir folder;
    for (const std::string text : kInjections) {
      const QString sheetPath = folder.filePath("sheet.svg");
      QCOMPARE(WriteSheetSvg(SheetOf(text), sheetPath), QString());
      VerifySvg(sheetPath, text);
      // The caption is drawn as text, markup and all.
      if (text == kInjections[0]) QVERIFY(Parse(sheetPath).texts.contains("<script>"));
      const QString songPath = folder.filePath("song.svg");
      QCOMPARE(WriteSongSvg(SongOf(text), songPath, SongPaper::A4), QString());
      VerifySvg(songPath, text);
    }
  }

  // Seeded random texts through both writers, as a fuzz target.
  void randomTextsAlwaysGiveAnSvgThatParses() {
    QTemporaryDir folder;
    std::mt19937 random(39);
    for (int round = 0; round < 150; ++round) {
      const std::string text = RandomText(random);
      const QString path = folder.filePath(round % 2 == 0 ? "fuzz-sheet.svg" : "fuzz-song.svg");
      const QString written = round % 2 == 0 ? WriteSheetSvg(SheetOf(text), path)
                                             : WriteSongSvg(SongOf(text), path, SongPaper::Letter);
      QCOMPARE(written, QString());
      VerifySvg(path, text);
    }
  }

  // The command line's drawings: its sheet, diagram and song sheet.
  void everySvgTheCommandLineWritesParses() {
    QTemporaryDir folder;
    const QString path = folder.filePath("cli.svg");
    const QList<QStringList> commands = {
        {"sheet", "C</title><script>alert(1)</script><title>", "--svg", path},
        {"sheet", "Am7&", "G", "--svg", path},
        {"sheet", "G\"'<>&amp;", "--svg", path},
        {"diagram", "x32010", "--svg", path},
        {"song", "--chords", "Am7& C</title><script>x</script> G", "--svg", path},
    };
    for (const QStringList& arguments : commands) {
      QFile::remove(path);
      QProcess cli;
      cli.start(CORVANTA_CLI_PATH, arguments);
      QVERIFY(cli.waitForFinished(60000));
      QVERIFY2(cli.exitCode() == 0,
               qPrintable(arguments.join(' ') + ": " + cli.readAllStandardError()));
      const ParsedSvg parsed = Parse(path);
      QVERIFY2(parsed.error.isEmpty(), qPrintable(arguments.join(' ') + ": " + parsed.error));
      QVERIFY2(!parsed.elements.contains("script"), qPrintable(arguments.join(' ')));
    }
  }

  void xmlCharactersAreReplacedAcrossThePiecesTheyArriveIn() {
    std::string carry;
    std::string safe = XmlCharacters("a\x01\xEF", carry);
    safe += XmlCharacters(
        "\xBF\xBE"
        "b\xEF\xBF",
        carry);
    safe += XmlCharacters("\xBD", carry);
    QCOMPARE(QString::fromStdString(safe), QString::fromUtf8("a\uFFFD\uFFFDb\uFFFD"));
    QVERIFY(carry.empty());
    QCOMPARE(XmlEscaped("<a href=\"x\">'&'</a>"),
             QString("&lt;a href=&quot;x&quot;&gt;&#39;&amp;&#39;&lt;/a&gt;"));
  }

  void anSvgOfTooManyDiagramsIsRefusedSayingWhatToLower() {
    QTemporaryDir folder;
    ChordSheet sheet;
    sheet.diagrams.assign(static_cast<std::size_t>(kMostSvgDiagrams) + 1,
                          {Keyed({99, 3, 2, 0, 1, 0}), "C", false});
    const QString path = folder.filePath("huge.svg");
    const QString refused = WriteSheetSvg(sheet, path);
    QVERIFY2(refused.contains("draw fewer diagrams"), qPrintable(refused));
    QVERIFY(!QFile::exists(path));
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
  }
};

}  // namespace corvanta

QTEST_MAIN(corvanta::SvgSafetyTest)
#include "svg_safety_test.moc"
