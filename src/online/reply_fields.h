// Taking one field of a reply read by ReadReplyFields into a record: a field the reply does not
// have leaves the record's default; a number field that is there must read as a number.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "online/reply_readers.h"
#include "online/wire_text.h"

namespace quorvex {

// False when the field is there and is not a number.
inline bool TakeReplyNumber(const ReplyFields& fields, size_t index, int64_t& value) {
  if (index >= fields.size()) return true;
  const std::optional<long long> number = ParseReplyInteger(fields[index]);
  if (!number) return false;
  value = *number;
  return true;
}

// The field's Windows-1251 bytes as UTF-8.
inline void TakeReplyText(const ReplyFields& fields, size_t index, std::string& value) {
  if (index < fields.size()) value = TextFromWire(fields[index]);
}

}  // namespace quorvex
