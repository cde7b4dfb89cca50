// Writing an entry to a list of the records service: the world top-ten lists and the account
// score list.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "online/http_client.h"

namespace quorvex {

// The account score list: rated cycles of account holders.
inline constexpr int kAccountScoreList = 347;
// The program version every entry carries.
inline constexpr const char* kRecordVersion = "5.7f";

struct RecordEntry {
  int list = 0;
  std::string nick;     // UTF-8
  std::string city;     // UTF-8
  std::string country;  // a country code, or a country name on the account list
  int64_t score = 0;
  char sex = 'M';
  std::string r9 = "#";
  std::string r10 = "#";  // sent with "*" after it, which closes the entry
};

// A nick, city or country as an entry carries it (Windows-1251): "&", "$", "*" and blanks,
// which would cut the body or the entry when the list is read back, become "_".
std::string RecordEntryField(const std::string& text);

// The body as the server receives it (Windows-1251): gid, nick, city, country, score, R7..R10.
std::string RecordEntryBody(const RecordEntry& entry);

// The place of the new entry; nullopt when the write failed or no place came back.
std::optional<int64_t> WriteRecordEntry(HttpClient& client, const std::string& address,
                                        const RecordEntry& entry);

}  // namespace quorvex
