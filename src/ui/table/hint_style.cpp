#include "ui/table/hint_style.h"

#include <QApplication>

namespace quorvex {

int HintStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                         QStyleHintReturn* returned) const {
  if (hint == SH_ToolTip_WakeUpDelay) return kWakeUpMs;
  return QProxyStyle::styleHint(hint, option, widget, returned);
}

void HintStyle::Install() {
  if (dynamic_cast<HintStyle*>(QApplication::style())) return;
  QApplication::setStyle(new HintStyle);
}

}  // namespace quorvex
