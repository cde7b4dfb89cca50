// "General score": the player's counters during a session.
#pragma once

#include <string>
#include "ui/dialogs/designed_dialog.h"

#include "game/account_state.h"
#include "records/score_count.h"

namespace quorvex {

class TFormCount : public DesignedDialog {
  Q_OBJECT

 public:
  // `player` is the player's name (UTF-8); the account's picture and lamp tell its state.
  TFormCount(const TCount& count, const std::string& player, const Settings& settings,
             AccountState account = AccountState::NotLoggedIn, QWidget* parent = nullptr);
};

}  // namespace quorvex
