#include <gtest/gtest.h>

#include <algorithm>

#include "game/controller.h"
#include "game/deal.h"
#include "game/trick.h"
#include "support/recording_view.h"

namespace quorvex {
namespace {

using testing::FakeClock;
using testing::RecordingLink;
using testing::RecordingView;
using testing::SeededRandom;

// An opponent whose calls are scripted; it plays its first legal card.
class ScriptedOpponent : public PlainOpponent {
 public:
  int ChooseComputerCall(const TDealState&, const AuctionTable&) override {
    if (next_ < calls.size()) return calls[next_++];
    return kCallPass;
  }
  void NewDeal() override { next_ = 0; }
  std::vector<int> calls;

 private:
  size_t next_ = 0;
};

class CountingHooks : public SessionHooks {
 public:
  explicit CountingHooks(const RecordingView* view = nullptr) : view_(view) {}
  void SavePlayerRecord() override { ++saves; }
  void EndSession(int32_t b, int d) override {
    balance = b;
    deals = d;
    if (view_) {
      screen_at_end = view_->screen;
      timer_running_at_end = view_->timer_running;
    }
  }
  void DealRecorded(const DealRecord& record) override { deals_recorded.push_back(record); }
  int saves = 0;
  std::vector<DealRecord> deals_recorded;
  int32_t balance = -1;
  int deals = -1;
  Screen screen_at_end = Screen::Title;
  bool timer_running_at_end = true;

 private:
  const RecordingView* view_;
};

class ControllerTest : public ::testing::Test {
 protected:
  ControllerTest() : controller(view, opponent, random, clock, hooks) {}

  void Start(int deals_played = 0) {
    controller.StartSession(TableRole::SinglePlayer, SessionPlayer{"Ann   ", deals_played, 100},
                            "");
  }

  // The player's first legal card.
  int FirstLegalLower() const {
    for (int i = 1; i <= kHandSlots; ++i)
      if (controller.CanPlayLowerCard(i)) return i;
    return 0;
  }

  // Plays one trick to the table: the player clicks, the computer moves on timer ticks.
  void PlayTrick() {
    for (int guard = 0; guard < 4 && controller.State().Phase != PhaseTrickDone; ++guard) {
      if (controller.State().Phase == PhaseSeat2) {
        ASSERT_TRUE(controller.OnLowerHandClick(FirstLegalLower()));
      } else {
        controller.OnTimerTick();
      }
    }
    ASSERT_EQ(controller.State().Phase, PhaseTrickDone);
    ASSERT_TRUE(view.main.enabled);
  }

  void PlayDrawPhase() {
    controller.OnMainButton();  // "To Begin of Round"
    for (int trick = 1; trick <= 13; ++trick) {
      PlayTrick();
      EXPECT_EQ(controller.State().Tricks[1] + controller.State().Tricks[2], 0);
      controller.OnMainButton();  // collect
      if (trick < 13) {
        EXPECT_EQ(controller.State().HandCount[1], 13);
        EXPECT_EQ(controller.State().HandCount[2], 13);
      }
    }
  }

  // The auction: the player's calls in order, the computer's from its script.
  void Bid(std::vector<int> player_calls) {
    size_t next = 0;
    for (int guard = 0; guard < 40 && !controller.Auction().Closed(); ++guard) {
      if (controller.State().Phase == PhaseBidSeat2) {
        controller.OnLocalCall(next < player_calls.size() ? player_calls[next++] : kCallPass);
      } else {
        controller.OnTimerTick();
      }
    }
    ASSERT_TRUE(controller.Auction().Closed());
    ASSERT_TRUE(view.buttons.ok);
    controller.OnBiddingOk();
  }

  void PlayContract() {
    for (int trick = 14; trick <= 26; ++trick) {
      PlayTrick();
      controller.OnMainButton();
    }
  }

  RecordingView view;
  ScriptedOpponent opponent;
  SeededRandom random{2024};
  FakeClock clock;
  CountingHooks hooks{&view};
  GameController controller;
};

TEST_F(ControllerTest, StartShowsTheDealAndWaitsForTheButton) {
  Start(6);
  const TDealState& s = controller.State();
  EXPECT_EQ(view.screen, Screen::Table);
  EXPECT_EQ(s.DealNo, 7);
  EXPECT_EQ(controller.SessionDeals(), 1);
  EXPECT_EQ(s.Vulnerability, 1);  // 7 mod 4 = 3
  EXPECT_EQ(s.FirstSeat, 2);
  EXPECT_EQ(s.Phase, 2);
  EXPECT_EQ(s.PlayState, 1);
  EXPECT_EQ(view.main.caption, "To Begin of Round");
  EXPECT_TRUE(view.main.enabled);
  EXPECT_FALSE(view.end.enabled);
  EXPECT_EQ(view.end.caption, "Exit to menu");
  EXPECT_FALSE(view.timer_running);
  EXPECT_FALSE(view.hand_face_up[1]);
  EXPECT_TRUE(view.hand_face_up[2]);
  EXPECT_EQ(view.stock, 26);
  EXPECT_EQ(view.hint, "Game: 7 / 20");
  EXPECT_EQ(view.plate[1].name, "PC");
  EXPECT_EQ(view.plate[2].name, "Ann");
  EXPECT_EQ(view.plate[2].star, PlateStar::FirstPlayer);
  // Whose turn it is shows from the first drawing of the session's first deal.
  EXPECT_TRUE(view.plate[2].to_move);
  EXPECT_FALSE(view.plate[1].to_move);
  EXPECT_TRUE(view.plate[1].north);
  EXPECT_TRUE(view.Played("WTasoKo"));

  // Cards cannot be played before the button.
  EXPECT_FALSE(controller.OnLowerHandClick(1));
  controller.OnMainButton();
  EXPECT_EQ(controller.State().PlayState, 2);
  EXPECT_EQ(view.main.caption, "OK");
  EXPECT_FALSE(view.main.enabled);
  EXPECT_TRUE(view.timer_running);
  EXPECT_EQ(view.timer_interval, 200);
}

TEST_F(ControllerTest, ComputerLeadsOnTheNextTick) {
  Start(1);  // deal 2: the computer starts
  controller.OnMainButton();
  EXPECT_EQ(controller.State().Phase, PhaseSeat1);
  controller.OnTimerTick();
  EXPECT_EQ(controller.State().Phase, PhaseSeat2);
  EXPECT_EQ(controller.State().TrickSlot, 2);
  EXPECT_EQ(controller.State().HandCount[1], 12);
}

TEST_F(ControllerTest, CollectedCardsFlyToTheWinner) {
  Start(1);
  controller.OnMainButton();
  PlayTrick();
  const int winner = controller.State().Leader;
  const TCard led = controller.State().Trick[1];
  const TCard reply = controller.State().Trick[2];
  view.flights.clear();
  controller.OnMainButton();
  ASSERT_GE(view.flights.size(), 2u);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(view.flights[i].to.place, FlightPlace::OffTable);
    EXPECT_EQ(view.flights[i].to.seat, winner);
  }
  // The winner's own card leaves first, whichever slot it lies in (deal 2: the computer led).
  const TCard won = winner == 1 ? led : reply;
  const TCard lost = winner == 1 ? reply : led;
  EXPECT_EQ(view.flights[0].card, won);
  EXPECT_EQ(view.flights[0].from.seat, winner);
  EXPECT_EQ(view.flights[1].card, lost);
  EXPECT_EQ(view.flights[1].from.seat, 3 - winner);
  // Then the leader of the trick draws first.
  ASSERT_EQ(view.flights.size(), 4u);
  EXPECT_EQ(view.flights[2].to.seat, 1);
  EXPECT_EQ(view.flights[3].to.seat, 2);
}

TEST_F(ControllerTest, RevokeIsRefusedWithASound) {
  Start(1);
  controller.OnMainButton();
  controller.OnTimerTick();
  const TDealState& s = controller.State();
  int revoke = 0;
  for (int i = 1; i <= kHandSlots && !revoke; ++i)
    if (MustFollowSuit(s, i)) revoke = i;
  if (revoke == 0) GTEST_SKIP() << "this deal gives the player every suit led";
  const TDealState before = s;
  EXPECT_FALSE(controller.OnLowerHandClick(revoke));
  EXPECT_TRUE(view.Played("WWrongs"));
  EXPECT_EQ(s.HandCount[2], before.HandCount[2]);
  EXPECT_EQ(s.TrickSlot, 2);
}

TEST_F(ControllerTest, WholeDealFromDrawToScore) {
  opponent.calls = {kCallPass};
  Start();
  PlayDrawPhase();
  const TDealState& s = controller.State();
  // The stock is spent: both hold 13 cards and the first player calls first.
  EXPECT_EQ(s.StockNext, 53);
  EXPECT_EQ(s.HandsSaved, 1);
  EXPECT_EQ(s.Phase, 10 + s.FirstSeat);
  EXPECT_EQ(s.PlayedNext, 27);
  EXPECT_TRUE(view.bidding_open);
  EXPECT_TRUE(view.Played("WKoloNo"));
  EXPECT_EQ(view.stock, 0);

  Bid({16});  // four clubs; the computer passes
  EXPECT_FALSE(view.bidding_open);
  EXPECT_EQ(s.ContractCode, 16);
  EXPECT_EQ(s.Declarer, 2);
  EXPECT_EQ(s.TricksNeeded, 10);
  EXPECT_EQ(s.Trump, kClubs);
  EXPECT_EQ(s.Doubling, 0);
  EXPECT_EQ(s.Phase, 3 - s.FirstSeat);  // the seat that did not start leads
  EXPECT_EQ(s.Leader, 3 - s.FirstSeat);
  EXPECT_TRUE(view.has_contract);
  EXPECT_EQ(view.plate[2].star, PlateStar::Declarer);
  EXPECT_EQ(view.plate[1].star, PlateStar::Defender);

  PlayContract();
  EXPECT_EQ(s.Phase, PhaseDealOver);
  EXPECT_EQ(s.Tricks[1] + s.Tricks[2], 13);
  ASSERT_EQ(view.results.size(), 1u);
  const DealScore& score = view.results[0];
  EXPECT_EQ(score.receiver, s.Tricks[2] >= 10 ? 2 : 1);
  EXPECT_EQ(s.MatchScore[score.receiver], score.points);
  EXPECT_EQ(controller.Balance(), score.favours_seat2 ? score.points : -score.points);
  EXPECT_EQ(controller.TotalScore(), 100 + controller.Balance());
  EXPECT_EQ(view.panel[score.receiver].second, score.points);
  EXPECT_EQ(view.panel[3 - score.receiver].second, 0);
  EXPECT_TRUE(view.Played(score.favours_seat2 ? "WKoGutX" : "WKoBadX"));
  // The computer's cards are shown as they were when the play began.
  EXPECT_EQ(s.HandCount[1], 13);
  EXPECT_TRUE(view.hand_face_up[1]);
  EXPECT_EQ(view.main.caption, "Next game");
  EXPECT_TRUE(view.main.enabled);
  EXPECT_TRUE(view.end.enabled);

  // Every card flies: 52 from the hands to the table, 52 off the table to the trick's winner,
  // 26 face down from the stock; the deal's recording starts at the deal and ends at its score.
  int played = 0, collected = 0, drawn = 0;
  for (const auto& f : view.flights) {
    if (f.to.place == FlightPlace::TrickSpot) {
      ++played;
      EXPECT_EQ(f.from.seat, f.to.seat);
      EXPECT_EQ(f.from.place, f.to.seat == 2 ? FlightPlace::HandCard : FlightPlace::HandMiddle);
    }
    if (f.to.place == FlightPlace::OffTable) ++collected;
    if (f.from.place == FlightPlace::Stock) {
      ++drawn;
      EXPECT_TRUE(f.card.Empty());
    }
  }
  EXPECT_EQ(played, 52);
  EXPECT_EQ(collected, 52);
  EXPECT_EQ(drawn, 26);
  EXPECT_EQ(view.recordings_begun, 1);
  EXPECT_EQ(view.recordings_ended, 1);

  controller.OnMainButton();
  EXPECT_EQ(view.recordings_begun, 2);
  EXPECT_EQ(s.DealNo, 2);
  EXPECT_EQ(controller.SessionDeals(), 2);
  EXPECT_EQ(s.PlayState, 1);
  EXPECT_EQ(s.ContractCode, 0);
  EXPECT_EQ(s.Trump, kNoSuit);
  EXPECT_EQ(view.main.caption, "To Begin of Round");
  EXPECT_EQ(controller.Balance(), score.favours_seat2 ? score.points : -score.points);
}

TEST_F(ControllerTest, ComputerDeclaresAfterTheDoubleAndRedouble) {
  Start(1);                             // the computer starts and calls first
  opponent.calls = {5, kCallRedouble};  // one no trump, then redouble the player's double
  PlayDrawPhase();
  EXPECT_EQ(controller.State().Phase, PhaseBidSeat1);
  Bid({kCallDouble, kCallPass});
  const TDealState& s = controller.State();
  EXPECT_EQ(s.ContractCode, 5);
  EXPECT_EQ(s.Declarer, 1);
  EXPECT_EQ(s.Doubling, 2);
  EXPECT_EQ(s.Phase, 2);  // the player leads
  PlayContract();
  EXPECT_EQ(view.results.size(), 1u);

  // The deal's record: the calls in order, the hands the play began with, every card.
  ASSERT_EQ(hooks.deals_recorded.size(), 1u);
  const DealRecord& r = hooks.deals_recorded[0];
  EXPECT_TRUE(DealRecordConsistent(r));
  EXPECT_EQ(r.names[1], "PC");
  EXPECT_EQ(r.names[2], "Ann");
  EXPECT_EQ(r.first_seat, 1);
  EXPECT_EQ(r.calls,
            (std::vector<DealCall>{{1, 5}, {2, kCallDouble}, {1, kCallRedouble}, {2, kCallPass}}));
  EXPECT_EQ(r.contract, 5);
  EXPECT_EQ(r.doubling, 2);
  EXPECT_EQ(r.declarer, 1);
  EXPECT_EQ(r.declarer_tricks, s.Tricks[1]);
  const DealScore& score = view.results[0];
  EXPECT_EQ(r.declarer_score, score.receiver == 1 ? score.points : -score.points);
  for (int i = 1; i <= 52; ++i) EXPECT_EQ(DealRecordCard(r.deck[i - 1]), s.Deck[i]);
  for (int seat = 1; seat <= 2; ++seat)
    for (int slot = 1; slot <= 13; ++slot)
      EXPECT_EQ(DealRecordCard(r.hands[seat][slot - 1]), s.Hand[seat + 2][slot]);
  EXPECT_EQ(r.draw_play.size(), 26u);
  ASSERT_EQ(r.contract_play.size(), 26u);
  // The seat that did not call first leads the contract's first trick.
  const auto& leader_hand = r.hands[2];
  EXPECT_NE(std::find(leader_hand.begin(), leader_hand.end(), r.contract_play[0]),
            leader_hand.end());
}

TEST_F(ControllerTest, PassedOutDealIsNotScored) {
  opponent.calls = {kCallPass};
  Start();
  PlayDrawPhase();
  controller.OnLocalCall(kCallPass);  // the opening pass keeps the auction open
  EXPECT_FALSE(controller.Auction().Closed());
  controller.OnTimerTick();  // the computer's reply pass ends it
  ASSERT_TRUE(controller.Auction().Closed());
  EXPECT_TRUE(view.buttons.ok);
  controller.OnBiddingOk();
  const TDealState& s = controller.State();
  EXPECT_EQ(s.Phase, PhaseDealOver);
  EXPECT_EQ(s.ContractCode, 0);
  EXPECT_TRUE(view.results.empty());
  EXPECT_EQ(s.MatchScore[1] + s.MatchScore[2], 0);
  EXPECT_EQ(view.main.caption, "Next game");
  EXPECT_TRUE(view.main.enabled);
  ASSERT_EQ(hooks.deals_recorded.size(), 1u);
  const DealRecord& r = hooks.deals_recorded[0];
  EXPECT_TRUE(DealRecordConsistent(r));
  EXPECT_EQ(r.contract, 0);
  EXPECT_EQ(r.calls, (std::vector<DealCall>{{2, kCallPass}, {1, kCallPass}}));
  EXPECT_TRUE(r.contract_play.empty());
  controller.OnMainButton();
  EXPECT_EQ(s.DealNo, 2);
  EXPECT_EQ(s.PlayState, 1);
}

TEST_F(ControllerTest, TwentiethDealLeavesOnlyTheEndButton) {
  opponent.calls = {kCallPass};
  Start(19);
  PlayDrawPhase();
  Bid({kCallPass});
  EXPECT_EQ(controller.State().DealNo, 20);
  EXPECT_FALSE(view.main.enabled);
  EXPECT_TRUE(view.end.enabled);
  controller.OnMainButton();  // disabled: nothing happens
  EXPECT_EQ(controller.State().DealNo, 20);
}

TEST_F(ControllerTest, TheMenuComesBackOnlyAfterTheSessionWasWoundUp) {
  Start(19);
  PlayDrawPhase();
  Bid({});  // passed out: the deal is over and the 20th deal leaves only the end button
  ASSERT_EQ(controller.State().Phase, PhaseDealOver);
  ASSERT_TRUE(view.end.enabled);
  controller.OnEndButton();
  EXPECT_EQ(hooks.deals, 1);
  EXPECT_EQ(hooks.balance, 0);
  // While the records are written and the closing windows shown, the table is hidden and the
  // menu's timer does not run.
  EXPECT_EQ(hooks.screen_at_end, Screen::Closing);
  EXPECT_FALSE(hooks.timer_running_at_end);
  EXPECT_EQ(view.screen, Screen::Menu);
  EXPECT_TRUE(view.timer_running);
  EXPECT_EQ(view.timer_interval, 20);
  EXPECT_FALSE(controller.InSession());
}

TEST(ControllerSession, EndButtonEndsTheSessionWithItsBalance) {
  RecordingView view;
  ScriptedOpponent opponent;
  SeededRandom random(5);
  FakeClock clock;
  CountingHooks hooks;
  GameController controller(view, opponent, random, clock, hooks);
  controller.StartSession(TableRole::SinglePlayer, SessionPlayer{"Bob", 0, 0}, "");
  controller.OnEndButton();  // not allowed during a deal
  EXPECT_EQ(hooks.deals, -1);
  controller.MutableState().MatchScore = {0, 30, 500};
  controller.MutableState().Phase = PhaseDealOver;
  // Leaving through the menu asks first and keeps the record.
  view.answer = false;
  EXPECT_FALSE(controller.ExitToMenu());
  EXPECT_EQ(view.screen, Screen::Table);
  view.answer = true;
  EXPECT_TRUE(controller.ExitToMenu());
  EXPECT_EQ(hooks.saves, 1);
  EXPECT_EQ(view.screen, Screen::Menu);
  EXPECT_EQ(view.timer_interval, 20);
  EXPECT_EQ(view.questions.back(),
            "You want to leave in the main menu?\n\rAll datas for want of it will be lost!");
  EXPECT_TRUE(controller.OnCloseRequest());  // no session: closes without asking
  EXPECT_EQ(view.questions.size(), 2u);
}

// One side of a LAN game, its messages kept in `link`.
class ControllerLan : public ::testing::Test {
 protected:
  ControllerLan() : controller(view, opponent, random, clock, hooks) {
    controller.SetPeerLink(&link);
  }

  RecordingView view;
  PlainOpponent opponent;
  SeededRandom random{9};
  FakeClock clock;
  SessionHooks hooks;
  RecordingLink link;
  GameController controller;
};

TEST_F(ControllerLan, ServerSendsTheDeckAndLeadsThePace) {
  controller.StartSession(TableRole::LanServer, SessionPlayer{"Server", 0, 0}, "Client   ");
  ASSERT_EQ(link.sent.size(), 1u);
  const std::string& deck = link.sent[0];
  ASSERT_EQ(deck.size(), 209u);
  EXPECT_EQ(deck[0], 'b');
  EXPECT_EQ(deck.substr(1, 2), controller.State().Deck[1].Code());
  EXPECT_EQ(deck.substr(105, 2), (controller.State().DeckRank[1] < 10 ? "0" : "") +
                                     std::to_string(controller.State().DeckRank[1]));
  EXPECT_EQ(view.plate[1].name, "Client");
  controller.OnMainButton();
  EXPECT_EQ(link.sent.back(), "hbegin");
  // Deal 1: the server's player leads; the fifth card goes out as "hhod05" and the role digit.
  controller.OnLowerHandClick(5);
  EXPECT_EQ(link.sent.back(), "hhod051");
  // The peer's reply arrives as a move of seat 1.
  controller.OnPeerCard(1);
  EXPECT_EQ(controller.State().Phase, PhaseTrickDone);
  controller.OnMainButton();
  EXPECT_EQ(link.sent.back(), "hslits");
  EXPECT_EQ(controller.State().StockNext, 29);
}

TEST_F(ControllerLan, ClientWaitsForTheDeckAndNeverPacesTheGame) {
  controller.StartSession(TableRole::LanClient, SessionPlayer{"Client", 4, 0}, "Server");
  EXPECT_EQ(view.wait_text, "Expectation of the server...");
  EXPECT_FALSE(controller.TableActive());
  EXPECT_EQ(controller.State().DealNo, 5);  // counted when the session started
  EXPECT_TRUE(link.sent.empty());           // the client never shuffles or sends a deck

  // The deck arrives: the network layer deals it and starts the deal without counting again.
  TDealState& s = controller.MutableState();
  for (int i = 1; i <= 52; ++i) {
    s.Deck[i] = DeckCard(i);
    s.DeckRank[i] = RankValue(s.Deck[i]);
  }
  DealCards(s, TableRole::LanClient);
  controller.SetDeckReceived();
  controller.StartDeal(true);
  EXPECT_TRUE(controller.TableActive());
  EXPECT_EQ(s.DealNo, 5);
  EXPECT_EQ(controller.SessionDeals(), 1);
  EXPECT_EQ(s.FirstSeat, 1);  // deal 5: the server's player starts, seen from the client
  EXPECT_EQ(view.plate[1].north, false);
  EXPECT_FALSE(view.main.enabled);
  controller.OnMainButton();
  EXPECT_EQ(s.PlayState, 1);  // the client waits for "hbegin"
  controller.OnPeerBegin();
  EXPECT_EQ(s.PlayState, 2);
  EXPECT_EQ(view.main.caption, "Ok");
  // The server's player leads; the client's reply completes the trick but only "hslits" collects.
  controller.OnPeerCard(3);
  controller.OnLowerHandClick(1);
  EXPECT_EQ(link.sent.back(), "hhod012");
  EXPECT_EQ(s.Phase, PhaseTrickDone);
  EXPECT_FALSE(view.main.enabled);
  controller.OnMainButton();
  EXPECT_EQ(s.Phase, PhaseTrickDone);
  controller.OnPeerCollect();
  EXPECT_EQ(s.TrickNo, 2);
  EXPECT_EQ(s.StockNext, 29);
}

// The sounds of a deal in the order the player hears them, and the result sound of each sign:
// seven no-trump played with the first legal card is defeated whoever declares it.
TEST_F(ControllerTest, SoundsOfWholeDealsAndBothResults) {
  Start();
  PlayDrawPhase();
  Bid({35});
  PlayContract();
  const std::vector<std::string>& heard = view.effects;
  ASSERT_FALSE(heard.empty());
  EXPECT_EQ(heard.front(), "WTasoKo");
  EXPECT_EQ(heard.back(), "WKoBadX");  // the player's slam went down: a "-" result
  EXPECT_EQ(std::count(heard.begin(), heard.end(), "WHodsDo"), 52);
  const auto stock_spent = std::find(heard.begin(), heard.end(), "WKoloNo");
  ASSERT_NE(stock_spent, heard.end());
  EXPECT_EQ(std::count(heard.begin(), stock_spent, "WHodsDo"), 26);
  // Between the draw and the contract play only the calls sound: the slam and the passes.
  const auto first_contract_card = std::find(stock_spent, heard.end(), "WHodsDo");
  const std::vector<std::string> calls(stock_spent + 1, first_contract_card);
  EXPECT_EQ(std::count(calls.begin(), calls.end(), "WPlMore"), 1);
  EXPECT_EQ(std::count(calls.begin(), calls.end(), "WDiPass") + 1, std::ssize(calls));

  controller.OnMainButton();  // next deal: now the computer bids the slam
  opponent.calls = {35};
  view.effects.clear();
  PlayDrawPhase();
  Bid({});
  ASSERT_EQ(controller.State().Declarer, 1);
  PlayContract();
  EXPECT_EQ(view.effects.back(), "WKoGutX");  // the computer's slam went down: "+"
}

}  // namespace
}  // namespace quorvex
