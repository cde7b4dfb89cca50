// The local top ten of the club file of the current kind of game.
#pragma once

#include "ui/dialogs/designed_dialog.h"

#include "records/club_file.h"

namespace quorvex {

class TFormTopTen : public DesignedDialog {
  Q_OBJECT

 public:
  TFormTopTen(const ClubFile& club, bool network, const Settings& settings,
              QWidget* parent = nullptr);
};

}  // namespace quorvex
