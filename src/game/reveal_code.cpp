#include "game/reveal_code.h"

#include <charconv>

namespace quorvex {

namespace {
// The collection as a whole decimal number: digits after at most one plus sign.
bool ReadsAsCode(std::string_view text) {
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty()) return false;
  long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && value == RevealCode::kCode;
}
}  // namespace

bool RevealCode::Feed(std::string_view typed) {
  // Nobody types a code this long; the collection stays small whatever is typed.
  if (typed_.size() + typed.size() > 64) typed_.clear();
  typed_.append(typed.substr(0, 64));
  if (!ReadsAsCode(typed_)) return false;
  typed_.clear();
  return true;
}

}  // namespace quorvex
