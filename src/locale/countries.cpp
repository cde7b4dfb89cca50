#include "locale/countries.h"

#include <cstdio>

#include "locale/country_table.h"

namespace quorvex {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// The region digit of a code, or 0.
int RegionDigit(std::string_view code) {
  if (code.empty() || code[0] < '1' || code[0] > '0' + kRegionCount) return 0;
  return code[0] - '0';
}

}  // namespace

int LastCountryNumber(int region) {
  return static_cast<int>(RegionCountries(region).size()) - 1;
}

std::string_view FlagListName(int region) {
  static constexpr std::string_view kNames[kRegionCount + 1] = {
      "", "ILEuro", "ILAsia", "ILNAme", "ILSAme", "ILOcea", "ILAfri"};
  return region >= 1 && region <= kRegionCount ? kNames[region] : std::string_view();
}

CountryNames CountryEntry(int region, int number) {
  const auto list = RegionCountries(region);
  if (list.empty()) return RegionCountries(1)[0];
  if (number < 0 || number >= static_cast<int>(list.size())) return list[0];
  return list[static_cast<size_t>(number)];
}

std::optional<CountryCode> ParseCountryCode(std::string_view code) {
  const int region = RegionDigit(code);
  if (code.size() != 5 || region == 0 || code[1] != '-') return std::nullopt;
  if (!IsDigit(code[2]) || !IsDigit(code[3]) || !IsDigit(code[4])) return std::nullopt;
  const int number = (code[2] - '0') * 100 + (code[3] - '0') * 10 + (code[4] - '0');
  if (number > LastCountryNumber(region)) return std::nullopt;
  return CountryCode{region, number};
}

std::string CountryCodeText(CountryCode code) {
  char text[16];
  std::snprintf(text, sizeof text, "%d-%03d", code.region, code.number);
  return text;
}

std::optional<CountryCode> FlagOfCode(std::string_view code) {
  const int region = RegionDigit(code);
  if (region == 0) return std::nullopt;
  // Characters 3 to 5 as a number; anything else there means the region's "Unknown".
  const std::string_view digits = code.size() >= 3 ? code.substr(2, 3) : std::string_view();
  int number = 0;
  for (char c : digits) {
    if (!IsDigit(c)) return CountryCode{region, 0};
    number = number * 10 + (c - '0');
  }
  if (digits.empty() || number > LastCountryNumber(region)) number = 0;
  return CountryCode{region, number};
}

std::optional<CountryCode> CountryOfName(std::string_view name) {
  if (const std::optional<CountryCode> code = ParseCountryCode(name)) return code;
  for (int region = 1; region <= kRegionCount; ++region)
    for (int n = 1; n <= LastCountryNumber(region); ++n) {
      const CountryNames names = CountryEntry(region, n);
      if (name == names.short_name || name == names.english || name == names.russian)
        return CountryCode{region, n};
    }
  return std::nullopt;
}

}  // namespace quorvex
