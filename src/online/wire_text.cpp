#include "online/wire_text.h"

#include <algorithm>
#include <optional>

#include "locale/cp1251.h"

namespace quorvex {

namespace {

// The length of the UTF-8 sequence a lead byte starts; 1 for a byte that starts none.
size_t SequenceLength(unsigned char lead) {
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  if (lead >= 0xE0) return lead <= 0xEF ? 3 : 1;
  if (lead >= 0xC2) return 2;
  return 1;
}

bool WellFormed(std::string_view sequence) {
  for (size_t i = 1; i < sequence.size(); ++i)
    if ((static_cast<unsigned char>(sequence[i]) & 0xC0) != 0x80) return false;
  return true;
}

}  // namespace

std::string WireText(std::string_view utf8) {
  if (const std::optional<std::string> whole = Utf8ToCp1251(utf8)) return *whole;
  // Character by character only when the whole text did not convert.
  std::string out;
  size_t at = 0;
  while (at < utf8.size()) {
    const size_t length =
        std::min(SequenceLength(static_cast<unsigned char>(utf8[at])), utf8.size() - at);
    const std::string_view sequence = utf8.substr(at, length);
    const std::optional<std::string> one = Utf8ToCp1251(sequence);
    out += one && one->size() == 1 ? (*one)[0] : '?';
    // A broken sequence gives up one byte only, so the character after it is still read whole.
    at += one || WellFormed(sequence) ? length : 1;
  }
  return out;
}

std::string TextFromWire(std::string_view cp1251) {
  return Cp1251ToUtf8(cp1251);
}

}  // namespace quorvex
