// The rating after a session, its text, the cycle count and the general score window's counters.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "records/rating.h"
#include "records/score_count.h"

namespace quorvex {
namespace {

struct RatingCase {
  int32_t deals;
  int32_t balance;
  int32_t previous_deals;
  double previous_rating;
  double rating;
  const char* shown;  // in the window's width of 6
};

TEST(SessionRating, AveragesPerDealCutsToSixDecimalsAndClamps) {
  const RatingCase cases[] = {
      {16, 300, 10, 1.5, 1.3125, "  1,31"},     // (15 + 6) / 16
      {3, 100, 0, 0, 0.666666, "  0,67"},       // cut, not rounded, at six decimals
      {3, -100, 0, 0, -0.666666, " -0,67"},     // cut toward zero
      {1, 50 * 200, 0, 0, 99.99, " 99,99"},     // 200 would be above the limit
      {1, -50 * 200, 0, 0, -99.99, "-99,99"},   //
      {21, 0, 20, 99.99, 95.228571, " 95,23"},  // a stored top rating ages normally
      {20, -2, 0, 0, -0.002, "  0,00"},         // no "-0,00"
      {40, 0, 0, 0, 0, "  0,00"},               //
      {0, 500, 10, 1.25, 1.25, "  1,25"},       // no deal played: no division by zero
      {1, 0, 5, std::numeric_limits<double>::quiet_NaN(), 0, "  0,00"},
  };
  for (const RatingCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.deals << " deals, balance " << c.balance);
    const double rating = SessionRating(c.deals, c.balance, c.previous_deals, c.previous_rating);
    EXPECT_DOUBLE_EQ(rating, c.rating);
    EXPECT_FALSE(std::signbit(rating) && rating == 0) << "negative zero";
    EXPECT_EQ(RatingText(rating, 6), c.shown);
  }
}

TEST(RatingText, HundredthsWithACommaPaddedToTheWidth) {
  const struct {
    double rating;
    size_t width;
    const char* text;
  } cases[] = {
      {-0.05, 10, "     -0,05"}, {0, 10, "      0,00"},
      {0.01, 0, "0,01"},         {0.1, 0, "0,10"},
      {1.3125, 0, "1,31"},       {-12.345678, 0, "-12,35"},
      {99.99, 4, "99,99"},       {-0.004, 0, "0,00"},
      {1234.5, 0, "1234,50"},    {std::numeric_limits<double>::infinity(), 0, "0,00"},
  };
  for (const auto& c : cases) EXPECT_EQ(RatingText(c.rating, c.width), c.text) << c.rating;
}

TEST(Cycle, DealFortyIsTheTwentiethOfItsCycle) {
  const struct {
    int32_t deal_no;
    int place;
    bool complete;
  } cases[] = {{1, 1, false},  {19, 19, false}, {20, 20, true}, {21, 1, false},
               {40, 20, true}, {37, 17, false}, {0, 20, false}, {-3, 17, false}};
  for (const auto& c : cases) {
    EXPECT_EQ(CycleDeal(c.deal_no), c.place) << c.deal_no;
    EXPECT_EQ(CycleComplete(c.deal_no), c.complete) << c.deal_no;
  }
}

TEST(GeneralScore, LocalProfileCounters) {
  const TCount c = LocalCount({.deal_no = 16,
                               .balance = 300,
                               .initial_score = -120,
                               .previous_deals = 10,
                               .initial_rating = 1.5});
  EXPECT_EQ(c.Count_KonAll, "16");
  EXPECT_EQ(c.Count_KonCur, "16");
  EXPECT_EQ(c.Count_ScoBeg, "-120");
  EXPECT_EQ(c.Count_ScoCur, "300");
  EXPECT_EQ(c.Count_ScoAll, "180");
  EXPECT_EQ(c.Count_ReiBeg, "  1,50");
  EXPECT_EQ(c.Count_ReiCur, "  1,31");

  EXPECT_EQ(LocalCount({.deal_no = 40}).Count_KonCur, "20");
  // Two extreme scores add up without wrapping around.
  EXPECT_EQ(LocalCount({.balance = INT32_MAX, .initial_score = INT32_MAX}).Count_ScoAll,
            "4294967294");
}

TEST(GeneralScore, AccountAndTournamentShowNoCurrentRating) {
  const TCount account = AccountCount({.deal_no = 57,
                                       .balance = -40,
                                       .initial_score = 900,
                                       .account_cycle_deals = 2,
                                       .session_deals = 3,
                                       .account_rating = 1523.6});
  EXPECT_EQ(account.Count_KonCur, "5");
  EXPECT_EQ(account.Count_ScoAll, "860");
  EXPECT_EQ(account.Count_ReiBeg, "1524");
  EXPECT_EQ(account.Count_ReiCur, "?");

  const TCount tour = TournamentCount(
      {.deal_no = 3, .balance = 250, .tournament_score = 1000, .tournament_rating = 12.4});
  EXPECT_EQ(tour.Count_KonAll, "3");
  EXPECT_EQ(tour.Count_KonCur, "-");
  EXPECT_EQ(tour.Count_ScoBeg, "1000");
  EXPECT_EQ(tour.Count_ScoAll, "1250");
  EXPECT_EQ(tour.Count_ReiBeg, "12");
  EXPECT_EQ(tour.Count_ReiCur, "?");
}

}  // namespace
}  // namespace quorvex
