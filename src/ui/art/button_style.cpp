#include "ui/art/button_style.h"

#include <QWidget>

#include "settings/settings.h"
#include "ui/art/zef_cards_button.h"

namespace quorvex {

namespace {

bool& RememberedStyle() {
  static bool new_style = false;
  return new_style;
}

void SetStyle(QWidget* root, bool new_style) {
  if (!root) return;
  if (auto* button = qobject_cast<TZefCardsButton*>(root)) button->SetNata(new_style);
  for (TZefCardsButton* button : root->findChildren<TZefCardsButton*>()) button->SetNata(new_style);
}

}  // namespace

void ApplyButtonStyle(QWidget* root, const Settings& settings) {
  RememberedStyle() = settings.NewButtons;
  SetStyle(root, settings.NewButtons);
}

void ApplyButtonStyle(QWidget* root) {
  SetStyle(root, RememberedStyle());
}

bool NewButtonStyle() {
  return RememberedStyle();
}

}  // namespace quorvex
