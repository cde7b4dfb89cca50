#include "records/rating.h"

#include <algorithm>
#include <cmath>

#include "records/fixed_fields.h"

namespace quorvex {

double SessionRating(int32_t deals, int32_t balance, int32_t previous_deals,
                     double previous_rating) {
  double rating = previous_rating;
  if (deals > 0) {
    // Extended precision, as the game always computed it: the cut to six decimals then gives the
    // same digits the player's earlier ratings were stored with.
    const long double scaled = (static_cast<long double>(previous_deals) * previous_rating +
                                static_cast<long double>(balance) / 50.0L) *
                               1'000'000.0L / static_cast<long double>(deals);
    rating = static_cast<double>(std::trunc(scaled) / 1'000'000.0L);
  }
  if (std::isnan(rating)) return 0.0;
  // Adding zero turns a cut -0.0000001 into 0 rather than -0.
  return std::clamp(rating, -kRatingLimit, kRatingLimit) + 0.0;
}

std::string RatingText(double rating, size_t width) {
  const double hundredths = std::isfinite(rating) ? rating * 100.0 : 0.0;
  const long long n = std::llround(std::clamp(hundredths, -1e15, 1e15));
  std::string text;
  if (n == 0) {
    text = "0,00";
  } else {
    std::string digits = std::to_string(n < 0 ? -n : n);
    if (digits.size() < 3) digits.insert(0, 3 - digits.size(), '0');
    digits.insert(digits.size() - 2, 1, ',');
    text = (n < 0 ? "-" : "") + digits;
  }
  return RightAligned(text, width);
}

int CycleDeal(int32_t deal_no) {
  const int place = ((deal_no % kCycleDeals) + kCycleDeals) % kCycleDeals;
  return place == 0 ? kCycleDeals : place;
}

bool CycleComplete(int32_t deal_no) {
  return deal_no > 0 && deal_no % kCycleDeals == 0;
}

}  // namespace quorvex
