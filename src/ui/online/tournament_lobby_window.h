// "WORLD ONLINE TOURNAMENT": the ten tables with their two seat buttons, the server's welcome
// line and lamp, the player's results, and "Refresh", "Top 10" and "Close". The window only
// draws the lobby's state and passes the clicks and the ticks of its two timers on; it refuses
// to close while the player is seated at a running server.
#pragma once

#include <QDialog>
#include <array>

#include "online/tournament_lobby.h"
#include "ui/dialogs/designed_dialog.h"
#include "ui/online/tournament_context.h"

class QLabel;
class QPushButton;
class QTimer;

namespace quorvex {

class TFTour : public DesignedDialog {
  Q_OBJECT

 public:
  static constexpr int kRefreshMs = 10000;
  static constexpr int kErrorTickMs = 1000;

  // Draws the lobby as it stands (opened already) and starts the timers.
  TFTour(TournamentLobby& lobby, TournamentContext& context, QWidget* parent = nullptr);

  // Draws the lobby's state again.
  void Draw();
  // Closes the window even while seated: the match begins.
  void CloseForGame();

  QPushButton* SeatButton(int table, int seat) const;
  QLabel* TableLabel(int table) const { return tables_[size_t(table - 1)]; }
  QLabel* Welcome() const { return welcome_; }
  QLabel* Lamp() const { return lamp_; }
  // The value of row 0..5 of "My results".
  QLabel* ResultValue(int row) const { return results_[size_t(row)]; }
  QPushButton* RefreshButton() const { return refresh_; }
  QPushButton* TopTenButton() const { return top_ten_; }
  QPushButton* CloseButton() const { return close_; }
  QTimer* RefreshTimer() const { return refresh_timer_; }
  QTimer* ErrorTimer() const { return error_timer_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  // Runs a step of the lobby under the wait cursor, then draws.
  template <typename Step>
  void Run(Step step);
  void ShowTopTen();

  TournamentLobby& lobby_;
  TournamentContext& context_;
  bool for_game_ = false;
  std::array<QLabel*, kTourTables> tables_{};
  std::array<QPushButton*, 2 * kTourTables> seats_{};
  std::array<QLabel*, 6> results_{};
  QLabel* welcome_ = nullptr;
  QLabel* lamp_ = nullptr;
  QPushButton* refresh_ = nullptr;
  QPushButton* top_ten_ = nullptr;
  QPushButton* close_ = nullptr;
  QTimer* refresh_timer_ = nullptr;
  QTimer* error_timer_ = nullptr;
};

}  // namespace quorvex
