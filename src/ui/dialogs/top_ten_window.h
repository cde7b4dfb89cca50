// The local top ten of the club file of the current kind of game.
#pragma once

#include <QDialog>

#include "records/club_file.h"

namespace quorvex {

class TFormTopTen : public QDialog {
  Q_OBJECT

 public:
  TFormTopTen(const ClubFile& club, bool network, QWidget* parent = nullptr);
};

}  // namespace quorvex
