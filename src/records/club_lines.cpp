#include "records/club_lines.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "records/fixed_fields.h"
#include "records/rating.h"

namespace quorvex {

namespace {

constexpr int kPasswordShift = 234;
constexpr size_t kRatingWidth = 10;
constexpr size_t kDealsWidth = 7;

std::string EmptyProfile() {
  std::string line(kProfileLineLength, '#');
  line[37] = ' ';
  return line;
}

// The rating with six decimals and a comma, whatever the locale.
std::string ProfileRatingText(double rating) {
  if (!std::isfinite(rating)) rating = 0;
  rating = std::clamp(rating, -kRatingLimit, kRatingLimit) + 0.0;
  char buffer[32];
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, rating, std::chars_format::fixed, 6);
  std::string text(buffer, error == std::errc() ? end : buffer);
  std::replace(text.begin(), text.end(), '.', ',');
  return RightAligned(text, kRatingWidth);
}

std::optional<int32_t> Int32Field(std::string_view text) {
  const std::optional<int64_t> value = ParseWholeNumber(text);
  if (!value || *value < INT32_MIN || *value > INT32_MAX) return std::nullopt;
  return static_cast<int32_t>(*value);
}

}  // namespace

const std::string kEmptyProfileLine = EmptyProfile();
const std::string kEmptyTopTenLine(kTopTenLineLength, '#');

std::string ClubName(std::string_view name) {
  return LeftPaddedCut(WithoutControlBytes(name), kClubNameWidth);
}

std::string ClubPassword(std::string_view password) {
  return LeftPaddedCut(WithoutControlBytes(password), kClubPasswordLength);
}

std::string TrimmedClubName(std::string_view name) {
  while (!name.empty() && name.back() == ' ') name.remove_suffix(1);
  return std::string(name);
}

std::string StoredPassword(std::string_view password) {
  std::string out;
  for (const char c : ClubPassword(password)) {
    out += std::to_string(static_cast<unsigned char>(c) + kPasswordShift);
  }
  return out;
}

std::optional<std::string> PasswordFromStored(std::string_view stored) {
  if (stored.size() != kClubPasswordLength * 3) return std::nullopt;
  std::string password;
  for (size_t i = 0; i < stored.size(); i += 3) {
    int code = 0;
    const char* first = stored.data() + i;
    const auto [end, error] = std::from_chars(first, first + 3, code);
    if (error != std::errc() || end != first + 3) return std::nullopt;
    code -= kPasswordShift;
    if (code < 0 || code > 255) return std::nullopt;
    password.push_back(static_cast<char>(code));
  }
  return password;
}

std::string ProfileLine(const ClubProfile& profile) {
  std::string line = ClubName(profile.name);
  line += ProfileRatingText(profile.rating);
  line += NumberField(profile.deals, kDealsWidth);
  line += ' ';
  line += NumberField(profile.score, kClubScoreWidth);
  line += StoredPassword(profile.password);
  return line;
}

bool IsEmptyProfileLine(std::string_view line) {
  return line == kEmptyProfileLine;
}

std::optional<ClubProfile> ParseProfileLine(std::string_view line) {
  if (line.size() != kProfileLineLength || line[37] != ' ' || IsEmptyProfileLine(line))
    return std::nullopt;
  const std::optional<double> rating = ParseCommaDecimal(line.substr(20, kRatingWidth));
  const std::optional<int32_t> deals = Int32Field(line.substr(30, kDealsWidth));
  const std::optional<int32_t> score = Int32Field(line.substr(38, kClubScoreWidth));
  std::optional<std::string> password = PasswordFromStored(line.substr(44));
  if (!rating || !deals || !score || !password) return std::nullopt;
  return ClubProfile{std::string(line.substr(0, kClubNameWidth)), *rating, *deals, *score,
                     std::move(*password)};
}

std::string TopTenLine(const TopTenEntry& entry) {
  if (entry.Empty()) return kEmptyTopTenLine;
  return ClubName(entry.name) + NumberField(*entry.score, kClubScoreWidth);
}

std::optional<TopTenEntry> ParseTopTenLine(std::string_view line) {
  if (line.size() != kTopTenLineLength) return std::nullopt;
  if (line == kEmptyTopTenLine) return TopTenEntry{};
  const std::optional<int32_t> score = Int32Field(line.substr(kClubNameWidth));
  if (!score) return std::nullopt;
  return TopTenEntry{std::string(line.substr(0, kClubNameWidth)), *score};
}

}  // namespace quorvex
