// The window's texts in the current language. The source texts are the
// window's own Chinese captions; the English translation is compiled into
// the program. Chord names, note names, chord symbols and fret texts are
// notation and are never translated.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolButton>
#include <QTranslator>

#include "app/tform1.h"
#include "sound/midi_messages.h"
#include "view/chord_text.h"
#include "view/diagram_sheet.h"
#include "view/neck_view.h"

namespace corvanta {
namespace {

constexpr const char* kEnglishTranslation = ":/i18n/corvanta_en.qm";
// Translation contexts of the core's tables (the preset captions and the
// instrument items live in the Qt-free core as data).
constexpr const char* kPresetContext = "TuningPresets";
constexpr const char* kInstrumentContext = "Instruments";

void SetCaption(QLabel* label, const QString& text) {
  label->setText(text);
  label->adjustSize();
}

void SetCaption(QCheckBox* box, const QString& text, const QString& hint) {
  box->setText(text);
  box->setToolTip(hint);
  box->adjustSize();
}

// A fixed-size button's caption in the largest font that fits it ("Types" in
// English is wider than "模式2", which keeps the window's own font).
void FitText(QToolButton* button) {
  QFont font = button->parentWidget()->font();
  int pixels = font.pixelSize() > 0 ? font.pixelSize() : QFontMetrics(font).height();
  for (;; --pixels) {
    font.setPixelSize(pixels);
    if (pixels <= kSmallestCaptionPixels || CaptionFits(button->text(), font, button->width()))
      break;
  }
  button->setFont(font);
}

}  // namespace

bool CaptionFits(const QString& text, const QFont& font, int width) {
  constexpr int kTextMargin = 1;  // a pixel clear of each edge
  return QFontMetrics(font).horizontalAdvance(text) <= width - 2 * kTextMargin;
}

QString TuningText(std::string_view coreText) {
  return QCoreApplication::translate(kPresetContext, ToQString(coreText).toUtf8().constData());
}

QString DifficultyWordText(DifficultyWord word) {
  switch (word) {
    case DifficultyWord::Easy:
      return QCoreApplication::translate("Difficulty", "容易");
    case DifficultyWord::Medium:
      return QCoreApplication::translate("Difficulty", "中等");
    case DifficultyWord::Hard:
      return QCoreApplication::translate("Difficulty", "困难");
  }
  return {};
}

QString InstrumentText(std::string_view coreText) {
  return QCoreApplication::translate(kInstrumentContext, ToQString(coreText).toUtf8().constData());
}

void TForm1::SetLanguage(UiLanguage language, bool remember) {
  language_ = language;
  if (remember) preferences::SetLanguage(language);
  if (translator_) QCoreApplication::removeTranslator(translator_.get());
  translator_.reset();
  if (language == UiLanguage::English) {
    translator_ = std::make_unique<QTranslator>();
    if (translator_->load(kEnglishTranslation)) {
      QCoreApplication::installTranslator(translator_.get());
    } else {
      translator_.reset();
    }
  }
  // Installing a translator also sends LanguageChange; retranslating here
  // covers the switch back to the source texts and a window not yet shown.
  RetranslateUi();
  // Until a notation is chosen it follows the language.
  if (StandardNotation1 && !preferences::NotationChosen()) {
    session_.notation = preferences::NotationForLanguage(language);
    const QSignalBlocker blocker(StandardNotation1);
    StandardNotation1->setChecked(session_.notation == ChordNotation::Standard);
    MirrorEntry();
    ShowBestName();
    ShowNameList();
  }
}

void TForm1::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) RetranslateUi();
  if (event->type() == QEvent::ApplicationPaletteChange) KeepInactiveTextsReadable();
  QMainWindow::changeEvent(event);
}

// Some palettes (Adwaita's dark one) give an inactive window the disabled
// text colour: every list and caption would look disabled while another
// window, the song window say, has the focus. An inactive window's texts
// keep the active colours then; a disabled control still looks disabled.
void TForm1::KeepInactiveTextsReadable() {
  // Each widget, as a style sheet or a class's own palette may give one its
  // own colours.
  QList<QWidget*> widgets = findChildren<QWidget*>();
  widgets.prepend(this);
  for (QWidget* widget : widgets) {
    const QPalette given = QApplication::palette(widget);
    QPalette palette = widget->palette();
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
      const bool looksDisabled =
          given.color(QPalette::Inactive, role) == given.color(QPalette::Disabled, role);
      palette.setColor(QPalette::Inactive, role,
                       looksDisabled ? palette.color(QPalette::Active, role)
                                     : given.color(QPalette::Inactive, role));
    }
    widget->setPalette(palette);
  }
}

void TForm1::RetranslateUi() {
  for (std::size_t i = 0; i < languageItems_.size(); ++i) {
    const QSignalBlocker blocker(languageItems_[i]);
    languageItems_[i]->setChecked(static_cast<std::size_t>(language_) == i);
  }
  fileMenu_->setTitle(tr("文件"));
  midiOutputMenu_->setTitle(tr("MIDI输出"));
  StandardNotation1->setText(tr("标准和弦记法"));
  StandardNotation1->setToolTip(tr("C9 = C7/9"));
  StandardNotation1->setStatusTip(tr("C9 = C7/9"));
  Song1->setText(tr("歌曲…"));
  exportMenu_->setTitle(tr("导出..."));
  ExportSelected1->setText(tr("所选和弦图..."));
  ExportAll1->setText(tr("全部和弦图..."));
  Print1->setText(tr("打印..."));
  viewMenu_->setTitle(tr("查看"));
  zoomMenu_->setTitle(tr("和弦图大小"));
  ZoomIn1->setText(tr("放大"));
  ZoomOut1->setText(tr("缩小"));
  ZoomReset1->setText(tr("原始大小"));
  Sair1->setText(tr("关闭"));
  Quit1->setText(tr("退出"));
  HowToRead1->setText(tr("如何看和弦图"));
  helpMenu_->setTitle(tr("帮助"));
  Sobre1->setText(tr("关于"));

  SpeedButton2->setToolTip(tr("查询和弦"));
  SpeedButton7->setText(tr("模式1"));
  SpeedButton8->setText(tr("模式2"));
  // The name list's heading line, when it names a placed fingering.
  if (ListBox1->count() > 0 && ListBox1->item(0)->flags() == Qt::NoItemFlags)
    ListBox1->item(0)->setText(PlacedNamesHeading());
  ShowBestName();
  ShowReading();
  SpeedButton7->setToolTip(tr("在列表中勾选和弦的音级"));
  SpeedButton8->setToolTip(tr("从表中选择和弦类型"));
  FitText(SpeedButton7);
  FitText(SpeedButton8);
  SetCaption(findChild<QLabel*>("Label1"), tr("信息:"));
  SetCaption(findChild<QLabel*>("Label5"), tr("结果:已找到"));
  SetCaption(CheckBoxOmit5, tr("去5音"), tr("和弦中省去五音"));
  SetCaption(CheckBoxOmit3, tr("去3音"), tr("和弦中省去三音"));
  SetCaption(findChild<QLabel*>("Label3"), tr("跨度"));
  ComboBox2->setToolTip(tr("手指跨度"));
  SetCaption(findChild<QLabel*>("Label2"), tr("总品格数"));
  ComboBox1->setToolTip(tr("显示所选品格数以内和弦"));
  ToolButton5->setToolTip(tr("切换调音方式"));
  SetCaption(CheckBoxNSI, tr("简单和弦"), tr("只显示常用的和弦"));
  SetCaption(CheckBoxCanhoto, tr("左手和弦"), tr("左撇子的按法"));
  SetCaption(CheckBoxPestanas, tr("去掉大横按"), tr("不显示大横按和弦"));
  ComboBoxPatch->setToolTip(tr("切换和弦演奏的音色"));
  SetCaption(findChild<QLabel*>("Label6"), tr("速度"));
  TrackBarTempoAcorde->setToolTip(tr("调整和弦演奏的回放速度"));
  SetCaption(findChild<QLabel*>("LabelCapo"), tr("变调夹"));
  SpinCapo->setToolTip(tr("变调夹所在的品格"));
  SpinCapo->setSpecialValueText(tr("无"));
  ToolButtonCapoNames->setToolTip(tr("变调夹上的和弦名: 实际发音或指法形状"));
  capoNamesItems_[0]->setText(tr("和弦名为实际发音"));
  capoNamesItems_[0]->setToolTip(tr("输入的和弦就是听到的和弦"));
  capoNamesItems_[1]->setText(tr("和弦名为指法形状 (如 \"变调夹 2: G\")"));
  capoNamesItems_[1]->setToolTip(tr("输入的和弦是变调夹上方的指法形状"));
  // The button's own short words for the two choices.
  capoNamesItems_[0]->setIconText(tr("实际发音"));
  capoNamesItems_[1]->setIconText(tr("指法形状"));
  ShowCapoNamesChoice();
  SpeedButton11->setText(tr("电吉他指板"));
  SpeedButton12->setText(tr("古典吉他指板"));
  RetranslateHints();

  for (int tag = 0; tag < kTuningPresetCount; ++tag)
    presetItems_[tag]->setText(TuningText(kTuningPresets[tag].menuCaption));
  ToolButton5->setText(TuningText(tuning_.state.buttonCaption));

  // The instrument box keeps showing the same instrument, now in the new
  // language, whether it was chosen or is the start text.
  const QSignalBlocker blocker(ComboBoxPatch);
  const QString typed = ComboBoxPatch->currentText();
  int shown = ComboBoxPatch->currentIndex();
  if (shown < 0) shown = ComboBoxPatch->findText(typed);
  for (std::size_t i = 0; i < kPatchItems.size(); ++i)
    ComboBoxPatch->setItemText(static_cast<int>(i), InstrumentText(kPatchItems[i].text));
  if (ComboBoxPatch->currentIndex() < 0)
    ComboBoxPatch->setEditText(shown >= 0 ? ComboBoxPatch->itemText(shown) : typed);
  // A sound the instrument chose is named in the new language too.
  if (!patchChosen_ && !instrument_.classicTuning) FollowInstrumentSound();
  Practical1->setText(tr("实用按法"));
  Practical1->setToolTip(
      tr("乐手常用的按法: 五音 (和十三和弦的九音) 可省, 转位和弦须有根音, 低音为最低音, "
         "二音和弦可只用两根弦"));
  labelMenu_->setTitle(tr("弦下标记"));
  labelItems_[0]->setText(tr("发音标记"));
  labelItems_[1]->setText(tr("音名"));
  labelItems_[2]->setText(tr("音程"));
  labelItems_[3]->setText(tr("和弦谱标记"));
  labelItems_[3]->setToolTip(tr("空弦上画 o, 不弹的弦上画 x, 按住的弦上不画; 低音为实心"));
  viewMenu_->setToolTipsVisible(true);
  orderMenu_->setTitle(tr("排序"));
  orderItems_[0]->setText(tr("按把位"));
  orderItems_[0]->setToolTip(tr("按把位, 弦组和最高品排列 (默认)"));
  orderItems_[1]->setText(tr("按难易"));
  orderItems_[1]->setToolTip(tr("最容易按的和弦图在前"));
  instrumentMenu_->setTitle(tr("乐器"));
  const auto& instruments = BuiltInInstruments();
  for (std::size_t i = 0; i < instruments.size(); ++i)
    instrumentItems_[i]->setText(InstrumentTitle(instruments[i]));
  CustomInstrument1->setText(tr("自定义…"));
  CustomInstrument1->setToolTip(tr("输入 4 到 8 根弦的调弦"));
  if (instrumentTuning_) MirrorInstrumentTuning();
  ShowReading();
  ShowStatusInfo();
  PlaceLowerPanels();
}

// A hint on every control that the window's own hints leave without one.
void TForm1::RetranslateHints() {
  // A typed text the reading could not take whole keeps its own hint.
  if (EditAcorde->styleSheet() == kSymbolStyle) EditAcorde->setToolTip(SymbolBoxHint());
  StringGridAcorde->setToolTip(tr("和弦的根音"));
  StringGridBaixo->setToolTip(tr("低音: 最低的音"));
  CheckListBox1->setToolTip(tr("勾选和弦的音级"));
  StringGrid1->setToolTip(tr("和弦类型"));
  SpeedButton5->setToolTip(tr("根音用升号命名"));
  SpeedButton6->setToolTip(tr("根音用降号命名"));
  SpeedButton10->setToolTip(tr("低音用升号命名"));
  SpeedButton9->setToolTip(tr("低音用降号命名"));
  ListBox1->setToolTip(tr("同样的音的其他名称"));
  Image1->setToolTip(tr("点击和弦图: 在指板上显示并弹奏"));
  Edit1->setToolTip(tr("所选和弦图的品格, 从最低的弦开始 (X 为不弹的弦)"));
  for (QSlider* bar : trackBars_) bar->setToolTip(tr("调整这根弦的音高"));
  SpeedButton11->setToolTip(tr("指板图: 低音弦为铜色"));
  SpeedButton12->setToolTip(tr("指板图: 所有的弦为银色"));
  Image2->setToolTip(tr("点击品格放下或抬起手指; 点击琴枕左边: 不弹或空弦"));
}

}  // namespace corvanta
