#include "records/score_count.h"

#include <algorithm>
#include <cmath>

#include "records/rating.h"

namespace quorvex {

namespace {

// Sums in 64 bits: two extreme 32-bit scores must not wrap into a wrong sign.
std::string Sum(int32_t a, int32_t b) {
  return std::to_string(static_cast<int64_t>(a) + b);
}

std::string WholeRating(double rating) {
  if (!std::isfinite(rating)) return "0";
  return std::to_string(std::llround(std::clamp(rating, -1e15, 1e15)));
}

}  // namespace

TCount LocalCount(const LocalCountInput& in) {
  TCount c;
  c.Count_KonAll = std::to_string(in.deal_no);
  c.Count_KonCur = std::to_string(CycleDeal(in.deal_no));
  c.Count_ScoBeg = std::to_string(in.initial_score);
  c.Count_ScoCur = std::to_string(in.balance);
  c.Count_ScoAll = Sum(in.initial_score, in.balance);
  c.Count_ReiBeg = RatingText(in.initial_rating, kCountRatingWidth);
  c.Count_ReiCur =
      RatingText(SessionRating(in.deal_no, in.balance, in.previous_deals, in.initial_rating),
                 kCountRatingWidth);
  return c;
}

TCount AccountCount(const AccountCountInput& in) {
  TCount c;
  c.Count_KonAll = std::to_string(in.deal_no);
  c.Count_KonCur = Sum(in.account_cycle_deals, in.session_deals);
  c.Count_ScoBeg = std::to_string(in.initial_score);
  c.Count_ScoCur = std::to_string(in.balance);
  c.Count_ScoAll = Sum(in.initial_score, in.balance);
  c.Count_ReiBeg = WholeRating(in.account_rating);
  c.Count_ReiCur = "?";
  return c;
}

TCount TournamentCount(const TournamentCountInput& in) {
  TCount c;
  c.Count_KonAll = std::to_string(in.deal_no);
  c.Count_KonCur = "-";
  c.Count_ScoBeg = std::to_string(in.tournament_score);
  c.Count_ScoCur = std::to_string(in.balance);
  c.Count_ScoAll = Sum(in.tournament_score, in.balance);
  c.Count_ReiBeg = WholeRating(in.tournament_rating);
  c.Count_ReiCur = "?";
  return c;
}

}  // namespace quorvex
