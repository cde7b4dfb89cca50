// What the controller asks the screen to show. The Qt window implements it; tests record it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "game/deal_state.h"
#include "game/scoring.h"

namespace quorvex {

class AuctionTable;

// Closing: the table is hidden while the end of a session runs, before the menu comes back.
enum class Screen { Title, Menu, Table, Closing };

// A trick-count panel number can be left as it is or erased instead of drawn.
inline constexpr int32_t kPanelKeep = -2000000;
inline constexpr int32_t kPanelErase = -1000000;

enum class PlateStar { None, FirstPlayer, Declarer, Defender };

struct NamePlate {
  std::string name;
  PlateStar star = PlateStar::None;
  bool to_move = false;
  bool north = false;  // compass shown at the left end
};

struct TrickPanel {
  int32_t score = kPanelKeep;
  int32_t second = kPanelKeep;  // tricks still needed in the play, the deal's points afterwards
  int32_t tricks = kPanelKeep;
  bool vulnerable = false;
};

struct ButtonState {
  std::string caption;
  bool enabled = false;
  bool visible = true;
};

// The state of the bidding dialog's buttons after a refresh.
struct BiddingButtons {
  std::array<bool, 36> bid{};  // 1..35
  bool pass = false;
  bool dbl = false;
  bool redouble_caption = false;  // the double button reads "Redouble"
  bool ok = false;
};

// Where a flying card starts or lands.
enum class FlightPlace {
  HandCard,    // card `slot` of the seat's hand as laid out with `hand_count` cards
  HandMiddle,  // the middle of the seat's hand zone, at the hand's top
  TrickSpot,   // the seat's spot in the table centre
  Stock,       // the stock pile
  OffTable,    // just beyond the window edge on the seat's side, in line with its hand's middle
};

struct FlightEnd {
  FlightPlace place = FlightPlace::Stock;
  int seat = 0;
  int slot = 0;        // HandCard: 1-based
  int hand_count = 0;  // HandCard: the cards the hand held when the card left it
};

class TableView {
 public:
  virtual ~TableView() = default;

  virtual void ShowScreen(Screen screen) = 0;
  // Seat's hand as it stands in the state (already sorted), face up or down.
  virtual void DrawHand(const TDealState& state, int seat, bool face_up) = 0;
  virtual void DrawNamePlate(int seat, const NamePlate& plate) = 0;
  virtual void DrawTrickPanel(int seat, const TrickPanel& panel) = 0;
  // The deal panel: the session's deal count, the contract when there is one, and the hint.
  virtual void DrawDealPanel(int deal_count, const TDealState* contract,
                             const std::string& hint) = 0;
  virtual void DrawStock(int cards_left) = 0;
  // Clears the table centre: one seat's trick spot, or everything for seat 0.
  virtual void ClearTableCentre(int seat) = 0;
  virtual void DrawTrickCard(int seat, const TCard& card) = 0;
  virtual void ShowResult(const DealScore& score) = 0;
  // A card (kEmptyCard for the back) flies between two places when flights are on, and the call
  // returns when it has landed. A card landing on its trick spot stays painted there until the
  // spot is drawn; anywhere else it is erased on arrival.
  virtual void FlyCard(const FlightEnd& /*from*/, const FlightEnd& /*to*/, const TCard& /*card*/) {}
  // The deal's recording as an animated GIF, when games are recorded: a new deal has been dealt
  // and drawn; the deal has been scored and its result drawn.
  virtual void BeginDealRecording() {}
  virtual void EndDealRecording() {}
  // The deal that ended may be reviewed ("Review" beside "Next game"), until the next deal.
  virtual void OfferReview(bool on) { (void)on; }
  // A new deal is about to be laid out: the window picks the deal's card back.
  virtual void ChooseDealBack() {}
  // The chat of a two-player game: its history and input shown or hidden, a line added by a
  // sender 1..4, the history emptied.
  virtual void ShowChat(bool /*shown*/) {}
  virtual void AddChatLine(int /*sender*/, const std::string& /*text*/) {}
  virtual void ClearChat() {}
  // The chat line takes no more lines once the other machine is gone.
  virtual void SetChatEnabled(bool /*enabled*/) {}
  // Text written over the upper hand while the LAN client waits for the deck.
  virtual void ShowWaitText(const std::string& text) = 0;
  // A tournament game's move clock: the seconds left, or below 0 for a clock that shows nothing.
  virtual void DrawMoveClock(int /*seat*/, int /*seconds*/) {}
  // The one-second timer that runs the move clocks.
  virtual void SetClockTimer(bool /*running*/) {}
  // A message for the player, with an Ok button.
  virtual void Inform(const std::string& /*text*/) {}

  virtual void SetMainButton(const ButtonState& state) = 0;
  virtual void SetEndButton(const ButtonState& state) = 0;
  virtual void SetMainTimer(int interval_ms, bool running) = 0;

  virtual void OpenBidding() = 0;
  virtual void UpdateBidding(const AuctionTable& table, const BiddingButtons& buttons) = 0;
  virtual void CloseBidding() = 0;

  virtual void PlayEffect(const std::string& name) = 0;
  virtual bool AskYesNo(const std::string& text) = 0;
  virtual void SetBusy(bool busy) = 0;
  // Forecast mode (F10): the caption carries the computer's forecast line.
  virtual void SetForecastMode(bool on) = 0;
  virtual void ShowForecastLine(const std::string& line) = 0;
  virtual void DrawForecastProgress(int percent) = 0;
};

}  // namespace quorvex
