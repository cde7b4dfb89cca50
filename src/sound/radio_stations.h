// The radio's station list ("ZefRadio.rad" as installed, "ZefRadio.ser" as last downloaded):
// UTF-16 text, one station a line, "#" starting a comment line and separating the fields:
// country code, identifier, name, country text, stream address, logo picture.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex {

inline constexpr const char* kDefaultStationLogo = "RRADIO_LOGO_RADIOUN";

struct RadioStation {
  std::string code;     // three characters, as the country filters name them
  std::string id;       // the line's characters 5 to 11
  std::string name;     // UTF-8
  std::string country;  // the country text shown for the station, UTF-8
  std::string address;  // the stream's address
  std::string logo;     // the logo's picture name in the radio library
};

// The country filters: 0 shows every station, 1 .. 28 the stations of one country code.
inline constexpr int kRadioFilters = 29;
struct RadioFilter {
  const char* code;  // "" for "All"
  const char* name;  // English, as the list shows it
};
extern const std::array<RadioFilter, kRadioFilters> kRadioFilterTable;

// Reads the list's bytes: UTF-16 with or without its byte order mark (little-endian without one),
// a last odd byte ignored. Lines too short to name an address are skipped, over-long fields cut;
// nothing in the bytes can make it fail.
std::vector<RadioStation> ReadStationList(std::string_view bytes);

// The stations one filter shows, in the list's order.
std::vector<RadioStation> FilterStations(const std::vector<RadioStation>& all, int filter);

// The list as the build installs it: UTF-16 little-endian with its byte order mark, CR LF.
std::string StationListBytes(std::string_view utf8_text);

}  // namespace quorvex
