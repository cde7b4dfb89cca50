// TFormTorg: the small stay-on-top window of the auction. It shows the grid of the 35 bids, pass,
// double/redouble, OK and the table of calls, and passes the player's calls to the controller.
// Which buttons are enabled is decided by the auction engine only.
//
// The buttons exist twice: the standard set (BitBtn..) and the card-style set (ZefBtn..) of the
// purple picture design on a black ground. Both always carry the same captions and enabled
// states; only the set of the chosen style is shown.
#pragma once

#include <QDialog>
#include <QImage>
#include <array>

#include "game/table_view.h"
#include "opponent/auction_table.h"
#include "settings/settings.h"

class QFrame;
class QPushButton;

namespace quorvex {

class CallTableView;
class CardImages;
class GameController;

class TFormTorg : public QDialog {
  Q_OBJECT

 public:
  // The buttons of one set by the call they make.
  struct ButtonSet {
    std::array<QPushButton*, 36> bids{};  // 1..35
    QPushButton* pass = nullptr;
    QPushButton* dbl = nullptr;
    QPushButton* ok = nullptr;
  };

  // The settings give the style (DialogPicture), the drawing of the card-style buttons
  // (NewButtons), the touch effect (ClickEffectButtons) and the table font; without them the
  // defaults hold. The suit symbols come from the card design's pictures when given.
  TFormTorg(GameController& controller, QWidget* parent, const Settings* settings = nullptr,
            const CardImages* cards = nullptr);

  void SetNames(const QString& seat1, const QString& seat2);
  void Refresh(const AuctionTable& table, const BiddingButtons& buttons);
  // The auction is over: the window may close now, and closes.
  void CloseAllowed();
  // Captions in the current language.
  void ApplyLanguage();
  // The card-style set on a black ground, or the standard set.
  void SetCardStyle(bool on);
  bool CardStyle() const { return card_style_; }
  // The new square drawing of the card-style buttons.
  void SetNewButtons(bool on);
  void SetClickEffect(bool on) { click_effect_ = on; }

  const ButtonSet& StandardSet() const { return sets_[0]; }
  const ButtonSet& CardSet() const { return sets_[1]; }
  // The buttons on show.
  const ButtonSet& Shown() const { return sets_[card_style_ ? 1 : 0]; }
  QPushButton* BidButton(int code) const { return Shown().bids[code]; }
  QPushButton* PassButton() const { return Shown().pass; }
  QPushButton* DoubleButton() const { return Shown().dbl; }
  QPushButton* OkButton() const { return Shown().ok; }
  const CallTableView* Calls() const { return calls_; }

  static constexpr int kWidth = 410;
  static constexpr int kHeight = 280;

 public slots:
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildStandardSet();
  void BuildCardSet(bool new_buttons);
  void ConnectSet(const ButtonSet& set);
  void SetSuitSymbols(const CardImages* cards);
  void Call(QPushButton* button, int code);
  void DoubleClicked(QPushButton* button);
  QPoint ClickPoint(const QPushButton* button) const;

  GameController& controller_;
  ButtonSet sets_[2];
  QFrame* panel_ = nullptr;
  CallTableView* calls_ = nullptr;
  std::array<QImage, 4> symbols_;
  bool card_style_ = false;
  bool click_effect_ = true;
  QPoint last_release_{-1, -1};  // where the mouse last let go of a call button, in the dialog
  int double_call_ = 0;          // what the double button sends now: 36, 37 or nothing
  bool redouble_caption_ = false;
  bool may_close_ = false;
};

}  // namespace quorvex
