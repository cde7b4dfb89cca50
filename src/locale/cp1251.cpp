#include "locale/cp1251.h"

#include <iconv.h>

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
