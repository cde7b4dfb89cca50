#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "online/service_addresses.h"
#include "online/string_cipher.h"

namespace quorvex {
namespace {

bool OnlyCipherSymbols(const std::string& text) {
  for (char c : text) {
    const bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                    c == '/' || c == '+';
    if (!ok) return false;
  }
  return true;
}

TEST(StringCipher, RoundTripsAnyBytesWithAnyKey) {
  std::string all_bytes;
  for (int b = 0; b < 256; ++b) all_bytes.push_back(static_cast<char>(b));
  const std::string texts[] = {"",
                               "h",
                               "ht",
                               "htt",
                               "http://127.0.0.1:8047/records",
                               "\xC8\xE2\xE0\xED \xCF\xE5\xF2\xF0\xEE\xE2",  // Windows-1251
                               std::string("a\0b\r\n", 5),
                               all_bytes};
  for (uint32_t key : {0u, 1u, 47u, 17203u, 0xFFFFFFFFu}) {
    for (const std::string& text : texts) {
      const std::string enciphered = Encipher(text, key);
      EXPECT_TRUE(OnlyCipherSymbols(enciphered)) << enciphered;
      EXPECT_EQ(Decipher(enciphered, key), text)
          << "key " << key << ", " << text.size() << " bytes";
    }
  }
}

// Stored settings and configuration files hold these forms: the cipher must never change.
TEST(StringCipher, KnownVectors) {
  EXPECT_EQ(Encipher("", 17203), "");
  EXPECT_EQ(Encipher("http://127.0.0.1:8047/records", 17203),
            "i8yZ6NuKjCqkMphy8qsGhfcQBy0BFANhPrQep/U");
  EXPECT_EQ(Encipher("http://127.0.0.1:8047/stats", 52917), "EP8H8gUmk5Xm6yqZUfvmkO+VQYlmujNUHzmo");
}

TEST(StringCipher, TheKeyAndThePlainTextDoNotShowThrough) {
  const std::string a = "http://127.0.0.1:8047/records";
  EXPECT_NE(Encipher(a, 1), Encipher(a, 2));
  EXPECT_NE(Decipher(Encipher(a, 1), 2), a);
  EXPECT_NE(Encipher(a, 7).substr(0, 4), Encipher(a, 8).substr(0, 4));
}

TEST(StringCipher, RejectsWhatEncipherCannotProduce) {
  const std::string good = Encipher("http://x", 5);
  for (const std::string& bad : {
           std::string("abc=="),  // padding is not used
           std::string("ab cd"),  // blank
           std::string("ab-d"),   // foreign symbol
           std::string("abcde"),  // length leaves a lone symbol
           good + "\r",           // line end left on a read line
           std::string("AB"),     // one byte with stray low bits set ("AA" is the clean form)
       }) {
    EXPECT_FALSE(Decipher(bad, 5).has_value()) << bad;
  }
  EXPECT_TRUE(Decipher("AA", 5).has_value());
}

TEST(ServiceAddresses, BuiltInsDecipherToWebAddressesWithTheirOwnKeys) {
  const ServiceAddress all[] = {
      ServiceAddress::Account,    ServiceAddress::TopTen,     ServiceAddress::Stats,
      ServiceAddress::Tournament, ServiceAddress::AvatarBase, ServiceAddress::ConfigFile,
      ServiceAddress::News,       ServiceAddress::Payment,    ServiceAddress::PublicAddressEcho,
      ServiceAddress::Adverts};
  std::set<uint32_t> keys;
  std::set<std::string> plains;
  for (ServiceAddress which : all) {
    const StoredAddress stored = BuiltInStoredAddress(which);
    EXPECT_EQ(stored.enciphered, BuiltInAddress(which));
    EXPECT_TRUE(OnlyCipherSymbols(stored.enciphered));
    EXPECT_EQ(Decipher(stored.enciphered, AddressKey(which)), stored.plain);
    EXPECT_TRUE(stored.plain.starts_with("http://") || stored.plain.starts_with("https://"))
        << stored.plain;
    EXPECT_EQ(ReadStoredAddress(which, stored.enciphered), stored);
    keys.insert(AddressKey(which));
    plains.insert(stored.plain);
  }
  EXPECT_EQ(keys.size(), std::size(all));
  EXPECT_EQ(plains.size(), std::size(all));
}

TEST(ServiceAddresses, EveryServiceUnderTheOneBase) {
  std::string base = BuiltInStoredAddress(ServiceAddress::ConfigFile).plain;
  ASSERT_TRUE(base.ends_with("/config.txt"));
  base.resize(base.size() - std::string("/config.txt").size());
  const std::pair<ServiceAddress, const char*> paths[] = {
      {ServiceAddress::Account, "/account.php"},
      {ServiceAddress::TopTen, "/records.php"},
      {ServiceAddress::Stats, "/stats.php"},
      {ServiceAddress::Tournament, "/tournament.php"},
      {ServiceAddress::AvatarBase, "/avatars/"},
      {ServiceAddress::News, "/news.html"},
      {ServiceAddress::PublicAddressEcho, "/ip.php"},
      {ServiceAddress::Adverts, "/adverts.txt"}};
  for (const auto& [which, path] : paths) EXPECT_EQ(BuiltInStoredAddress(which).plain, base + path);
}

TEST(ServiceAddresses, StoredFormsThatAreNotAddressesAreRefused) {
  const std::string records = BuiltInAddress(ServiceAddress::TopTen);
  EXPECT_FALSE(ReadStoredAddress(ServiceAddress::TopTen, "").has_value());
  EXPECT_FALSE(ReadStoredAddress(ServiceAddress::TopTen, "not an address").has_value());
  // Right form, wrong key: the statistics line holding the records address.
  EXPECT_FALSE(ReadStoredAddress(ServiceAddress::Stats, records).has_value());
  // Plain text that deciphers but is no web address.
  const std::string other = Encipher("ftp://files", AddressKey(ServiceAddress::TopTen));
  EXPECT_FALSE(ReadStoredAddress(ServiceAddress::TopTen, other).has_value());
  const std::string https = Encipher("https://a.example/r", AddressKey(ServiceAddress::TopTen));
  ASSERT_TRUE(ReadStoredAddress(ServiceAddress::TopTen, https).has_value());
  EXPECT_EQ(ReadStoredAddress(ServiceAddress::TopTen, https)->plain, "https://a.example/r");
}

}  // namespace
}  // namespace quorvex
