// The countries a player can name in the passport: six regions, each a numbered list whose
// number 0 is "Unknown". A country travels as a five-character code "R-NNN" (region digit,
// minus sign, three-digit number), e.g. "1-001" for Russia.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvex {

enum class Region { Europe = 1, Asia, NorthAmerica, SouthAmerica, Oceania, Africa };
inline constexpr int kRegionCount = 6;

// The names of one country. The strings are UTF-8; the names become Windows-1251 bytes at the
// borders that need them.
struct CountryNames {
  std::string_view english;
  std::string_view russian;
  std::string_view short_name;  // no blanks, at most 15 characters: the account services use it
  std::string_view iso;         // lower-case ISO 3166 code, empty for "Unknown"
};

// The highest country number of a region 1..6; -1 for any other region.
int LastCountryNumber(int region);

// A country's names; a region or number outside the lists yields the "Unknown" entry.
CountryNames CountryEntry(int region, int number);

// The name of a region's flag image list ("ILEuro", "ILAsia", ...): a strip of 14 x 12 flags,
// flag n at x = 14 n. Empty for a region outside 1..6.
std::string_view FlagListName(int region);
inline constexpr int kFlagWidth = 14;
inline constexpr int kFlagHeight = 12;

struct CountryCode {
  int region = 1;
  int number = 1;
  bool operator==(const CountryCode&) const = default;
};

// The strict form: exactly "R-NNN" with R in 1..6 and NNN within the region's list.
std::optional<CountryCode> ParseCountryCode(std::string_view code);

// "R-NNN" of a region and number, the number with leading zeros.
std::string CountryCodeText(CountryCode code);

// The flag a code shown in a list stands for. Codes come from the services' lists as well as
// from the settings, so any text is accepted: a region that is not a digit 1..6 gives nullopt
// (no flag at all); a number that does not parse or lies outside the region gives the region's
// "Unknown" flag, number 0.
std::optional<CountryCode> FlagOfCode(std::string_view code);

// The country a list names by its short, English or Russian name (the account lists), or by
// its code; nullopt for a name the table does not know.
std::optional<CountryCode> CountryOfName(std::string_view name);

}  // namespace quorvex
