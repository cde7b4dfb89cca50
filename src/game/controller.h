// Runs a session of deals: starts each deal, decides whose turn it is, lets the computer or the
// peer move, reacts to the main action button and ends the deal and the session. It is driven by
// user actions, main timer ticks and the peer's messages, all on one thread.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>

#include "game/deal_state.h"
#include "game/opponent.h"
#include "game/platform.h"
#include "game/scoring.h"
#include "game/table_view.h"
#include "opponent/auction_engine.h"
#include "records/deal_record.h"

namespace quorvex {

// The chosen player's standing when a session starts.
struct SessionPlayer {
  std::string name;
  int32_t deals = 0;  // deals played so far; DealNo counts on from here
  int32_t score = 0;
};

// What lies beyond the controller at the session's edges.
class SessionHooks {
 public:
  virtual ~SessionHooks() = default;
  // Saves the player's club record (leaving a session early).
  virtual void SavePlayerRecord() {}
  // The end button ended the session.
  virtual void EndSession(int32_t balance, int deals) {
    (void)balance;
    (void)deals;
  }
  // Switches the LAN socket or the tournament connection off.
  virtual void Disconnect() {}
  // The session was left before its end ("Exit to menu", closing the window, a lost peer).
  virtual void SessionLeft() {}
  // A deal ended, played out or passed out: its record, without the time, for the deal records.
  virtual void DealRecorded(const DealRecord& record) { (void)record; }
};

struct ControllerOptions {
  bool show_cards_at_end = true;    // "Show cards at end of game"
  bool rated_account_play = false;  // playing for rating on an online account: cycles of 4
};

class GameController {
 public:
  static constexpr int kSessionTimerMs = 200;
  static constexpr int kMenuTimerMs = 20;
  static constexpr int kLanPauseMs = 5000;
  // Each move of a tournament game has this long.
  static constexpr int kMoveSeconds = 26;

  GameController(TableView& view, Opponent& opponent, Random& random, Clock& clock,
                 SessionHooks& hooks);

  void SetOptions(const ControllerOptions& options) { options_ = options; }
  const ControllerOptions& Options() const { return options_; }
  void SetPeerLink(PeerLink* link);

  // A player was chosen (or a connection made): the first deal of a new session.
  void StartSession(TableRole role, const SessionPlayer& player, const std::string& opponent_name);
  // Prepares and shows a deal; false starts a new session, true continues it.
  void StartDeal(bool continue_session);
  // The LAN client or a tournament seat was dealt from the deck it received.
  void SetDeckReceived();

  // User actions.
  void OnMainButton();
  void OnEndButton();
  // Left click on card `index` of the lower hand; false when the click was refused or ignored.
  bool OnLowerHandClick(int index);
  // Whether a click on card `index` of the lower hand would play it now (for the hand cursor).
  bool CanPlayLowerCard(int index) const;
  void OnBiddingOpened();
  void OnLocalCall(int code);
  void OnBiddingOk();
  // "Exit to menu" from the popup menu: asks first; true when the session was left.
  bool ExitToMenu();
  // The window is being closed; true when it may close.
  bool OnCloseRequest();
  // F10 on the main action button.
  void ToggleForecastMode();
  // Shows the upper hand face up, or face down again, until the session ends.
  void ToggleUpperReveal();

  void OnTimerTick();
  // The tournament game's one-second clock timer.
  void OnClockTick();

  // The peer's game messages, already decoded by the network layer.
  void OnPeerBegin();          // "hbegin"
  void OnPeerCard(int index);  // "hhod": the peer played card `index` of its hand
  void OnPeerCollect();        // "hslits"
  void OnPeerCall(int code);   // "htrg"
  void OnPeerClose();          // "hclose"
  // The other machine went away. Before ending is allowed the session is left as through
  // "Exit to menu" (the caller has told the player) and true is returned; afterwards only the
  // chat line goes.
  bool OnPeerLost();
  // The tournament relay's word: the game is over ("e"), the opponent left ("a") or ran out of
  // time ("T"); or the connection to the relay broke.
  void OnRelayGameOver();
  void OnOpponentGone(bool time_up);
  void OnRelayLost();
  // The game is over as far as the relay is concerned (its end, a forfeit, a lost connection).
  bool RelayOver() const { return relay_over_; }
  // The local seat (1 or 2) that must act now, 0 when nobody must.
  int SeatToAct() const;
  // Seconds left on a seat's move clock; below 0 when it shows nothing.
  int MoveClock(int seat) const { return clocks_[seat]; }

  // Plays card `index` of a seat (peer's and computer's cards come here too, unchecked).
  void PlayCard(int seat, int index, bool announce);
  void CollectTrick();

  const TDealState& State() const { return state_; }
  TDealState& MutableState() { return state_; }
  const AuctionEngine& Auction() const { return auction_; }
  TableRole Role() const { return role_; }
  // The local player took another name: the plate shows it.
  void RenameLocalPlayer(const std::string& name);
  // The other player's name as the session started with it.
  const std::string& OpponentName() const { return names_[1]; }
  bool TableActive() const { return table_active_; }
  bool InSession() const { return in_session_; }
  bool EndingAllowed() const { return ending_allowed_; }
  bool ForecastMode() const { return forecast_mode_; }
  int SessionDeals() const { return session_deals_; }
  int32_t Balance() const { return state_.MatchScore[2] - state_.MatchScore[1]; }
  int32_t TotalScore() const { return initial_score_ + Balance(); }
  const ButtonState& MainButton() const { return main_button_; }
  const ButtonState& EndButton() const { return end_button_; }
  bool ShowUpperFaceUp() const { return reveal_upper_; }

 private:
  bool ClosesTricks() const;  // this side presses the button that collects tricks
  void RedrawHand(int seat);
  void RedrawHands();
  void RedrawPlates();
  void RedrawDealPanel();
  void DrawPanelsForPlay();
  void SetMain(const std::string& caption, bool enabled);
  void SetEnd(bool enabled);
  void ResolveTrick();
  void StartAuction();
  // Hands the record of the deal that just ended to the hooks.
  void RecordDeal(int32_t declarer_score);
  void HandleAuctionOutcome(AuctionOutcome outcome);
  void FinishDeal();
  void ApplyCycleRules();
  void ComputerCard();
  void ComputerCall();
  void LeaveToMenu();
  void HideTable();
  void ShowMenu();
  // Restarts the clock of whoever must act when the turn has passed since the last look.
  void UpdateMoveClock();
  void StopClocks();
  // A tournament game ended before its deal did: only the end button is left.
  void EndTournamentEarly();

  TableView& view_;
  Opponent& opponent_;
  Random& random_;
  Clock& clock_;
  SessionHooks& hooks_;
  PeerLink* link_ = nullptr;
  ControllerOptions options_;

  TDealState state_;
  AuctionEngine auction_;
  TableRole role_ = TableRole::SinglePlayer;
  std::string names_[3];
  int32_t initial_score_ = 0;
  int session_deals_ = 0;
  bool in_session_ = false;
  bool table_active_ = false;
  bool ending_allowed_ = false;
  bool forecast_mode_ = false;
  bool timer_running_ = false;
  bool reveal_upper_ = false;
  bool deck_ready_ = false;         // the LAN client has the server's deck for this deal
  bool client_first_deck_ = false;  // the next deck is the first of the LAN client's session
  int64_t lan_pause_until_ = -1;    // the LAN server's pause before its next deal
  int clocks_[3] = {-1, -1, -1};
  uint64_t turn_key_ = 0;  // who acts, and where in the deal, when the clock last restarted
  bool relay_over_ = false;
  ButtonState main_button_;
  ButtonState end_button_;
};

}  // namespace quorvex
