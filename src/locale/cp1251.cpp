#include "locale/cp1251.h"

#include <iconv.h>

#include <algorithm>
#include <array>

namespace quorvex {

namespace {

// One iconv conversion of a whole text; nullopt on any byte the conversion refuses.
std::optional<std::string> Convert(const char* to, const char* from, std::string_view text) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
  std::string out(text.size() * 4 + 4, '\0');
  char* in_ptr = const_cast<char*>(text.data());
  size_t in_left = text.size();
  char* out_ptr = out.data();
  size_t out_left = out.size();
  const size_t done = iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left);
  iconv_close(cd);
  if (done == static_cast<size_t>(-1) || in_left != 0) return std::nullopt;
  out.resize(out.size() - out_left);
  return out;
}

}  // namespace

std::optional<std::string> Utf8ToCp1251(std::string_view utf8) {
  if (utf8.empty()) return std::string();
  return Convert("WINDOWS-1251", "UTF-8", utf8);
}

std::string Cp1251ToUtf8(std::string_view cp1251) {
  // The upper half of the code page, converted once; the undefined byte keeps its replacement.
  static const std::array<std::string, 128> kUpper = [] {
    std::array<std::string, 128> upper;
    for (int i = 0; i < 128; ++i) {
      const char byte = static_cast<char>(0x80 + i);
      const auto one = Convert("UTF-8", "WINDOWS-1251", std::string_view(&byte, 1));
      upper[static_cast<size_t>(i)] = one ? *one : std::string("\xEF\xBF\xBD");
    }
    return upper;
  }();
  std::string out;
  out.reserve(cp1251.size() * 2);
  for (char c : cp1251) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      out += c;
    } else {
      out += kUpper[byte - 0x80];
    }
  }
  return out;
}

}  // namespace quorvex

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

std::string Utf8ToCp1251Lossy(std::string_view utf8, char missing) {
  if (const std::optional<std::string> whole = Utf8ToCp1251(utf8)) return *whole;
  // Character by character only when the whole text did not convert.
  std::string out;
  size_t at = 0;
  while (at < utf8.size()) {
    const size_t length =
        std::min(SequenceLength(static_cast<unsigned char>(utf8[at])), utf8.size() - at);
    const std::string_view sequence = utf8.substr(at, length);
    const std::optional<std::string> one = Utf8ToCp1251(sequence);
    out += one && one->size() == 1 ? (*one)[0] : missing;
    // A broken sequence gives up one byte only, so the character after it is still read whole.
    at += one || WellFormed(sequence) ? length : 1;
  }
  return out;
}

}  // namespace quorvex
