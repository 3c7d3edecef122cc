// The application's style with check boxes whose empty box always shows.
#pragma once

#include <QProxyStyle>

namespace corvanta {

// The application's style with check boxes whose empty box always shows:
// some styles draw its frame a shade off the panel, invisible under a dark
// palette (Fusion with a dark desktop palette, GTK's dark theme). The box
// gets an outline between the palette's text and window colours, readable
// on a light panel and on a dark one alike.
class ReadableIndicatorStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

// The outline colour: part of the way from the ground to the text.
QColor IndicatorOutline(const QPalette& palette);

}  // namespace corvanta
