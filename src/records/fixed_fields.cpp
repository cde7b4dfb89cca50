#include "records/fixed_fields.h"

#include <algorithm>
#include <charconv>

namespace quorvex {

namespace {

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

std::string RightAligned(std::string_view text, size_t width) {
  std::string out;
  if (text.size() < width) out.assign(width - text.size(), ' ');
  out.append(text);
  return out;
}

std::string LeftPaddedCut(std::string_view text, size_t width) {
  std::string out(text.substr(0, width));
  out.resize(width, ' ');
  return out;
}

std::string NumberField(int64_t value, size_t width) {
  int64_t limit = 1;
  for (size_t i = 0; i < width && limit < 1'000'000'000'000'000; ++i) limit *= 10;
  const int64_t high = limit - 1;
  const int64_t low = width > 1 ? -(limit / 10 - 1) : 0;
  return RightAligned(std::to_string(std::clamp(value, low, high)), width);
}

std::optional<double> ParseCommaDecimal(std::string_view text) {
  text = TrimBlanks(text);
  std::string plain;
  size_t i = 0;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
    if (text[i] == '-') plain.push_back('-');
    ++i;
  }
  size_t digits = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i, ++digits) plain.push_back(text[i]);
  if (i < text.size() && (text[i] == ',' || text[i] == '.')) {
    plain.push_back('.');
    for (++i; i < text.size() && IsDigit(text[i]); ++i, ++digits) plain.push_back(text[i]);
  }
  if (i != text.size() || digits == 0 || digits > 30) return std::nullopt;
  double value = 0;
  const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (error != std::errc() || end != plain.data() + plain.size()) return std::nullopt;
  return value;
}

std::optional<int64_t> ParseWholeNumber(std::string_view text) {
  text = TrimBlanks(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  if (text.empty() || text.size() > 18) return std::nullopt;
  int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::string WithoutControlBytes(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (static_cast<unsigned char>(c) < 0x20) c = ' ';
  return out;
}

ByteSums SumBytes(std::string_view bytes) {
  ByteSums sums;
  for (size_t i = 0; i < bytes.size(); ++i) {
    const int64_t value = static_cast<unsigned char>(bytes[i]);
    const size_t position = i + 1;
    sums.a += value;
    if (position % 2 == 0) sums.b += value;
    if (position % 3 == 0) sums.c += value;
  }
  return sums;
}

std::string SumsText(const ByteSums& sums, size_t width) {
  std::string out;
  for (const int64_t sum : {sums.a, sums.b, sums.c}) {
    const std::string digits = std::to_string(sum);
    if (digits.size() < width) out.append(width - digits.size(), '0');
    out += digits;
  }
  return out;
}

std::vector<std::string> SplitFileLines(std::string_view bytes, size_t max_line_bytes) {
  std::vector<std::string> lines;
  std::string current;
  auto end_line = [&] {
    if (!current.empty() && current.back() == '\r') current.pop_back();
    lines.push_back(std::move(current));
    current.clear();
  };
  for (const char c : bytes) {
    if (c == '\n') {
      end_line();
    } else if (current.size() < max_line_bytes) {
      current.push_back(c);
    }
  }
  if (!current.empty()) end_line();
  return lines;
}

std::string JoinFileLines(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) {
    out += line;
    out += kCrLf;
  }
  return out;
}

}  // namespace quorvex
