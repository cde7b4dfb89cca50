// The lines of a club file: a member's profile and an entry of the local top ten.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorvex {

inline constexpr size_t kClubNameWidth = 20;
inline constexpr size_t kClubPasswordLength = 5;
inline constexpr size_t kProfileLineLength = 59;
inline constexpr size_t kTopTenLineLength = 26;
inline constexpr size_t kClubScoreWidth = 6;

// A profile slot nobody holds: "#" throughout with a blank at position 38.
extern const std::string kEmptyProfileLine;
// A place of the top ten nobody holds yet; any cycle score enters above it.
extern const std::string kEmptyTopTenLine;

// A member of the club. Name and password are kept as the file holds them, padded with blanks
// to 20 and 5 bytes (Windows-1251).
struct ClubProfile {
  std::string name;
  double rating = 0;
  int32_t deals = 0;  // DealNo at the end of the member's last session
  int32_t score = 0;  // score of the running cycle
  std::string password;

  bool operator==(const ClubProfile&) const = default;
};

// A name or password in its stored width: cut, padded with blanks, control bytes made blanks.
std::string ClubName(std::string_view name);
std::string ClubPassword(std::string_view password);
// The name without the blanks that pad it.
std::string TrimmedClubName(std::string_view name);

// The 59-character line: name, rating with six decimals, deals, a blank, cycle score, password.
std::string ProfileLine(const ClubProfile& profile);
// A profile line read back; nullopt for the empty profile and for a line out of layout.
std::optional<ClubProfile> ParseProfileLine(std::string_view line);
bool IsEmptyProfileLine(std::string_view line);

// The password as the file stores it: each of the five bytes as its code plus 234 in three
// digits, so a blank is "266".
std::string StoredPassword(std::string_view password);
// The password back from the 15 digits; nullopt when a group is not a stored byte.
std::optional<std::string> PasswordFromStored(std::string_view stored);

// An entry of the top ten; an empty place has no score.
struct TopTenEntry {
  std::string name;  // 20 bytes as stored
  std::optional<int32_t> score;

  bool Empty() const { return !score.has_value(); }
  bool operator==(const TopTenEntry&) const = default;
};

// The 26-character line: the name, then the score right-aligned in six.
std::string TopTenLine(const TopTenEntry& entry);
// A top-ten line read back; nullopt for a line out of layout.
std::optional<TopTenEntry> ParseTopTenLine(std::string_view line);

}  // namespace quorvex
