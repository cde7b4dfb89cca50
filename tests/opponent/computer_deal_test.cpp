#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/controller.h"
#include "game/trick.h"
#include "opponent/computer_opponent.h"
#include "support/recording_view.h"

namespace quorvex {
namespace {

// Passes the computer's choices through and checks that every one is legal, since the controller
// would quietly replace an illegal one.
class CheckedOpponent : public Opponent {
 public:
  explicit CheckedOpponent(ComputerOpponent& inner) : inner_(inner) {}
  void NewDeal() override { inner_.NewDeal(); }
  int ChooseComputerCard(const TDealState& state) override {
    const int index = inner_.ChooseComputerCard(state);
    EXPECT_TRUE(IsLegalCard(state, 1, index))
        << "trick " << int{state.TrickNo} << " slot " << index;
    ++cards;
    return index;
  }
  int ChooseComputerCall(const TDealState& state, const AuctionTable& table) override {
    const int code = inner_.ChooseComputerCall(state, table);
    const int last = table.LastCall();
    EXPECT_TRUE((IsBid(code) && code > table.HighestBid()) || code == kCallPass ||
                (code == kCallDouble && IsBid(last)) ||
                (code == kCallRedouble && last == kCallDouble))
        << "call " << code << " after " << last;
    calls.push_back(code);
    return code;
  }
  int cards = 0;
  std::vector<int> calls;

 private:
  ComputerOpponent& inner_;
};

// The player's side of a deal: the first legal card, one club when nobody has bid yet, else pass.
void PlayDealAgainstTheComputer(GameController& controller) {
  for (int step = 0; step < 400 && controller.State().Phase != PhaseDealOver; ++step) {
    const TDealState& s = controller.State();
    if (controller.Auction().Closed() && !controller.Auction().MayClose() &&
        (s.Phase == PhaseBidSeat1 || s.Phase == PhaseBidSeat2)) {
      controller.OnBiddingOk();
    } else if (s.Phase == PhaseSeat2) {
      int index = 1;
      while (index <= kHandSlots && !controller.CanPlayLowerCard(index)) ++index;
      ASSERT_TRUE(controller.OnLowerHandClick(index));
    } else if (s.Phase == PhaseTrickDone) {
      controller.OnMainButton();
    } else if (s.Phase == PhaseBidSeat2) {
      controller.OnLocalCall(controller.Auction().Table().HighestBid() == 0 ? 1 : kCallPass);
    } else {
      controller.OnTimerTick();
    }
  }
}

TEST(ComputerDealTest, WholeDealsAgainstTheComputerRunToTheScore) {
  testing::RecordingView view;
  testing::SeededRandom random(2718);
  testing::FakeClock clock;
  SessionHooks hooks;
  ComputerOpponent computer(view);
  CheckedOpponent opponent(computer);
  GameController controller(view, opponent, random, clock, hooks);
  controller.StartSession(TableRole::SinglePlayer, SessionPlayer{"Ann", 0, 0}, "");

  // Deal 1 the player starts, deal 2 the computer.
  for (int deal = 1; deal <= 2; ++deal) {
    SCOPED_TRACE(deal);
    if (deal > 1) controller.OnMainButton();  // "Next game"
    controller.OnMainButton();                // "To Begin of Round"
    opponent.cards = 0;
    opponent.calls.clear();
    view.progress.clear();
    PlayDealAgainstTheComputer(controller);

    const TDealState& s = controller.State();
    ASSERT_EQ(s.Phase, PhaseDealOver);
    ASSERT_EQ(view.results.size(), static_cast<size_t>(deal));
    EXPECT_NE(s.ContractCode, 0);
    EXPECT_EQ(s.Tricks[1] + s.Tricks[2], 13);
    EXPECT_EQ(opponent.cards, 26);
    EXPECT_FALSE(opponent.calls.empty());
    EXPECT_EQ(view.progress, (std::vector<int>{20, 40, 60, 80, 100}));
    EXPECT_FALSE(view.busy);
    // The last searched card left the play-phase line.
    EXPECT_EQ(view.forecast_line.rfind(" Прогноз начальный: PC=[Взяток=", 0), 0u)
        << view.forecast_line;
  }
}

}  // namespace
}  // namespace quorvex
