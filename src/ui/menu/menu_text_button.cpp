#include "ui/menu/menu_text_button.h"

#include <QEvent>

#include "locale/lang_text.h"

namespace quorvex {

MenuTextButton::MenuTextButton(Tx caption, ColorSB scheme, QWidget* parent)
    : TZefCardsButton(parent), caption_(caption) {
  SetScheme(scheme);
  SetLightFont(true);
  setCursor(Qt::PointingHandCursor);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setBold(true);
  font.setPixelSize(12);
  setFont(font);
  Caption();
}

void MenuTextButton::Caption() {
  setText(QString::fromStdString(Text(caption_)));
}

void MenuTextButton::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Caption();
  TZefCardsButton::changeEvent(event);
}

}  // namespace quorvex
