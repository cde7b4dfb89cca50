#include <gtest/gtest.h>

#include <array>
#include <sstream>
#include <string>
#include <vector>

#include "game/deal.h"
#include "opponent/auction_table.h"
#include "opponent/card_choice.h"
#include "opponent/computer_opponent.h"
#include "support/recording_view.h"

namespace quorvex {
namespace {

// Fills a hand row from readable cards ("Qh 2c 3c") and sorts it as the game does.
void SetHand(TDealState& state, int row, const std::string& cards) {
  state.Hand[row].fill(kEmptyCard);
  state.HandRank[row].fill(kEmptyRank);
  std::istringstream in(cards);
  std::string text;
  int slot = 0;
  while (in >> text) {
    TCard card;
    EXPECT_TRUE(ParseCardText(text, card)) << text;
    ++slot;
    state.Hand[row][slot] = card;
    state.HandRank[row][slot] = RankValue(card);
  }
  SortHand(state, row);
}

std::string CardAt(const TDealState& state, int row, int slot) {
  return CardText(state.Hand[row][slot]);
}

// Seat 1 to lead (led = "") or to follow the human's card during the draw phase.
TDealState DrawPhase(const std::string& computer, const std::string& led = "") {
  TDealState state;
  state.StockNext = 27;
  state.TrickNo = 3;
  SetHand(state, 1, computer);
  if (!led.empty()) {
    TCard card;
    ParseCardText(led, card);
    state.Trick[1] = card;
    state.TrickRank[1] = RankValue(card);
    state.LedSuit = card.suit;
    state.TrickSlot = 2;
  }
  return state;
}

TEST(DrawPhaseCardTest, LeadsLowFromTheShortestSuitAndKeepsKingsAndAces) {
  struct Case {
    const char* hand;
    const char* led;  // "" when leading
    const char* card;
  };
  const Case cases[] = {
      // Shortest suit first, whatever its rank up to the queen.
      {"Qh 2c 3c 4d 5d 6d 7d 8d 2s 3s 4s 5s 6s", "", "Qh"},
      // Kings and aces are never led: the singleton ace gives way to the doubleton.
      {"Ah 2c 3c 4d 5d 6d 7d 8d 2s 3s 4s 5s 6s", "", "2c"},
      // Of two doubletons, the one with the lower card.
      {"Kh 5c 6c 3d 4d 2s 7s 8s 9s Ts Js Qs Ks", "", "3d"},
      // Following: the lowest of the led suit, even when the ace would win.
      {"Ac 4c 2d 3d 4d 5d 6d 2s 3s 4s 5s 6s 7s", "9c", "4c"},
      // Void in the led suit: the leading rule.
      {"Ac 4c 2d 3d 4d 5d 6d 2s 3s 4s 5s 6s 7s", "9h", "4c"},
      // Nothing up to a queen: the lowest card of the shortest suit.
      {"Ah Kc Ac", "", "Ah"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.hand) + " / " + c.led);
    const TDealState state = DrawPhase(c.hand, c.led);
    testing::RecordingView view;
    ComputerOpponent opponent(view, [](const SearchPosition&, SearchCache&) {
      ADD_FAILURE() << "no search in the draw phase";
      return SearchResult{};
    });
    const int slot = opponent.ChooseComputerCard(state);
    EXPECT_EQ(CardAt(state, 1, slot), c.card);
    EXPECT_EQ(view.forecast_line, "");
  }
}

// A view that keeps every forecast line and busy change.
class LoggingView : public testing::RecordingView {
 public:
  void SetBusy(bool b) override {
    RecordingView::SetBusy(b);
    busy_log.push_back(b);
  }
  void ShowForecastLine(const std::string& line) override {
    RecordingView::ShowForecastLine(line);
    lines.push_back(line);
  }
  std::vector<bool> busy_log;
  std::vector<std::string> lines;
};

int Denomination(char trump) {
  for (int d = 1; d <= 5; ++d)
    if (DenominationTrump(d) == trump) return d;
  return 0;
}

// Stands in for the search: records what it was asked and answers from a script.
struct ScriptedSearch {
  std::vector<SearchPosition> positions;
  std::vector<bool> busy_during;
  std::array<int, 6> forecast_declarer{};  // by denomination, for empty-trick searches
  SearchResult card{};                     // for everything else

  SearchFunction Function(const testing::RecordingView& view) {
    return [this, &view](const SearchPosition& p, SearchCache&) {
      positions.push_back(p);
      busy_during.push_back(view.busy);
      if (p.trick_position == 1 && p.mover.CardsLeft() == 13) {
        const int fd = forecast_declarer[Denomination(p.trump)];
        return SearchResult{1, static_cast<uint8_t>(fd), static_cast<uint8_t>(13 - fd)};
      }
      return card;
    };
  }
};

const char* const kComputer13 = "2h 5h 9h Kh 3c 7c Jc Ac 4d 8d Qd 6s Ts";
const char* const kHuman13 = "3h 6h Th Ah 2c 4c 8c Qc 5d 9d Kd 7s Js";

// The auction about to start with both hands of 13 cards.
TDealState AuctionStart(int first_seat) {
  TDealState state;
  state.StockNext = 53;
  state.FirstSeat = static_cast<uint8_t>(first_seat);
  state.Phase = static_cast<uint8_t>(10 + first_seat);
  SetHand(state, 1, kComputer13);
  SetHand(state, 2, kHuman13);
  return state;
}

class ComputerOpponentTest : public ::testing::Test {
 protected:
  ComputerOpponentTest() : opponent(view, search.Function(view)) {
    search.forecast_declarer = {0, 10, 3, 4, 5, 9};
  }
  LoggingView view;
  ScriptedSearch search;
  ComputerOpponent opponent;
};

TEST_F(ComputerOpponentTest, ForecastsOncePerDealWithTheSecondPlayerLeading) {
  for (int first = 1; first <= 2; ++first) {
    SCOPED_TRACE(first);
    opponent.NewDeal();
    search.positions.clear();
    view.progress.clear();
    const TDealState state = AuctionStart(first);
    AuctionTable table;
    if (first == 2) table.Place(2, kCallPass);
    EXPECT_EQ(opponent.ChooseComputerCall(state, table), 15);
    ASSERT_EQ(search.positions.size(), 5u);
    EXPECT_EQ(view.progress, (std::vector<int>{20, 40, 60, 80, 100}));
    const char trumps[] = {kClubs, kDiamonds, kHearts, kSpades, kNoSuit};
    for (int d = 0; d < 5; ++d) {
      const SearchPosition& p = search.positions[d];
      EXPECT_EQ(p.trump, trumps[d]);
      EXPECT_TRUE(p.use_cache && p.use_pruning);
      EXPECT_EQ(p.trick_position, 1);
      EXPECT_TRUE(p.trick[1].Empty());
      EXPECT_TRUE(search.busy_during[d]);
      // The computer started the deal: the human leads against its contract as defender.
      const int mover_row = first == 1 ? 2 : 1;
      EXPECT_EQ(p.role, first == 1 ? 2 : 1);
      for (int i = 1; i <= kHandSlots; ++i) {
        EXPECT_EQ(p.mover.card[i], state.Hand[mover_row][i]);
        EXPECT_EQ(p.mover.rank[i], state.HandRank[mover_row][i]);
        EXPECT_EQ(p.other.card[i], state.Hand[3 - mover_row][i]);
      }
    }
    EXPECT_FALSE(view.busy);
    EXPECT_EQ(opponent.Forecast().declarer[1], 10);
    EXPECT_EQ(opponent.Forecast().defender[1], 3);
    EXPECT_EQ(view.forecast_line,
              " Прогноз: Взяток PC=[к=10, б=3, ч=4, п=5, БК=9]; Итог PC=[400 при Вашем Пасе];");

    // The next call of the same deal decides from the same forecast.
    table.Place(1, 15);
    table.Place(2, 16);
    opponent.ChooseComputerCall(state, table);
    EXPECT_EQ(search.positions.size(), 5u);
  }
}

TEST_F(ComputerOpponentTest, AnythingElseKeepsTheFiguresTheCardLineShows) {
  const TDealState state = AuctionStart(1);
  AuctionTable table;
  EXPECT_EQ(opponent.ChooseComputerCall(state, table), 15);
  EXPECT_EQ(opponent.InitialTricks(), 9);
  EXPECT_EQ(opponent.InitialResult(), 400);

  AuctionTable odd;  // a double with no bid of the computer's under it
  odd.Place(1, kCallPass);
  odd.Place(2, kCallDouble);
  EXPECT_EQ(opponent.ChooseComputerCall(state, odd), kCallPass);
  EXPECT_EQ(view.forecast_line, " Прогноз: Взяток PC=[к=10, б=3, ч=4, п=5, БК=9]; ");
  EXPECT_EQ(opponent.InitialTricks(), 9);
  EXPECT_EQ(opponent.InitialResult(), 400);
}

// Seat 1 in the play of a hearts contract the human declares, at play trick `play_trick` of 13;
// following the human's lead when `leading` is false.
TDealState PlayPhase(int play_trick, bool leading) {
  TDealState state;
  state.StockNext = 53;
  state.HandsSaved = 1;
  state.Trump = kHearts;
  state.Declarer = 2;
  state.ContractCode = 18;
  state.TrickNo = static_cast<uint8_t>(13 + play_trick);
  state.Tricks = {0, (play_trick - 1) / 2, play_trick - 1 - (play_trick - 1) / 2};
  SetHand(state, 1, std::string("2c 9c Kd Ah").substr(0, 3 * (14 - play_trick) - 1));
  SetHand(state, 2, std::string("3c Jc Qd 5h").substr(0, 3 * (14 - play_trick) - 1));
  state.Phase = PhaseSeat1;
  if (!leading) {
    state.Trick[1] = state.Hand[2][1];
    state.TrickRank[1] = state.HandRank[2][1];
    state.LedSuit = state.Trick[1].suit;
    state.Hand[2][1] = kEmptyCard;
    state.HandRank[2][1] = kEmptyRank;
    SortHand(state, 2);
    state.TrickSlot = 2;
  }
  return state;
}

TEST_F(ComputerOpponentTest, PlaySearchFlagsByTrick) {
  struct Case {
    int play_trick;
    bool leading;
    bool pruning;
    bool cache;
  };
  const Case cases[] = {
      {10, true, true, false},    // the tenth trick prunes when leading ..
      {10, false, false, false},  // .. and searches exactly when following
      {11, true, false, false},
      {12, false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.play_trick) + (c.leading ? " leading" : " following"));
    search.positions.clear();
    search.card = SearchResult{2, 1, 1};
    const TDealState state = PlayPhase(c.play_trick, c.leading);
    EXPECT_EQ(opponent.ChooseComputerCard(state), 2);
    ASSERT_EQ(search.positions.size(), 1u);
    const SearchPosition& p = search.positions[0];
    EXPECT_EQ(p.use_pruning, c.pruning);
    EXPECT_EQ(p.use_cache, c.cache);
    EXPECT_EQ(p.trick_position, c.leading ? 1 : 2);
  }
  // Early tricks use both shortcuts, leading or following.
  EXPECT_TRUE(FlagsForPlayTrick(1, false).pruning && FlagsForPlayTrick(1, false).cache);
  EXPECT_TRUE(FlagsForPlayTrick(9, false).pruning && FlagsForPlayTrick(9, false).cache);
}

TEST_F(ComputerOpponentTest, FollowingSearchSeesTheTrickAndReportsTheExpectedTotal) {
  AuctionTable table;
  opponent.ChooseComputerCall(AuctionStart(1), table);  // initial figures 9 and 400

  const TDealState state = PlayPhase(11, false);  // the human led the 3 of clubs
  search.card = SearchResult{1, 2, 1};            // the declarer takes 2 of the last 3
  view.busy_log.clear();
  EXPECT_EQ(opponent.ChooseComputerCard(state), 1);
  const SearchPosition& p = search.positions.back();
  EXPECT_EQ(CardText(p.trick[1]), "3c");
  EXPECT_EQ(p.trick_rank[1], 2);
  EXPECT_TRUE(p.trick[2].Empty());
  EXPECT_EQ(p.trump, kHearts);
  EXPECT_EQ(p.role, 2);  // the computer defends
  EXPECT_EQ(CardText(p.mover.card[1]), CardText(state.Hand[1][1]));
  EXPECT_EQ(p.other.CardsLeft(), 2);
  EXPECT_TRUE(search.busy_during.back());
  EXPECT_EQ(view.busy_log, (std::vector<bool>{true, false}));
  // The declarer has 5 and expects 2 more: the computer expects the other 6.
  EXPECT_EQ(view.forecast_line,
            " Прогноз начальный: PC=[Взяток=9, Результат=400]; текущий PC=[Взяток=6];");
}

TEST_F(ComputerOpponentTest, LastCardIsPlayedWithoutSearchOrLine) {
  const TDealState state = PlayPhase(13, true);
  ASSERT_EQ(state.HandCount[1], 1);
  EXPECT_EQ(opponent.ChooseComputerCard(state), 1);
  EXPECT_TRUE(search.positions.empty());
  EXPECT_TRUE(view.lines.empty());
  EXPECT_TRUE(view.busy_log.empty());
}

}  // namespace
}  // namespace quorvex
