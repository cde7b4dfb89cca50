// The chat of the maker's games: list 100 of the records service, newest message first. A
// message is a list entry whose score is its number, with the writer's passport, sex letter,
// program version, writing time (R09) and text (R10).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "online/http_client.h"

namespace quorvex {

inline constexpr int kChatList = 100;
// The messages the list shows at a time.
inline constexpr size_t kChatMessages = 10;

// One message as the list gives it back; UTF-8. A row whose Nick is still "#" is empty.
struct ChatRecord {
  int64_t Place = 0;
  int64_t Score = 0;  // the message number
  std::string Nick = "#";
  std::string Country = "#";
  std::string City = "#";
  std::string R07 = "#";  // the sex letter
  std::string R08 = "#";  // the program version
  std::string R09 = "#";  // the writing time, "_" for blanks
  std::string R10 = "#";  // the text, "_" for blanks

  bool Empty() const { return Nick == "#"; }
};

struct ChatRead {
  bool ok = false;
  // Always kChatMessages rows; what the reply did not fill stays empty.
  std::vector<ChatRecord> messages = std::vector<ChatRecord>(kChatMessages);

  // The newest message's number on the server: entry 1's, 0 when the read failed.
  int64_t Newest() const { return ok ? messages.front().Score : 0; }
};

// The writer of a message: the passport (UTF-8).
struct ChatSender {
  std::string nick;
  std::string city;
  std::string country;  // the country code, "1-001"
  char sex = 'M';
};

// The last ten messages. Fails when the exchange fails, the service refuses, or a number in an
// entry does not read; rows read before such an entry are kept.
ChatRead ReadChat(HttpClient& client, const std::string& records_address);

// Sends a typed message (UTF-8, cut and guarded by the chat's text rules) written at
// `time_text` (ChatTimeText): reads the list to learn the newest number and writes the message
// as the next one. Nothing is written when that read fails. The new message's number, or
// nullopt when the message could not be sent.
std::optional<int64_t> SendChatMessage(HttpClient& client, const std::string& records_address,
                                       const ChatSender& sender, const std::string& typed,
                                       const std::string& time_text);

}  // namespace quorvex
