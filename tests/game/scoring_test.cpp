#include <gtest/gtest.h>

#include "game/scoring.h"

namespace quorvex {
namespace {

struct ScoreCase {
  const char* name;
  int needed;
  int made;
  int doubling;
  char trump;
  bool vulnerable;
  int32_t c, p, o, f;
};

TEST(ScoreContract, PartsOfMadeAndDefeatedContracts) {
  const ScoreCase cases[] = {
      {"3NT exactly", 9, 9, 0, kNoSuit, false, 100, 300, 0, 0},
      {"2S doubled +1 vul", 8, 9, 1, kSpades, true, 120, 550, 200, 0},
      {"1C +3", 7, 10, 0, kClubs, false, 20, 50, 60, 0},
      {"6H vul", 12, 12, 0, kHearts, true, 180, 1250, 0, 0},
      {"7NT", 13, 13, 0, kNoSuit, false, 220, 1300, 0, 0},
      {"4H redoubled", 10, 10, 2, kHearts, false, 480, 400, 0, 0},
      {"4S doubled -4 vul", 10, 6, 1, kSpades, true, 0, 0, 0, -1100},
      {"3D redoubled -2", 9, 7, 2, kDiamonds, false, 0, 0, 0, -600},
      {"1NT doubled +1", 7, 8, 1, kNoSuit, false, 80, 100, 100, 0},
      {"2C doubled stays a part score", 8, 8, 1, kClubs, false, 80, 100, 0, 0},
      {"3C doubled vul makes game", 9, 9, 1, kClubs, true, 120, 550, 0, 0},
      {"1H redoubled +2 vul", 7, 9, 2, kHearts, true, 120, 600, 1000, 0},
      {"1S redoubled +4", 7, 11, 2, kSpades, false, 120, 400, 1600, 0},
      {"2D doubled +5 vul", 8, 13, 1, kDiamonds, true, 80, 100, 1400, 0},
      {"6C doubled vul", 12, 12, 1, kClubs, true, 240, 1300, 0, 0},
      {"7S redoubled", 13, 13, 2, kSpades, false, 840, 1400, 0, 0},
      {"5D exactly", 11, 11, 0, kDiamonds, false, 100, 300, 0, 0},
      {"4C part score", 10, 10, 0, kClubs, false, 80, 50, 0, 0},
  };
  for (const ScoreCase& c : cases) {
    const ContractParts parts = ScoreContract(c.needed, c.made, c.doubling, c.trump, c.vulnerable);
    EXPECT_EQ(parts.contract, c.c) << c.name;
    EXPECT_EQ(parts.premium, c.p) << c.name;
    EXPECT_EQ(parts.overtricks, c.o) << c.name;
    EXPECT_EQ(parts.penalty, c.f) << c.name;
  }
}

TEST(ScoreContract, UndertricksInEveryColumn) {
  // d:                         1     2     3     4     5     6     7
  const int32_t plain[] = {-50, -100, -150, -200, -250, -300, -350};
  const int32_t doubled[] = {-100, -300, -500, -800, -1100, -1400, -1700};
  const int32_t plain_vul[] = {-100, -200, -300, -400, -500, -600, -700};
  const int32_t doubled_vul[] = {-200, -500, -800, -1100, -1400, -1700, -2000};
  for (int d = 1; d <= 7; ++d) {
    const int made = 13 - d;
    EXPECT_EQ(ScoreContract(13, made, 0, kHearts, false).penalty, plain[d - 1]) << d;
    EXPECT_EQ(ScoreContract(13, made, 1, kHearts, false).penalty, doubled[d - 1]) << d;
    EXPECT_EQ(ScoreContract(13, made, 0, kHearts, true).penalty, plain_vul[d - 1]) << d;
    EXPECT_EQ(ScoreContract(13, made, 1, kHearts, true).penalty, doubled_vul[d - 1]) << d;
    EXPECT_EQ(ScoreContract(13, made, 2, kHearts, false).penalty, 2 * doubled[d - 1]) << d;
    EXPECT_EQ(ScoreContract(13, made, 2, kHearts, true).penalty, 2 * doubled_vul[d - 1]) << d;
    const ContractParts failed = ScoreContract(13, made, 1, kHearts, true);
    EXPECT_EQ(failed.contract + failed.premium + failed.overtricks, 0);
  }
}

TEST(ScoreContract, NoDenominationScoresNoTricks) {
  // Used when valuing a pass: need 14 and no denomination.
  const ContractParts parts = ScoreContract(7, 8, 0, '?', false);
  EXPECT_EQ(parts.contract, 0);
  EXPECT_EQ(parts.premium, 50);
  EXPECT_EQ(parts.overtricks, 0);
}

TEST(ScoreDeal, PointsGoToTheRightSeatWithTheRightSign) {
  struct Case {
    int declarer;
    int made;
    int receiver;
    bool plus;
    int32_t points;
  };
  // 4 spades undoubled, nobody vulnerable.
  const Case cases[] = {
      {2, 10, 2, true, 420},
      {2, 9, 1, false, 50},
      {1, 10, 1, false, 420},
      {1, 8, 2, true, 100},  // seat 1 declares and is defeated: "+" for seat 2
  };
  for (const Case& c : cases) {
    TDealState state;
    state.Declarer = static_cast<uint8_t>(c.declarer);
    state.TricksNeeded = 10;
    state.Trump = kSpades;
    state.Tricks[c.declarer] = c.made;
    state.Tricks[3 - c.declarer] = 13 - c.made;
    state.MatchScore = {0, 5, 7};
    const DealScore score = ScoreDeal(state, TableRole::SinglePlayer);
    EXPECT_EQ(score.receiver, c.receiver);
    EXPECT_EQ(score.favours_seat2, c.plus);
    EXPECT_EQ(score.points, c.points);
    EXPECT_EQ(state.MatchScore[c.receiver], (c.receiver == 1 ? 5 : 7) + c.points);
    EXPECT_EQ(state.MatchScore[3 - c.receiver], c.receiver == 1 ? 7 : 5);
  }
}

TEST(ScoreDeal, VulnerabilityOfTheDeclarerCountsBySharedSeat) {
  TDealState state;
  state.Declarer = 2;
  state.TricksNeeded = 9;
  state.Trump = kNoSuit;
  state.Tricks[2] = 9;
  state.Vulnerability =
      2;  // shared seat 2: the local player on the server, the remote on the client
  EXPECT_EQ(ScoreDeal(state, TableRole::LanServer).points, 600);
  state.MatchScore = {};
  EXPECT_EQ(ScoreDeal(state, TableRole::LanClient).points, 400);
}

}  // namespace
}  // namespace quorvex
