#include "online/service_addresses.h"

#include <string_view>
#include <utility>

#include "online/string_cipher.h"

#ifndef QUORVEX_SERVICE_URL
#error "QUORVEX_SERVICE_URL is set by the build"
#endif

namespace quorvex {

namespace {

struct AddressEntry {
  uint32_t key;
  const char* path;  // after the server's base address
};

// Indexed by ServiceAddress. The paths are those of the services in server/.
constexpr AddressEntry kAddresses[] = {
    {38461, "/account.php"},     // Account
    {17203, "/records.php"},     // TopTen
    {52917, "/stats.php"},       // Stats
    {44089, "/tournament.php"},  // Tournament
    {29573, "/avatars/"},        // AvatarBase
    {61337, "/config.txt"},      // ConfigFile
    {11821, "/news.html"},       // News
    {47011, "/payment/"},        // Payment
    {23669, "/ip.php"},          // PublicAddressEcho
    {35171, "/adverts.txt"},     // Adverts
};

const AddressEntry& Entry(ServiceAddress which) {
  return kAddresses[static_cast<int>(which)];
}

std::string PlainBuiltIn(ServiceAddress which) {
  std::string base = QUORVEX_SERVICE_URL;
  while (!base.empty() && base.back() == '/') base.pop_back();
  return base + Entry(which).path;
}

bool IsWebAddress(std::string_view text) {
  return text.starts_with("http://") || text.starts_with("https://");
}

}  // namespace

uint32_t AddressKey(ServiceAddress which) {
  return Entry(which).key;
}

std::string BuiltInAddress(ServiceAddress which) {
  return Encipher(PlainBuiltIn(which), AddressKey(which));
}

std::string PictureStoreAddress() {
#ifdef QUORVEX_PICTURE_STORE
  return QUORVEX_PICTURE_STORE;
#else
  return {};
#endif
}

StoredAddress BuiltInStoredAddress(ServiceAddress which) {
  return {BuiltInAddress(which), PlainBuiltIn(which)};
}

std::optional<StoredAddress> ReadStoredAddress(ServiceAddress which,
                                               const std::string& enciphered) {
  std::optional<std::string> plain = Decipher(enciphered, AddressKey(which));
  if (!plain || !IsWebAddress(*plain)) return std::nullopt;
  return StoredAddress{enciphered, std::move(*plain)};
}

}  // namespace quorvex
