#include "sound/radio_stations.h"

#include <cstdint>

namespace quorvex {
namespace {

// Fields longer than this are cut: nothing a list sensibly holds comes near it.
constexpr size_t kFieldLimit = 512;

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += char(c);
  } else if (c < 0x800) {
    out += char(0xC0 | (c >> 6));
    out += char(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += char(0xE0 | (c >> 12));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  } else {
    out += char(0xF0 | (c >> 18));
    out += char(0x80 | ((c >> 12) & 0x3F));
    out += char(0x80 | ((c >> 6) & 0x3F));
    out += char(0x80 | (c & 0x3F));
  }
}

// The code points of UTF-16 units; a lone surrogate becomes U+FFFD.
std::u32string DecodeUtf16(std::string_view bytes) {
  bool big_endian = false;
  size_t at = 0;
  if (bytes.size() >= 2) {
    const auto b0 = uint8_t(bytes[0]), b1 = uint8_t(bytes[1]);
    if (b0 == 0xFF && b1 == 0xFE) {
      at = 2;
    } else if (b0 == 0xFE && b1 == 0xFF) {
      big_endian = true;
      at = 2;
    }
  }
  std::u32string out;
  out.reserve(bytes.size() / 2);
  auto unit = [&](size_t i) {
    const auto lo = uint8_t(bytes[big_endian ? i + 1 : i]);
    const auto hi = uint8_t(bytes[big_endian ? i : i + 1]);
    return char16_t(lo | (hi << 8));
  };
  while (at + 1 < bytes.size()) {
    const char16_t u = unit(at);
    at += 2;
    if (u >= 0xD800 && u <= 0xDBFF && at + 1 < bytes.size()) {
      const char16_t low = unit(at);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        at += 2;
        out += char32_t(0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
        continue;
      }
    }
    out += (u >= 0xD800 && u <= 0xDFFF) ? U'\uFFFD' : char32_t(u);
  }
  return out;
}

std::string Utf8Of(std::u32string_view text) {
  std::string out;
  for (char32_t c : text.substr(0, kFieldLimit)) AppendUtf8(out, c);
  return out;
}

bool Blank(std::u32string_view line) {
  for (char32_t c : line)
    if (c != U' ' && c != U'\t') return false;
  return true;
}

}  // namespace

const std::array<RadioFilter, kRadioFilters> kRadioFilterTable = {{
    {"", "All"},
    {"RUS", "Russian Federation"},
    {"UA0", "Ukraine"},
    {"BEL", "Belarus"},
    {"MOL", "Moldova"},
    {"EST", "Estonia"},
    {"LAT", "Latvia"},
    {"LIT", "Lithuania"},
    {"ARM", "Armenia"},
    {"GEO", "Georgia"},
    {"AZE", "Azerbaijan"},
    {"KZ0", "Kazakhstan"},
    {"UZ0", "Uzbekistan"},
    {"USA", "USA"},
    {"CAN", "Canada"},
    {"UK0", "United Kingdom"},
    {"AUS", "Australia"},
    {"DE0", "Deutschland"},
    {"FRA", "France"},
    {"ITA", "Italy"},
    {"NED", "Netherlands"},
    {"SWE", "Sweden"},
    {"CZ0", "Czech Republic"},
    {"ESP", "Spain"},
    {"BRA", "Brazil"},
    {"IND", "India"},
    {"CHI", "China"},
    {"JAP", "Japan"},
    {"SK0", "South Korea"},
}};

std::vector<RadioStation> ReadStationList(std::string_view bytes) {
  const std::u32string text = DecodeUtf16(bytes);
  std::vector<RadioStation> stations;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(U'\n', start);
    if (end == std::u32string::npos) end = text.size();
    std::u32string_view line(text.data() + start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == U'\r') line.remove_suffix(1);
    if (line.empty() || line.front() == U'#' || Blank(line)) continue;
    std::vector<std::u32string_view> fields;
    size_t from = 0;
    while (fields.size() < 6) {
      const size_t hash = line.find(U'#', from);
      fields.push_back(line.substr(from, hash == std::u32string_view::npos ? hash : hash - from));
      if (hash == std::u32string_view::npos) break;
      from = hash + 1;
    }
    // A station needs at least its address; the identifier is the line's characters 5 to 11.
    if (fields.size() < 5 || line.size() < 11 || fields[4].empty()) continue;
    RadioStation station;
    station.code = Utf8Of(fields[0].substr(0, 3));
    station.id = Utf8Of(line.substr(4, 7));
    station.name = Utf8Of(fields[2]);
    station.country = Utf8Of(fields[3]);
    station.address = Utf8Of(fields[4]);
    station.logo =
        fields.size() > 5 && !fields[5].empty() ? Utf8Of(fields[5]) : kDefaultStationLogo;
    stations.push_back(std::move(station));
  }
  return stations;
}

std::vector<RadioStation> FilterStations(const std::vector<RadioStation>& all, int filter) {
  if (filter <= 0 || filter >= kRadioFilters) return all;
  const std::string code = kRadioFilterTable[size_t(filter)].code;
  std::vector<RadioStation> shown;
  for (const RadioStation& station : all)
    if (station.code == code) shown.push_back(station);
  return shown;
}

std::string StationListBytes(std::string_view utf8_text) {
  std::string out = "\xFF\xFE";
  auto put = [&out](char32_t c) {
    auto unit = [&out](char16_t u) {
      out += char(u & 0xFF);
      out += char(u >> 8);
    };
    if (c >= 0x10000) {
      c -= 0x10000;
      unit(char16_t(0xD800 + (c >> 10)));
      unit(char16_t(0xDC00 + (c & 0x3FF)));
    } else {
      unit(char16_t(c));
    }
  };
  size_t at = 0;
  while (at < utf8_text.size()) {
    const auto lead = uint8_t(utf8_text[at]);
    size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    if (at + length > utf8_text.size()) length = 1;
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (size_t i = 1; i < length; ++i) c = (c << 6) | (uint8_t(utf8_text[at + i]) & 0x3F);
    at += length;
    if (c == U'\n') put(U'\r');
    put(c);
  }
  return out;
}

}  // namespace quorvex
