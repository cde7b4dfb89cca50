// "General score": the player's counters during a session.
#pragma once

#include <QDialog>
#include <string>

#include "records/score_count.h"

namespace quorvex {

class TFormCount : public QDialog {
  Q_OBJECT

 public:
  // `player` is the player's name (UTF-8).
  TFormCount(const TCount& count, const std::string& player, QWidget* parent = nullptr);
};

}  // namespace quorvex
