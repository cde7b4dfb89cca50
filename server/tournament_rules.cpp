#include "tournament_rules.h"

#include <cmath>

namespace quorvex::server {
namespace {

constexpr double kK = 32;

qint64 NewRating(qint64 own, qint64 other, double result) {
  const double expected = 1.0 / (1.0 + std::pow(10.0, double(other - own) / 400.0));
  return std::llround(double(own) + kK * (result - expected));
}

}  // namespace

MatchResult ApplyMatch(const Standing& seat1, const Standing& seat2, int32_t balance1,
                       int forfeit_by) {
  qint64 points1 = balance1;
  double result1 = balance1 > 0 ? 1.0 : balance1 < 0 ? 0.0 : 0.5;
  if (forfeit_by == 1 || forfeit_by == 2) {
    points1 = forfeit_by == 1 ? -kForfeitPoints : kForfeitPoints;
    result1 = forfeit_by == 1 ? 0.0 : 1.0;
  }
  MatchResult r{{seat1, seat2}};
  r.seat[0].score += points1;
  r.seat[1].score -= points1;
  r.seat[0].games += 1;
  r.seat[1].games += 1;
  r.seat[0].rating = NewRating(seat1.rating, seat2.rating, result1);
  r.seat[1].rating = NewRating(seat2.rating, seat1.rating, 1.0 - result1);
  return r;
}

}  // namespace quorvex::server
