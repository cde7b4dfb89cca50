#include "online/chat_service.h"

#include "online/reply_fields.h"

#include <limits>

#include "online/chat_text.h"
#include "online/record_entry_write.h"
#include "online/reply_readers.h"
#include "online/service_request.h"
#include "online/wire_text.h"

namespace quorvex {

namespace {

// A refusal of the whole read: "no" and no entry at all (an entry's text may well hold "no").
bool RefusedRead(const std::string& reply) {
  return reply.find('$') == std::string::npos && HasReplyCode(reply, "no");
}

// Fills a row from an entry's fields; false when a number in it does not read.
bool ReadEntry(const ReplyFields& fields, ChatRecord& message) {
  if (!TakeReplyNumber(fields, 1, message.Place) || !TakeReplyNumber(fields, 3, message.Score))
    return false;
  TakeReplyText(fields, 4, message.Nick);
  TakeReplyText(fields, 5, message.Country);
  TakeReplyText(fields, 6, message.City);
  TakeReplyText(fields, 7, message.R07);
  TakeReplyText(fields, 8, message.R08);
  TakeReplyText(fields, 9, message.R09);
  TakeReplyText(fields, 10, message.R10);
  return true;
}

}  // namespace

ChatRead ReadChat(HttpClient& client, const std::string& records_address) {
  ChatRead read;
  const HttpReply reply = PostFields(client, records_address, {"gid=" + std::to_string(kChatList)},
                                     ExchangeLimit::ShortRead);
  if (!reply.ok || RefusedRead(reply.body)) return read;
  const std::vector<ReplyFields> entries = ReadReplyEntries(reply.body, kChatMessages);
  for (size_t i = 0; i < entries.size(); ++i)
    if (!ReadEntry(entries[i], read.messages[i])) return read;
  read.ok = true;
  return read;
}

std::optional<int64_t> SendChatMessage(HttpClient& client, const std::string& records_address,
                                       const ChatSender& sender, const std::string& typed,
                                       const std::string& time_text) {
  const std::string text = ChatSendText(typed);
  if (text.empty()) return std::nullopt;
  const ChatRead list = ReadChat(client, records_address);
  if (!list.ok || list.Newest() == std::numeric_limits<int64_t>::max()) return std::nullopt;
  RecordEntry entry;
  entry.list = kChatList;
  entry.nick = sender.nick;
  entry.city = sender.city;
  entry.country = sender.country;
  entry.score = list.Newest() + 1;
  entry.sex = sender.sex;
  entry.r9 = time_text;
  entry.r10 = text;
  if (!WriteRecordEntry(client, records_address, entry)) return std::nullopt;
  return entry.score;
}

}  // namespace quorvex
