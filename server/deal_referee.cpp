#include "deal_referee.h"

#include "game/controller.h"
#include "game/deal.h"
#include "game/opponent.h"
#include "game/platform.h"
#include "opponent/auction_table.h"
#include "silent_table_view.h"

namespace quorvex::server {
namespace {

// The replay never shuffles and never looks at the time: the relay deals and keeps the clock.
class UnusedRandom : public Random {
 public:
  void Reseed() override {}
  int Below(int) override { return 0; }
};

class UnusedClock : public Clock {
 public:
  int64_t NowMs() override { return 0; }
};

// The phase the other seat's controller shows for a phase of this one: the seats are swapped.
int MirroredPhase(int phase) {
  switch (phase) {
    case PhaseSeat1:
    case PhaseSeat2:
      return OtherSeat(phase);
    case PhaseBidSeat1:
    case PhaseBidSeat2:
      return PhaseBidSeat1 + PhaseBidSeat2 - phase;
    default:
      return phase;
  }
}

int MirroredSeat(int seat) {
  return seat == 1 || seat == 2 ? OtherSeat(seat) : seat;
}

bool CallAllowed(const GameController& controller, int code) {
  const AuctionEngine& auction = controller.Auction();
  if (!controller.TableActive() || auction.Closed() || controller.State().Phase != PhaseBidSeat2)
    return false;
  return (IsBid(code) && code > auction.Table().HighestBid()) || code == kCallPass ||
         (code == kCallDouble && auction.DoubleOffer() == 1) ||
         (code == kCallRedouble && auction.DoubleOffer() == 2);
}

}  // namespace

struct DealReferee::Replay {
  Replay() : controller(view, opponent, random, clock, hooks) {}

  SilentTableView view;
  PlainOpponent opponent;
  UnusedRandom random;
  UnusedClock clock;
  SessionHooks hooks;
  GameController controller;
};

DealReferee::DealReferee(const std::array<TCard, 53>& deck, const std::array<uint8_t, 53>& ranks) {
  for (int seat = 1; seat <= 2; ++seat) {
    replay_[seat] = std::make_unique<Replay>();
    GameController& controller = replay_[seat]->controller;
    const TableRole role = seat == 1 ? TableRole::TourSeat1 : TableRole::TourSeat2;
    // As a tournament player's program takes the deck: the hands first, then the session.
    TDealState& state = controller.MutableState();
    state.Deck = deck;
    state.DeckRank = ranks;
    DealCards(state, role);
    controller.StartSession(role, SessionPlayer{}, std::string());
  }
}

DealReferee::~DealReferee() = default;

bool DealReferee::Legal(int seat, const TourFrame& frame) const {
  if ((seat != 1 && seat != 2) || frame.seat != '0' + seat || Over()) return false;
  const GameController& own = replay_[seat]->controller;
  const GameController& other = replay_[OtherSeat(seat)]->controller;
  const TDealState& state = own.State();
  switch (frame.kind) {
    case TourFrameKind::Begin:
      return seat == 1 && own.TableActive() && state.PlayState == 1 && own.MainButton().enabled;
    case TourFrameKind::Card:
      return own.CanPlayLowerCard(frame.number) && other.State().Phase == PhaseSeat1;
    case TourFrameKind::Collect:
      return seat == 1 && state.Phase == PhaseTrickDone && own.MainButton().enabled;
    case TourFrameKind::Call:
      return CallAllowed(own, frame.number) && other.State().Phase == PhaseBidSeat1;
    case TourFrameKind::Close:
      return seat == 1 && own.Auction().Closed() && !own.Auction().MayClose();
    default:
      return false;
  }
}

RefereeVerdict DealReferee::Play(int seat, const TourFrame& frame) {
  if (!Legal(seat, frame)) return RefereeVerdict::Illegal;
  GameController& own = replay_[seat]->controller;
  GameController& other = replay_[OtherSeat(seat)]->controller;
  switch (frame.kind) {
    case TourFrameKind::Begin:
      own.OnMainButton();
      other.OnPeerBegin();
      break;
    case TourFrameKind::Card:
      own.OnLowerHandClick(frame.number);
      other.OnPeerCard(frame.number);
      break;
    case TourFrameKind::Collect:
      own.OnMainButton();
      other.OnPeerCollect();
      break;
    case TourFrameKind::Call:
      own.OnLocalCall(frame.number);
      other.OnPeerCall(frame.number);
      break;
    case TourFrameKind::Close:
      own.OnBiddingOk();
      other.OnPeerClose();
      break;
    default:
      return RefereeVerdict::Illegal;
  }
  return InStep() ? RefereeVerdict::Accepted : RefereeVerdict::OutOfStep;
}

bool DealReferee::InStep() const {
  const GameController& c1 = replay_[1]->controller;
  const GameController& c2 = replay_[2]->controller;
  const TDealState& a = c1.State();
  const TDealState& b = c2.State();
  if (MirroredPhase(a.Phase) != b.Phase || a.PlayState != b.PlayState) return false;
  if (a.TrickSlot != b.TrickSlot || a.TrickNo != b.TrickNo || a.StockNext != b.StockNext ||
      a.LedSuit != b.LedSuit || a.Trump != b.Trump || a.Trick != b.Trick)
    return false;
  if (a.ContractCode != b.ContractCode || a.TricksNeeded != b.TricksNeeded ||
      a.Doubling != b.Doubling || MirroredSeat(a.Declarer) != b.Declarer)
    return false;
  // Who leads next means nothing once the deal is over (a passed-out auction leaves it as the
  // last draw trick set it on one side only).
  if (a.Phase != PhaseDealOver &&
      (MirroredSeat(a.Leader) != b.Leader || MirroredSeat(a.DrawFirst) != b.DrawFirst))
    return false;
  for (int seat = 1; seat <= 2; ++seat) {
    const int mirror = OtherSeat(seat);
    if (a.Hand[seat] != b.Hand[mirror] || a.HandCount[seat] != b.HandCount[mirror] ||
        a.Tricks[seat] != b.Tricks[mirror] || a.MatchScore[seat] != b.MatchScore[mirror])
      return false;
  }
  return c1.Auction().Closed() == c2.Auction().Closed() &&
         c1.Auction().Table().LastCall() == c2.Auction().Table().LastCall();
}

int DealReferee::ToAct() const {
  if (Over()) return 0;
  // Seat 1's own controller decides, as it runs seat 1's move clock: its lower seat (2) is
  // tournament seat 1.
  switch (replay_[1]->controller.SeatToAct()) {
    case 2:
      return 1;
    case 1:
      return 2;
    default:
      return 0;
  }
}

bool DealReferee::Over() const {
  return replay_[1]->controller.State().Phase == PhaseDealOver &&
         replay_[2]->controller.State().Phase == PhaseDealOver;
}

int32_t DealReferee::Balance1() const {
  return replay_[1]->controller.Balance();
}

}  // namespace quorvex::server
