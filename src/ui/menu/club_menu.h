// The club list of the main menu: a header, the five members with their games and score or
// rating, "New Player", and the buttons of the top ten, the history and the list's mode.
#pragma once

#include <QWidget>
#include <optional>

#include <array>
#include <functional>
#include <vector>

#include "records/deal_record.h"
#include "ui/dialogs/player_dialog.h"

#include "art/button_colours.h"
#include "game/controller.h"

class QLabel;
class QPushButton;

namespace quorvex {

class LanGame;

class ClubKeeper;
class GameController;
class MainWindow;
class TZefCardsButton;
struct Settings;

class ClubMenu : public QWidget {
  Q_OBJECT

 public:
  ClubMenu(ClubKeeper& keeper, Settings& settings, QWidget* parent = nullptr);

  void SetController(GameController* controller) { controller_ = controller; }
  // The LAN game a network session is opened through.
  void SetLanGame(LanGame* lan) { lan_ = lan; }
  // Where the Welcome dialog asks for the machine's public address.
  void SetPublicAddress(std::function<std::optional<OwnAddress>()> source) {
    public_address_ = std::move(source);
  }
  // Takes its place in the window's menu, answers the popup menu's "General score" and tells
  // the window who plays.
  void AttachTo(MainWindow& window);
  // Called with the player when a session is about to start (the window shows who plays).
  void SetSessionStarting(std::function<void(const SessionPlayer&)> starting);
  // Asked before a local game: whether it is a rated match played as the online account (the
  // account window was shown and the match recorded in advance).
  void SetRatedStart(std::function<bool()> rated_start) { rated_start_ = std::move(rated_start); }
  // The history window's deals: a review, and PBN files.
  void SetDealHooks(std::function<void(const DealRecord&, QWidget*)> open_review,
                    std::function<void(const std::vector<DealRecord>&, QWidget*)> save_pbn) {
    open_review_ = std::move(open_review);
    save_pbn_ = std::move(save_pbn);
  }

  // The member buttons 1..5 and "New Player" as 6.
  QPushButton* MemberButton(int mode) const { return members_[mode - 1]; }
  QPushButton* TopTenButton() const { return top_ten_; }
  QPushButton* HistoryButton() const { return history_; }
  QPushButton* ModeButton() const { return mode_; }
  QLabel* Header() const { return header_; }

  // Shows the club file as it stands and the captions in the current language.
  void Refresh();
  // Lays the list out again at a scale of its normal size.
  void Rescale(double scale);
  // Opens the player dialog for a member (1..5) or a new player (6) and starts the session.
  void ChooseMember(int mode);
  void ShowTopTen();
  void ShowHistory();
  void ToggleMode();
  void ShowGeneralScore();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  TZefCardsButton* NewCardsButton(ColorSB scheme);

  ClubKeeper& keeper_;
  Settings& settings_;
  GameController* controller_ = nullptr;
  LanGame* lan_ = nullptr;
  std::function<std::optional<OwnAddress>()> public_address_;
  std::function<void(const SessionPlayer&)> starting_;
  std::function<bool()> rated_start_;
  QLabel* header_ = nullptr;
  std::array<QPushButton*, 6> members_{};
  QPushButton* top_ten_ = nullptr;
  QPushButton* history_ = nullptr;
  QPushButton* mode_ = nullptr;
  std::function<void(const DealRecord&, QWidget*)> open_review_;
  std::function<void(const std::vector<DealRecord>&, QWidget*)> save_pbn_;
};

}  // namespace quorvex
