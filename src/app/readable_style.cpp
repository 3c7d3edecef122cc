// A style whose empty check boxes show under any palette.
#include "app/readable_style.h"

#include <QPainter>
#include <QStyleOption>

namespace corvanta {

QColor IndicatorOutline(const QPalette& palette) {
  // 55% of the way: at least 4.5:1 against the ground on black-on-grey and
  // light-on-dark palettes, and still clearly weaker than the text.
  constexpr double kShare = 0.55;
  const QColor ground = palette.color(QPalette::Window);
  const QColor text = palette.color(QPalette::WindowText);
  auto mix = [&](int from, int to) { return static_cast<int>(from + (to - from) * kShare); };
  return QColor(mix(ground.red(), text.red()), mix(ground.green(), text.green()),
                mix(ground.blue(), text.blue()));
}

void ReadableIndicatorStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                           QPainter* painter, const QWidget* widget) const {
  QProxyStyle::drawPrimitive(element, option, painter, widget);
  if (element != PE_IndicatorCheckBox && element != PE_IndicatorItemViewItemCheck) return;
  if (!(option->state & State_Enabled)) return;  // a disabled box may look disabled
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing, false);
  painter->setPen(QPen(IndicatorOutline(option->palette), 1));
  painter->setBrush(Qt::NoBrush);
  painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
  painter->restore();
}

}  // namespace corvanta
