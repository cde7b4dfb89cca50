// The world top-ten lists of the records service: an entry as the lists give it, and the reads
// of a list's top ten, of the player's own entries and of the number of entries. Writing an entry
// is record_entry_write.h. Texts are UTF-8 here; the wire carries Windows-1251.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "online/http_client.h"
#include "online/record_entry_write.h"

namespace quorvex {

// The results of this game's Windows edition, and of its mobile edition (read only).
inline constexpr int kWindowsList = 47;
inline constexpr int kAndroidList = 147;

// An entry of a list. The defaults are what a row keeps when the reply did not fill it.
struct TZefRecord {
  int64_t RID = 0;  // entry number; the lists do not send it
  int64_t GID = 0;  // the list asked for
  int64_t Score = 0;
  std::string Nick = "#";     // passport or account nick
  std::string Country = "#";  // a country code, or a country name on the account list
  std::string City = "#";
  std::string R07 = "#";  // sex letter "M" or "W"
  std::string R08 = "#";  // the writer's program version
  std::string R09 = "#";
  std::string R10 = "#*";
  int64_t Place = 0;

  // A row the reply never reached: not shown.
  bool Empty() const { return Nick == "#"; }
  bool operator==(const TZefRecord&) const = default;
};

struct RecordList {
  // False when the exchange failed or a number in an entry did not parse; the entries read
  // before the fault stay.
  bool ok = false;
  std::array<TZefRecord, 10> entries{};
};

class WorldRecords {
 public:
  WorldRecords(HttpClient& client, std::string address)
      : client_(client), address_(std::move(address)) {}

  // The best ten of a list.
  RecordList ReadTopTen(int list);
  // Up to ten entries of this nick and city, best first, with their places in the whole list.
  RecordList ReadOwnEntries(int list, const std::string& nick, const std::string& city);
  // The number of entries (games) in a list; nullopt on failure.
  std::optional<int64_t> ReadCount(int list);
  // Writes an entry; the place it took, nullopt on failure.
  std::optional<int64_t> Write(const RecordEntry& entry);

  // The body of the own-entries read, as the server receives it.
  static std::string OwnEntriesBody(int list, const std::string& nick, const std::string& city);
  // Cuts a list reply into entries of `list`; what a reply holds beyond ten entries is ignored.
  static RecordList ReadEntries(const std::string& reply, int list);

 private:
  HttpClient& client_;
  std::string address_;
};

}  // namespace quorvex
