#include "online/advert_catalogue.h"

#include <cstdio>
#include <numeric>

#include "online/service_request.h"

namespace quorvex {

namespace {

// The value after a key, up to the next "##" (or the end); nullopt without the key.
std::optional<std::string_view> Value(std::string_view text, std::string_view key) {
  const size_t at = text.find(key);
  if (at == std::string_view::npos) return std::nullopt;
  std::string_view value = text.substr(at + key.size());
  const size_t end = value.find("##");
  if (end != std::string_view::npos) value = value.substr(0, end);
  while (!value.empty() && (value.back() == '\r' || value.back() == '\n')) value.remove_suffix(1);
  return value;
}

std::string EntryKey(size_t k, char which) {
  char key[16];
  std::snprintf(key, sizeof key, "SecAdv%03zu%c=", k, which);
  return key;
}

}  // namespace

std::optional<std::vector<Advert>> ReadAdvertCatalogue(std::string_view text) {
  const std::optional<std::string_view> count_text = Value(text, "SecAdv0000=");
  if (!count_text || count_text->size() < 3) return std::nullopt;
  size_t count = 0;
  for (const char c : count_text->substr(0, 3)) {
    if (c < '0' || c > '9') return std::nullopt;
    count = count * 10 + size_t(c - '0');
  }
  if (count <= 3) return std::nullopt;
  std::vector<Advert> adverts(count);
  for (size_t k = 1; k <= count; ++k) {
    Advert& advert = adverts[k - 1];
    advert.picture = std::string(Value(text, EntryKey(k, 'I')).value_or(""));
    advert.name = std::string(Value(text, EntryKey(k, 'N')).value_or(""));
    advert.link = std::string(Value(text, EntryKey(k, 'L')).value_or(""));
  }
  return adverts;
}

std::array<size_t, kAdvertSlots> ChooseAdverts(size_t count, Random& random) {
  // The first four places of a shuffle of all the entries.
  std::vector<size_t> order(count);
  std::iota(order.begin(), order.end(), size_t{0});
  std::array<size_t, kAdvertSlots> chosen{};
  for (size_t slot = 0; slot < kAdvertSlots && slot < count; ++slot) {
    const size_t pick = slot + size_t(random.Below(int(count - slot)));
    std::swap(order[slot], order[pick]);
    chosen[slot] = order[slot];
  }
  return chosen;
}

std::optional<std::vector<Advert>> FetchAdvertCatalogue(HttpClient& client,
                                                        const std::string& address) {
  const HttpReply reply = GetAddress(client, address);
  if (!reply.ok) return std::nullopt;
  return ReadAdvertCatalogue(reply.body);
}

}  // namespace quorvex
