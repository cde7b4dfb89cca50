// A card-style button of the main menu whose caption is a text of the game, written again in
// the new language whenever the language changes.
#pragma once

#include "locale/text_ids.h"
#include "ui/art/zef_cards_button.h"

namespace quorvex {

class MenuTextButton : public TZefCardsButton {
  Q_OBJECT

 public:
  MenuTextButton(Tx caption, ColorSB scheme, QWidget* parent = nullptr);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Caption();

  Tx caption_;
};

}  // namespace quorvex
