#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "game/card.h"
#include "opponent/auction_table.h"
#include "opponent/call_decision.h"
#include "opponent/contract_score.h"

namespace quorvex {
namespace {

TEST(ContractScoreTest, SumsTheDealScheduleForTheSideThatDeclares) {
  struct Case {
    int needed, made, doubled;
    char trump;
    int side, vulnerability;
    int32_t score;
  };
  const Case cases[] = {
      {7, 8, 1, kNoSuit, 1, 0, 280},           // 40 x 2 + 50 + 50 + 100
      {7, 8, 1, kNoSuit, 1, 1, 380},           // seat 1 vulnerable: the doubled overtrick is 200
      {7, 8, 1, kNoSuit, 2, 1, 280},           // ... but seat 2 is not
      {7, 8, 1, kNoSuit, 2, 3, 380},           // both vulnerable
      {10, 8, 0, kHearts, 2, 2, -200},         // vulnerable, two down undoubled
      {14, 14, 0, kNoDenomination, 1, 0, 50},  // a pass "makes" nothing but the part-score bonus
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ContractScore(c.needed, c.made, c.doubled, c.trump, c.side, c.vulnerability), c.score)
        << c.needed << " " << c.made << " " << c.doubled << " side " << c.side << " vul "
        << c.vulnerability;
  }
}

BiddingForecast MakeForecast(std::array<int, 5> declarer, std::array<int, 5> defender) {
  BiddingForecast f;
  for (int d = 1; d <= 5; ++d) {
    f.declarer[d] = static_cast<uint8_t>(declarer[d - 1]);
    f.defender[d] = static_cast<uint8_t>(defender[d - 1]);
  }
  return f;
}

TEST(BestContractTest, HighestMakeableLevelWithTheHigherDenominationOnTies) {
  EXPECT_EQ(BestContract(MakeForecast({10, 3, 4, 5, 9}, {})), 16);  // four clubs
  EXPECT_EQ(BestContract(MakeForecast({9, 9, 9, 9, 9}, {})), 15);   // three no trump
  EXPECT_EQ(BestContract(MakeForecast({6, 6, 8, 8, 6}, {})), 9);    // two spades over two hearts
  EXPECT_EQ(BestContract(MakeForecast({6, 5, 4, 3, 6}, {})), 0);
  EXPECT_EQ(BestContract(MakeForecast({13, 0, 0, 0, 0}, {})), 31);
}

// Calls in time order, the first by `first` (1 the computer, 2 the human).
AuctionTable Auction(int first, const std::vector<int>& calls) {
  AuctionTable table;
  int seat = first;
  for (int code : calls) {
    table.Place(seat, code);
    seat = 3 - seat;
  }
  return table;
}

struct DecisionCase {
  const char* name;
  std::array<int, 5> declarer;  // the computer's forecasts, clubs .. no trump
  std::array<int, 5> defender;  // the human's tricks in the same searches
  int vulnerability;
  int first;
  std::vector<int> calls;
  int call;
  int tricks;
  int32_t result;
  std::string reason;
};

TEST(DecideCallTest, DecisionTableRows) {
  const std::array<int, 5> kDefence = {3, 10, 9, 8, 4};
  const DecisionCase cases[] = {
      {"three no trump rather than four clubs",
       {10, 3, 4, 5, 9},
       kDefence,
       0,
       1,
       {},
       15,
       9,
       400,
       "Итог PC=[400 при Вашем Пасе];"},
      {"four clubs when no trump makes eight",
       {10, 3, 4, 5, 8},
       kDefence,
       0,
       1,
       {},
       16,
       10,
       130,
       "Итог PC=[130 при Вашем Пасе];"},
      {"nothing makeable passes after the human's pass",
       {6, 5, 4, 3, 6},
       kDefence,
       0,
       2,
       {38},
       38,
       14,
       50,
       "Итог PC=[50 при Вашем Пасе];"},
      {"doubles one spade the human goes down in",
       {6, 6, 6, 6, 6},
       {7, 7, 7, 5, 7},
       0,
       2,
       {4},
       36,
       6,
       300,
       "Ответ на контракт PC=[300 при Вашем Пасе];"},
      {"the human's vulnerability raises the double",
       {6, 6, 6, 6, 6},
       {7, 7, 7, 5, 7},
       2,
       2,
       {4},
       36,
       6,
       500,
       "Ответ на контракт PC=[500 при Вашем Пасе];"},
      {"a game raise beats the double",
       {6, 6, 6, 6, 10},
       {7, 7, 7, 5, 7},
       0,
       2,
       {4},
       20,
       10,
       430,
       "Ответ на контракт PC=[430 при повышении; 300 при Контре];"},
      {"the double beats a part-score raise",
       {6, 6, 8, 6, 6},
       {7, 7, 7, 5, 7},
       0,
       2,
       {4},
       36,
       6,
       300,
       "Ответ на контракт PC=[110 при повышении; 300 при Контре];"},
      {"outbids a makeable one club with three no trump",
       {10, 3, 4, 5, 9},
       {7, 4, 4, 4, 4},
       0,
       2,
       {1},
       15,
       9,
       400,
       "Ответ на контракт PC=[400 при Вашем Пасе];"},
      {"keeps four clubs over a three-level bid",
       {10, 3, 4, 5, 9},
       {9, 4, 4, 4, 4},
       0,
       2,
       {11},
       16,
       10,
       130,
       "Ответ на контракт PC=[130 при Вашем Пасе];"},
      // 4S and 5C both cost 300 doubled; the tie goes to the higher sacrifice.
      {"sacrifices over four hearts when cheaper",
       {9, 6, 3, 8, 5},
       {4, 4, 10, 4, 4},
       0,
       2,
       {18},
       21,
       9,
       -100,
       "Ответ на контракт PC=[-300 при повышении; -420 при Пасе];"},
      {"lets four hearts play when the sacrifice costs more",
       {9, 6, 3, 8, 5},
       {4, 4, 10, 4, 4},
       1,
       2,
       {18},
       38,
       3,
       -420,
       "Ответ на контракт PC=[-500 при повышении; -420 при Пасе];"},
      {"redoubles a contract it makes",
       {6, 6, 6, 10, 6},
       kDefence,
       0,
       1,
       {19, 36},
       37,
       10,
       880,
       "Итог PC=[880];"},
      {"passes when doubled in a contract it goes down in",
       {6, 6, 6, 9, 6},
       kDefence,
       0,
       1,
       {19, 36},
       38,
       9,
       -100,
       "Итог PC=[-100];"},
      {"always passes a redouble",
       {6, 6, 12, 6, 6},
       {4, 4, 9, 4, 4},
       0,
       2,
       {18, 36, 37},
       38,
       12,
       -200,
       "Итог PC=[-200];"},
  };
  for (const DecisionCase& c : cases) {
    SCOPED_TRACE(c.name);
    const CallDecision d = DecideCall(MakeForecast(c.declarer, c.defender),
                                      Auction(c.first, c.calls), c.vulnerability);
    EXPECT_EQ(d.call, c.call);
    EXPECT_TRUE(d.sets_figures);
    EXPECT_EQ(d.initial_tricks, c.tricks);
    EXPECT_EQ(d.initial_result, c.result);
    EXPECT_EQ(d.reason, c.reason);
  }
}

TEST(DecideCallTest, AnythingElsePassesAndLeavesTheFiguresAlone) {
  // A double with no bid of the computer's to double fits no row.
  const CallDecision d =
      DecideCall(MakeForecast({10, 3, 4, 5, 9}, {3, 10, 9, 8, 4}), Auction(2, {36}), 0);
  EXPECT_EQ(d.call, kCallPass);
  EXPECT_FALSE(d.sets_figures);
  EXPECT_EQ(d.reason, "");
}

TEST(DecideCallTest, ForecastLineListsTheFiveForecastsThenTheReason) {
  EXPECT_EQ(CallForecastLine(MakeForecast({10, 3, 4, 5, 9}, {}), "Итог PC=[400 при Вашем Пасе];"),
            " Прогноз: Взяток PC=[к=10, б=3, ч=4, п=5, БК=9]; Итог PC=[400 при Вашем Пасе];");
}

}  // namespace
}  // namespace quorvex
