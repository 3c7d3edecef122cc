// Diagrams drawn as shapes: the specified positions at 100%, the same
// picture at twice the pixel ratio, and the exports (SVG, PDF, PNG) drawn by
// the same code, written whole or not at all.
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "keyed_fingering.h"
#include "view/chord_sheet.h"
#include "view/diagram_painter.h"
#include "view/drawn_assets.h"
#include "view/layout/diagram_layout.h"
#include "view/sheet_files.h"

namespace corvanta {

class DrawingTest : public QObject {
  Q_OBJECT

 private:
  static QImage Render(const Fingering& frets, double ratio) {
    QImage image(QSize(100, 130) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    const Diagram diagram{frets, DiagramVariant::Plain, false, 0, {}, -1, {}};
    PaintDiagram(painter, diagram, QRectF(QPointF(0, 0), diagram.CellSize()));
    return image;
  }

  static bool Dark(QRgb pixel) { return qGray(pixel) < 80; }

 private slots:
  void theDiagramKeepsItsSpecifiedPositionsAtOneHundredPercent() {
    const Fingering f = Keyed({-1, 3, 3, 2, 1, 1});
    QImage image = Render(f, 1);
    DiagramLayout layout = LayOutDiagram(f, DiagramVariant::Plain, false);
    int discs = 0;
    for (const Placement& p : layout.placements) {
      switch (p.sprite) {
        case Sprite::Finger1:
        case Sprite::Finger2:
        case Sprite::Finger3:
        case Sprite::Finger4:
          ++discs;
          // The disc beside its white digit.
          QVERIFY(Dark(image.pixel(p.x + 1, p.y + 4)));
          QVERIFY(Dark(image.pixel(p.x + 7, p.y + 4)));
          break;
        case Sprite::BarreSegment:
          QVERIFY(Dark(image.pixel(p.x + 7, p.y + 2)));
          break;
        case Sprite::BassMark:
          QVERIFY(Dark(image.pixel(p.x + 3, p.y + 3)));
          break;
        case Sprite::SoundingMark:
          QVERIFY(!Dark(image.pixel(p.x + 3, p.y + 3)));  // a ring
          break;
        default:
          break;
      }
    }
    QCOMPARE(discs, 3);
    // The grid: its background and a string line, pixel-exact.
    QCOMPARE(image.pixel(24 + 5, 3 + 60) & 0xFFFFFF, kPlainGridBackground & 0xFFFFFF);
    QCOMPARE(image.pixel(24 + 11, 3 + 40) & 0xFFFFFF, 0u);
  }

  // The banjo's drone string begins at its fifth fret: no line above that
  // wire in the first position, the whole line higher up the neck.
  void aShortStringIsDrawnFromItsFirstFret() {
    const std::vector<int> starts{5, 0, 0, 0, 0};
    auto render = [&](const Fingering& frets, bool leftHanded) {
      QImage image(QSize(DiagramCellWidth(5), 130), QImage::Format_RGB32);
      image.fill(Qt::white);
      QPainter painter(&image);
      const Diagram diagram{frets, DiagramVariant::Plain, leftHanded, 0, starts, -1, {}};
      PaintDiagram(painter, diagram, QRectF(QPointF(0, 0), diagram.CellSize()));
      return image;
    };
    const QImage low = render(Keyed({0, 0, 0, 0, 0}), false);
    QVERIFY(!Dark(low.pixel(24, 3 + 40)));      // the drone: no line
    QVERIFY(Dark(low.pixel(24 + 11, 3 + 40)));  // the D string
    const QImage mirrored = render(Keyed({0, 0, 0, 0, 0}), true);
    QVERIFY(!Dark(mirrored.pixel(24 + 4 * 11, 3 + 40)));
    QVERIFY(Dark(mirrored.pixel(24, 3 + 40)));
    const QImage high = render(Keyed({7, 99, 7, 8, 7}), false);
    QVERIFY(Dark(high.pixel(24, 3 + 60)));
  }

  void twiceThePixelRatioIsTheSamePictureTwiceAsLarge() {
    for (const Fingering& f :
         {Keyed({-1, 3, 3, 2, 1, 1}), Keyed({99, 3, 2, 0, 1, 0}), Keyed({99, -3, 5, 5, 5, 3})}) {
      QImage once = Render(f, 1);
      QImage twice = Render(f, 2);
      QCOMPARE(twice.size(), QSize(200, 260));
      QImage down = twice.scaled(100, 130, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
      long total = 0;
      int far = 0;
      for (int y = 0; y < 130; ++y) {
        for (int x = 0; x < 100; ++x) {
          int difference = std::abs(qGray(once.pixel(x, y)) - qGray(down.pixel(x, y)));
          total += difference;
          if (difference > 128) ++far;
        }
      }
      // Anti-aliased edges differ a little; the shapes stand in the same places.
      QVERIFY2(total / (100.0 * 130) < 8, qPrintable(QString::number(total / 13000.0)));
      QVERIFY2(far < 60, qPrintable(QString::number(far)));
    }
  }

  // A diagram painted into a rectangle twice its cell is the same picture as
  // one painted into its cell by a painter scaled twice.
  void aDiagramFillsTheRectangleItIsPaintedInto() {
    const Fingering frets = Keyed({-1, 3, 3, 2, 1, 1});
    const Diagram diagram{frets, DiagramVariant::Highlighted, false, 2, {}, -1, {}};
    auto paint = [&](bool scaledPainter) {
      QImage image(QSize(200, 260), QImage::Format_RGB32);
      image.fill(Qt::white);
      QPainter painter(&image);
      if (scaledPainter) {
        painter.scale(2, 2);
        PaintDiagram(painter, diagram, QRectF(QPointF(0, 0), diagram.CellSize()));
      } else {
        PaintDiagram(painter, diagram, QRectF(0, 0, 200, 260));
      }
      return image;
    };
    const QImage intoRectangle = paint(false);
    QCOMPARE(intoRectangle, paint(true));
    QImage blank(intoRectangle.size(), QImage::Format_RGB32);
    blank.fill(Qt::white);
    QVERIFY(intoRectangle != blank);
  }

  void theSvgExportHoldsOneDiscPerFingerAndParses() {
    QTemporaryDir folder;
    ChordSheet sheet;
    sheet.heading = "C  E A D G B E";
    sheet.diagrams = {{Keyed({99, 3, 2, 0, 1, 0}), "C", false},
                      {Keyed({0, 2, 2, 1, 0, 0}), "E", false}};
    QString path = folder.filePath("sheet.svg");
    QCOMPARE(WriteSheetSvg(sheet, path), QString());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    int discs = 0;
    while (!xml.atEnd()) {
      if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QString("circle") &&
          xml.attributes().value("r") == QString("4.5"))
        ++discs;
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
    // One disc per fretted note: three in x 3 2 0 1 0, three in 0 2 2 1 0 0.
    QCOMPARE(discs, 3 + 3);
  }

  void thePdfExportHasOnePagePerSheetPage() {
    QTemporaryDir folder;
    ChordSheet sheet;
    sheet.heading = "many";
    for (int i = 0; i < 60; ++i)
      sheet.diagrams.push_back({Keyed({99, 3, 2, 0, 1, 0}), std::string(), false});
    QString path = folder.filePath("sheet.pdf");
    QCOMPARE(WriteSheetPdf(sheet, path), QString());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("%PDF-"));
    int pages = static_cast<int>(
        QString::fromLatin1(bytes).count(QRegularExpression("/Type\\s*/Page[^s]")));
    QCOMPARE(pages, SheetPageCount(sheet, QSizeF(595, 842)));
    QVERIFY(pages > 1);
  }

  // Headings wrap to the picture or page and push the diagrams down; a
  // single diagram's PDF page is the drawing's own size, at twice the scale.
  void headingsWrapAndASingleDiagramFillsItsPdfPage() {
    ChordSheet one;
    one.heading = "Am/7  \u2014  Standard tuning, capo 2";
    one.diagrams = {{Keyed({99, 0, 2, 0, 1, 0}), std::string(), false}};
    const QSizeF picture = SheetPictureSize(one, 1);
    QVERIFY(SheetHeadingHeight(one, picture.width()) > kSheetHeadingHeight);
    ChordSheet plain = one;
    plain.heading = "Am7";
    QCOMPARE(SheetHeadingHeight(plain, picture.width()), kSheetHeadingHeight);
    QVERIFY(picture.height() > SheetPictureSize(plain, 1).height());
    // Sixteen symbols on an A4 page: the heading wraps within it.
    ChordSheet many;
    for (int i = 0; i < 16; ++i) many.heading += "Bbmaj7/9  ";
    many.diagrams = one.diagrams;
    QVERIFY(SheetHeadingHeight(many, 595) > 2 * kSheetHeadingHeight - 1);

    QTemporaryDir folder;
    QString path = folder.filePath("one.pdf");
    QCOMPARE(WriteSheetPdf(one, path), QString());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString bytes = QString::fromLatin1(file.readAll());
    QRegularExpressionMatch box =
        QRegularExpression("/MediaBox\\s*\\[\\s*0\\s+0\\s+([0-9.]+)\\s+([0-9.]+)").match(bytes);
    QVERIFY2(box.hasMatch(), "no page size");
    QCOMPARE(qRound(box.captured(1).toDouble()), qRound(picture.width() * 2));
    QCOMPARE(qRound(box.captured(2).toDouble()), qRound(picture.height() * 2));
  }

  void anUnwritableExportFailsAndLeavesNoFile() {
    QTemporaryDir folder;
    ChordSheet sheet;
    sheet.diagrams = {{Keyed({0, 2, 2, 1, 0, 0}), std::string(), false}};
    QString missing = folder.filePath("no/such/folder/x.png");
    QVERIFY(!WriteSheetPng(sheet, missing, 2).isEmpty());
    QVERIFY(!QFile::exists(missing));
    QString png = folder.filePath("one.png");
    QCOMPARE(WriteSheetPng(sheet, png, 3), QString());
    QImage image(png);
    QCOMPARE(image.size(), (SheetPictureSize(sheet, 1) * 3).toSize());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"one.png"});
  }

  // A cancelled export writes nothing, in every format, and an export with
  // too many pixels says what to lower before drawing anything.
  void cancelledAndOversizedExportsWriteNothing() {
    QTemporaryDir folder;
    ChordSheet sheet;
    sheet.diagrams.assign(40, {Keyed({0, 2, 2, 1, 0, 0}), std::string(), false});
    std::atomic<bool> cancel{true};
    sheet.cancel = &cancel;
    QCOMPARE(WriteSheetPng(sheet, folder.filePath("a.png"), 1), QString(kCancelledExport));
    QCOMPARE(WriteSheetSvg(sheet, folder.filePath("a.svg")), QString(kCancelledExport));
    QCOMPARE(WriteSheetPdf(sheet, folder.filePath("a.pdf")), QString(kCancelledExport));
    QVERIFY(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    sheet.cancel = nullptr;
    sheet.diagrams.assign(400, {Keyed({0, 2, 2, 1, 0, 0}), std::string(), false});
    const QString huge = WriteSheetPng(sheet, folder.filePath("huge.png"), 8);
    QVERIFY2(huge.contains("lower the scale"), qPrintable(huge));
    QVERIFY(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
  }

  // Chord-chart marks in pixels: a cross over the muted string and rings
  // over the open ones above the nut, no ink over the fretted strings, and
  // the grid lower by the marks' room; the bass's finger ringed.
  void chartMarksStandAboveTheNutInPixels() {
    const Fingering c = Keyed({99, 3, 2, 0, 1, 0});
    QImage image(100, 130, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
      QPainter painter(&image);
      const Diagram diagram{c, DiagramVariant::Plain, false, 0, {}, -1, {}, DiagramMarks::Chart};
      PaintDiagram(painter, diagram, QRectF(0, 0, 100, 130));
    }
    auto inkIn = [&](QRect area) {
      for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
          if (Dark(image.pixel(x, y))) return true;
      return false;
    };
    auto markArea = [](int position) { return QRect(21 + 11 * position, 4, 6, 6); };
    QVERIFY(inkIn(markArea(0)));                          // x over the muted string
    QVERIFY(inkIn(markArea(3)));                          // o over the open G
    QVERIFY(!Dark(image.pixel(21 + 11 * 3 + 3, 4 + 3)));  // ... a ring, open inside
    for (int fretted : {1, 2, 4}) QVERIFY(!inkIn(markArea(fretted)));
    // The nut is at the grid's top, below the marks; nothing in the row
    // under the grid where the marks stand by default.
    QVERIFY(Dark(image.pixel(24 + 11 * 2, 3 + kChartMarkRoom + 1)));
    QVERIFY(!inkIn(QRect(21, 97, 60, 6)));
    // The ring round the bass's finger (the A string's 3rd fret).
    const int dotX = 21 + 11, dotY = 11 + 16 * 2 + kChartMarkRoom;
    QVERIFY(inkIn(QRect(dotX - 2, dotY - 2, 13, 1)));
  }

  // Labels under the strings fit their cells: at 100% no two neighbouring
  // labels' boxes overlap and each text fits its box, for note names and
  // the widest intervals.
  void stringLabelsNeverOverlapTheirNeighbours() {
    const std::vector<std::vector<std::string>> sets{
        {"E", "A", "D", "G", "B", "E"},        {"C#", "F#", "A#", "C#", "F#", "A#"},
        {"Bb", "Eb", "Ab", "Db", "Gb", "Cb"},  {"R", "b3", "5", "b7", "9", "11"},
        {"R", "#11", "b13", "b9", "#9", "13"}, {"C#", "G#", "C#", "E#", "G#", "B", "D#", "F#"},
    };
    for (const auto& labels : sets) {
      const StringLabelFit fit = FitStringLabels(labels);
      QVERIFY(fit.pixelSize >= kSmallestLabelPixels);
      std::vector<QRectF> boxes;
      for (std::size_t k = 0; k < labels.size(); ++k) {
        const QRectF box = StringLabelBox(fit, static_cast<int>(k), QPointF(21 + 11.0 * k, 91));
        const QFontMetricsF metrics(StringLabelFont(fit.pixelSize, true));
        QVERIFY2(metrics.horizontalAdvance(QString::fromStdString(labels[k])) <= box.width(),
                 labels[k].c_str());
        for (const QRectF& other : boxes) QVERIFY2(!other.intersects(box), labels[k].c_str());
        boxes.push_back(box);
      }
    }
  }

  // A print range picks its pages: all by default, a range within the
  // sheet, a range past its end stops at the last page.
  void aPrintRangeChoosesItsPages() {
    QCOMPARE(SheetPagesToPrint(3, 0, 0), (std::vector<int>{0, 1, 2}));
    QCOMPARE(SheetPagesToPrint(8, 2, 3), (std::vector<int>{1, 2}));
    QCOMPARE(SheetPagesToPrint(8, 7, 20), (std::vector<int>{6, 7}));
    QCOMPARE(SheetPagesToPrint(2, 5, 6), (std::vector<int>{}));
    QCOMPARE(SheetPagesToPrint(1, 1, 1), (std::vector<int>{0}));
  }
};

}  // namespace corvanta

QTEST_MAIN(corvanta::DrawingTest)
#include "drawing_test.moc"
