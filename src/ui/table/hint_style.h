// The window's style with the game's hint timing: a hint wakes up after 250 ms.
#pragma once

#include <QProxyStyle>

namespace quorvex {

class HintStyle : public QProxyStyle {
  Q_OBJECT

 public:
  static constexpr int kWakeUpMs = 250;

  int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                const QWidget* widget = nullptr,
                QStyleHintReturn* returned = nullptr) const override;

  // Puts the style in place for the whole program, once.
  static void Install();
};

}  // namespace quorvex
