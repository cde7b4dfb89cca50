#include "online/world_records.h"

#include "online/reply_fields.h"

#include <vector>

#include "online/reply_readers.h"
#include "online/service_request.h"
#include "online/wire_text.h"

namespace quorvex {
namespace {

RecordList EmptyList(int list) {
  RecordList result;
  for (TZefRecord& entry : result.entries) entry.GID = list;
  return result;
}

}  // namespace

RecordList WorldRecords::ReadEntries(const std::string& reply, int list) {
  RecordList result = EmptyList(list);
  const std::vector<ReplyFields> entries = ReadReplyEntries(reply, result.entries.size());
  for (size_t i = 0; i < entries.size(); ++i) {
    const ReplyFields& f = entries[i];
    TZefRecord& entry = result.entries[i];
    // Field 2 is the server's own entry number, which the lists leave unread.
    if (!TakeReplyNumber(f, 1, entry.Place) || !TakeReplyNumber(f, 3, entry.Score)) return result;
    TakeReplyText(f, 4, entry.Nick);
    TakeReplyText(f, 5, entry.Country);
    TakeReplyText(f, 6, entry.City);
    TakeReplyText(f, 7, entry.R07);
    TakeReplyText(f, 8, entry.R08);
    TakeReplyText(f, 9, entry.R09);
    TakeReplyText(f, 10, entry.R10);
  }
  result.ok = true;
  return result;
}

RecordList WorldRecords::ReadTopTen(int list) {
  const HttpReply reply =
      PostFields(client_, address_, {"gid=" + std::to_string(list)}, ExchangeLimit::ShortRead);
  if (!reply.ok) return EmptyList(list);
  return ReadEntries(reply.body, list);
}

std::string WorldRecords::OwnEntriesBody(int list, const std::string& nick,
                                         const std::string& city) {
  // The same form of the texts as a write, so that the entries written are found again.
  return JoinBody({"gid=" + std::to_string(list), "nick=" + RecordEntryField(nick),
                   "city=" + RecordEntryField(city)});
}

RecordList WorldRecords::ReadOwnEntries(int list, const std::string& nick,
                                        const std::string& city) {
  const HttpReply reply =
      PostBody(client_, address_, OwnEntriesBody(list, nick, city), ExchangeLimit::ShortRead);
  if (!reply.ok) return EmptyList(list);
  return ReadEntries(reply.body, list);
}

std::optional<int64_t> WorldRecords::ReadCount(int list) {
  const HttpReply reply = PostFields(client_, address_, {"rgid=" + std::to_string(list)});
  if (!reply.ok) return std::nullopt;
  const std::optional<long long> count = ReadReplyNumber(reply.body);
  if (!count) return std::nullopt;
  return *count;
}

std::optional<int64_t> WorldRecords::Write(const RecordEntry& entry) {
  return WriteRecordEntry(client_, address_, entry);
}

}  // namespace quorvex
