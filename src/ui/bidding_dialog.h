// TFormTorg: the small stay-on-top window of the auction. It shows the grid of the 35 bids, pass,
// double/redouble, OK and the table of calls, and passes the player's calls to the controller.
// Which buttons are enabled is decided by the auction engine only.
#pragma once

#include <QDialog>
#include <array>

#include "game/table_view.h"
#include "opponent/auction_table.h"

class QPushButton;

namespace quorvex {

class CallTableView;
class GameController;

class TFormTorg : public QDialog {
  Q_OBJECT

 public:
  TFormTorg(GameController& controller, QWidget* parent);

  void SetNames(const QString& seat1, const QString& seat2);
  void Refresh(const AuctionTable& table, const BiddingButtons& buttons);
  // The auction is over: the window may close now, and closes.
  void CloseAllowed();
  // Captions in the current language.
  void ApplyLanguage();

  QPushButton* BidButton(int code) const { return bids_[code]; }
  QPushButton* PassButton() const { return pass_; }
  QPushButton* DoubleButton() const { return double_; }
  QPushButton* OkButton() const { return ok_; }
  const CallTableView* Calls() const { return calls_; }

  static constexpr int kWidth = 410;
  static constexpr int kHeight = 280;

 public slots:
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildBidButton(int code);
  void DoubleClicked();

  GameController& controller_;
  std::array<QPushButton*, 36> bids_{};
  QPushButton* pass_ = nullptr;
  QPushButton* double_ = nullptr;
  QPushButton* ok_ = nullptr;
  CallTableView* calls_ = nullptr;
  int double_call_ = 0;  // what the double button sends now: 36, 37 or nothing
  bool redouble_caption_ = false;
  bool may_close_ = false;
};

}  // namespace quorvex
