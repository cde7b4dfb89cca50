// The account picture of the main menu with the lamp of the account's state at its right: red
// not logged in, yellow logged in, green a rated game next. A click opens the account window.
#pragma once

#include <QWidget>

#include "game/account_state.h"

namespace quorvex {

class AccountLamp : public QWidget {
  Q_OBJECT

 public:
  explicit AccountLamp(QWidget* parent = nullptr);

  void SetState(AccountState state);
  AccountState State() const { return state_; }
  // "LampR24", "LampY24" or "LampG24".
  static QString LampName(AccountState state);

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void UpdateHint();

  AccountState state_ = AccountState::NotLoggedIn;
};

}  // namespace quorvex
