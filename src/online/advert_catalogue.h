// The catalogue of other games the adverts window shows four of: "SecAdv0000=" and three digits
// N, then for each entry k = 001..N the keys "SecAdv" + k + "I=" (picture address), "N=" (name)
// and "L=" (link), each value running to the next "##".
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/platform.h"
#include "online/http_client.h"

namespace quorvex {

inline constexpr size_t kAdvertSlots = 4;

struct Advert {
  std::string picture;  // the picture's address
  std::string name;     // UTF-8
  std::string link;

  bool operator==(const Advert&) const = default;
};

// The N entries (an entry whose keys are missing has empty values); nullopt when the count is
// missing, is not three digits, or is 3 or less, since four different entries are shown.
std::optional<std::vector<Advert>> ReadAdvertCatalogue(std::string_view text);

// Four different entry indexes 0..count - 1 (count > 3).
std::array<size_t, kAdvertSlots> ChooseAdverts(size_t count, Random& random);

// Downloads the catalogue; nullopt when the download fails or the catalogue cannot be used.
std::optional<std::vector<Advert>> FetchAdvertCatalogue(HttpClient& client,
                                                        const std::string& address);

}  // namespace quorvex
