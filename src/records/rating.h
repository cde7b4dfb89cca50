// The player's rating and the counting of deals in cycles of 20.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace quorvex {

inline constexpr int kCycleDeals = 20;
inline constexpr double kRatingLimit = 99.99;

// The rating after a session: the average result per deal, in units of 50 points, over every
// deal the player has played. `deals` is DealNo at the end of the session, `previous_deals` and
// `previous_rating` come from the player's profile. Six decimals are kept by cutting toward zero
// and the result is held to -99.99 .. 99.99. Without a deal played the previous rating stays.
double SessionRating(int32_t deals, int32_t balance, int32_t previous_deals,
                     double previous_rating);

// A rating as shown to the player and written in the history: hundredths, a comma before the
// last two digits ("1,31", "-0,05", "0,00"), padded on the left with blanks to the width.
std::string RatingText(double rating, size_t width);

// The place of a deal in its cycle, 1..20: deal 40 is the 20th of its cycle, not the 0th.
int CycleDeal(int32_t deal_no);
// Whether the deal closes a cycle of 20.
bool CycleComplete(int32_t deal_no);

}  // namespace quorvex
