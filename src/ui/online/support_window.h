// "Support us!": how a player can help the game along, with the site and the mail address.
#pragma once

#include <QString>
#include <array>

#include "ui/dialogs/designed_dialog.h"

class QLabel;

namespace quorvex {

class TFormSupport : public DesignedDialog {
  Q_OBJECT

 public:
  explicit TFormSupport(const Settings& settings, QWidget* parent = nullptr);

  // The ways to help, in order: the text of each and the address its link opens (empty for
  // none).
  static constexpr int kWays = 3;
  QLabel* WayText(int index) const { return texts_[size_t(index)]; }
  QString WayLink(int index) const { return links_[size_t(index)]; }

 private:
  std::array<QLabel*, kWays> texts_{};
  std::array<QString, kWays> links_{};
};

void ShowSupportUs(const Settings& settings, QWidget* parent);

}  // namespace quorvex
