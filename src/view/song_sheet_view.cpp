// The printed song on screen.
#include "view/song_sheet_view.h"

#include <QPainter>
#include <QResizeEvent>
#include <algorithm>

#include "view/qt_text_measure.h"
#include "view/song_sheet_painter.h"

namespace corvanta {
namespace {

constexpr int kMostColumnTries = 24;

bool IsChordText(const SongText& text) {
  return text.role == SongTextRole::Chord || text.role == SongTextRole::GridChord;
}

}  // namespace

SongSheet LyricsOnly(const SongSheet& sheet) {
  SongSheet words = sheet;
  words.diagrams.diagrams.clear();
  words.body.clear();
  for (const SongSheetBlock& block : sheet.body) {
    if (block.kind == SongBlockKind::Grid) continue;
    SongSheetBlock kept = block;
    if (kept.kind == SongBlockKind::Lyrics) {
      bool hasWords = false;
      for (SongSheetSegment& segment : kept.segments) {
        segment.chord.clear();
        hasWords = hasWords || segment.lyric.find_first_not_of(' ') != std::string::npos;
      }
      if (!hasWords) continue;  // a line of chords alone
    }
    words.body.push_back(std::move(kept));
  }
  return words;
}

SongSheetView::SongSheetView(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
  policy.setHeightForWidth(true);
  setSizePolicy(policy);
  SetSheet(SongSheet());
}

void SongSheetView::SetSheet(SongSheet sheet) {
  sheet_ = std::move(sheet);
  LayOut();
}

void SongSheetView::SetPlayStyle(const PlayStyle& style) {
  style_ = style;
  // A size read back from the settings may be anything, "nan" included:
  // one that is no positive number fits the page's width.
  style_.scale = style_.scale > 0 ? std::clamp(style_.scale, kLeastPlayScale, kMostPlayScale) : 0;
  LayOut();
}

int SongSheetView::WantedColumns() const {
  if (style_.scale <= 0 || !style_.twoColumns) return 1;
  return std::max(1, width()) / style_.scale >= 2 * kLeastColumnPoints ? 2 : 1;
}

double SongSheetView::ColumnWidth() const {
  if (style_.scale <= 0) return PaperSize(SongPaper::A4).width;
  return std::max(1, width()) / style_.scale / WantedColumns();
}

// One tall page, or two columns of about half its height: the song laid
// out as pages of a height that grows until two hold it.
void SongSheetView::LayOut() {
  shown_ = style_.lyricsOnly ? LyricsOnly(sheet_) : sheet_;
  const QtTextMeasure measure;
  const double column = ColumnWidth();
  layout_ = LayOutSongPicture(shown_, column, measure);
  if (WantedColumns() == 2) {
    double height = layout_.pageSize.height / 2 + 2 * kSongPageMargin;
    for (int tries = 0; tries < kMostColumnTries; ++tries, height *= 1.08) {
      SongSheetLayout pages = LayOutSongPages(shown_, {column, height}, measure);
      if (pages.pages.size() > 2) continue;
      for (SongPageLayout& page : pages.pages)
        page.texts.erase(std::remove_if(page.texts.begin(), page.texts.end(),
                                        [](const SongText& text) {
                                          return text.role == SongTextRole::PageNumber;
                                        }),
                         page.texts.end());
      layout_ = std::move(pages);
      break;
    }
  }
  updateGeometry();
  setMinimumHeight(heightForWidth(width()));
  update();
}

double SongSheetView::Scale() const {
  if (style_.scale > 0) return style_.scale;
  return std::max(1, width()) / std::max(1.0, layout_.pageSize.width);
}

int SongSheetView::ChordTop(int n) const {
  if (n < 0) return -1;
  int seen = 0;
  for (const SongPageLayout& page : layout_.pages)
    for (const SongText& text : page.texts) {
      if (!IsChordText(text)) continue;
      if (seen++ < n) continue;
      const FaceMetrics metrics = QtTextMeasure().Metrics(text.Face());
      return static_cast<int>((text.baseline.y - metrics.ascent) * Scale());
    }
  return -1;
}

int SongSheetView::heightForWidth(int width) const {
  if (style_.scale > 0) return qCeil(layout_.pageSize.height * style_.scale);
  return qCeil(layout_.pageSize.height * std::max(1, width) /
               std::max(1.0, layout_.pageSize.width));
}

QSize SongSheetView::sizeHint() const {
  const int width = qRound(layout_.pageSize.width);
  return {width, heightForWidth(width)};
}

void SongSheetView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (style_.scale > 0 && event->oldSize().width() != width()) {
    LayOut();
    return;
  }
  setMinimumHeight(heightForWidth(width()));
}

void SongSheetView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  painter.scale(Scale(), Scale());
  for (int page = 0; page < static_cast<int>(layout_.pages.size()); ++page) {
    painter.save();
    painter.translate(page * layout_.pageSize.width, 0);
    PaintSongPage(painter, shown_, layout_, page);
    painter.restore();
  }
}

}  // namespace corvanta
