#include "online/account_rating_text.h"

#include <charconv>
#include <cmath>

namespace quorvex {

std::string AccountRatingText(double rating) {
  if (!std::isfinite(rating)) rating = 0;
  char buffer[400];
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, rating, std::chars_format::fixed, 3);
  if (error != std::errc()) return "0,000";
  std::string text(buffer, end);
  for (char& c : text)
    if (c == '.') c = ',';
  // A tiny negative rating rounds to zero and is shown without its sign.
  if (text == "-0,000") text.erase(0, 1);
  return text;
}

}  // namespace quorvex
