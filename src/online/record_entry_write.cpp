#include "online/record_entry_write.h"

#include "online/reply_readers.h"
#include "online/service_request.h"
#include "online/wire_text.h"

namespace quorvex {

namespace {

// The texts travel unencoded: "&" would cut the body.
std::string BodyText(const std::string& text) {
  std::string bytes = WireText(text);
  for (char& c : bytes)
    if (c == '&') c = '_';
  return bytes;
}

}  // namespace

std::string RecordEntryField(const std::string& text) {
  std::string bytes = BodyText(text);
  for (char& c : bytes)
    if (c == '$' || c == '*' || c == ' ') c = '_';
  return bytes;
}

std::string RecordEntryBody(const RecordEntry& entry) {
  return JoinBody({
      "gid=" + std::to_string(entry.list),
      "nick=" + RecordEntryField(entry.nick),
      "city=" + RecordEntryField(entry.city),
      "country=" + RecordEntryField(entry.country),
      "score=" + std::to_string(entry.score),
      std::string("R7=") + entry.sex,
      std::string("R8=") + kRecordVersion,
      "R9=" + BodyText(entry.r9),
      "R10=" + BodyText(entry.r10) + "*",
  });
}

std::optional<int64_t> WriteRecordEntry(HttpClient& client, const std::string& address,
                                        const RecordEntry& entry) {
  const HttpReply reply = PostBody(client, address, RecordEntryBody(entry));
  if (!reply.ok) return std::nullopt;
  const std::optional<long long> place = ReadReplyNumber(reply.body);
  if (!place) return std::nullopt;
  return *place;
}

}  // namespace quorvex
