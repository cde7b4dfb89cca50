// The addresses of the online services. The program holds every address only enciphered, each
// with its own key, and deciphers it just before use.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace quorvex {

enum class ServiceAddress {
  Account,
  TopTen,
  Stats,
  Tournament,
  AvatarBase,
  ConfigFile,
  News,
  Payment,
  PublicAddressEcho,
  Adverts,  // the catalogue of the other games' adverts
};

// The cipher key of an address.
uint32_t AddressKey(ServiceAddress which);

// The enciphered address built into the program; the build setting QUORVEX_SERVICE_URL chooses
// the server.
std::string BuiltInAddress(ServiceAddress which);

// An address as it is stored (settings file, configuration file), with its deciphered form kept
// beside it for use.
struct StoredAddress {
  std::string enciphered;
  std::string plain;

  bool operator==(const StoredAddress&) const = default;
};

// The FTP folder the account pictures are uploaded to, as the build set it.
std::string PictureStoreAddress();

// The built-in address of a service in stored form.
StoredAddress BuiltInStoredAddress(ServiceAddress which);

// A stored form read from a file; nullopt when it does not decipher to a web address, so that a
// damaged line cannot replace a working address with garbage.
std::optional<StoredAddress> ReadStoredAddress(ServiceAddress which, const std::string& enciphered);

}  // namespace quorvex
