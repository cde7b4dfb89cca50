// A rating as the account window and the world top ten show it.
#pragma once

#include <string>

namespace quorvex {

// Rounded to three decimals and written with a decimal comma and exactly three decimals,
// whatever the locale: 95.36 is "95,360", 12 is "12,000".
std::string AccountRatingText(double rating);

}  // namespace quorvex
