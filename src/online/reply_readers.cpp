#include "online/reply_readers.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace quorvex {
namespace {

ReplyFields CutPayload(std::string_view payload, char separator) {
  // The payload is wrapped in one separator on each side and cut at every separator.
  ReplyFields fields;
  const std::string wrapped = std::string(1, separator) + std::string(payload) + separator;
  size_t start = 0;
  for (size_t i = 0; i < wrapped.size(); ++i) {
    if (wrapped[i] != separator) continue;
    fields.emplace_back(wrapped.substr(start, i - start));
    start = i + 1;
  }
  return fields;
}

// The position of the last "$" that is not the final character, npos when there is none.
size_t LastUsableDollar(std::string_view reply) {
  if (reply.size() < 2) return std::string_view::npos;
  return reply.find_last_of('$', reply.size() - 2);
}

}  // namespace

bool HasReplyCode(std::string_view reply, std::string_view code) {
  return code.size() == 2 && reply.find(code) != std::string_view::npos;
}

bool IsRefusal(std::string_view reply) {
  // Only the text outside the data between "$" signs counts.
  std::string outside;
  bool inside = false;
  for (const char c : reply) {
    if (c == '$') {
      inside = !inside;
      outside += ' ';
    } else if (!inside) {
      outside += c;
    }
  }
  return HasReplyCode(outside, "no");
}

ReplyFields ReadReplyFields(std::string_view reply, char separator) {
  const size_t first = reply.find('$');
  if (first == std::string_view::npos || first + 1 >= reply.size()) return {};
  const size_t next = reply.find('$', first + 1);
  const size_t end = next == std::string_view::npos ? reply.size() - 1 : next;
  if (end < first + 1) return CutPayload({}, separator);
  return CutPayload(reply.substr(first + 1, end - first - 1), separator);
}

std::vector<ReplyFields> ReadReplyEntries(std::string_view reply, size_t limit, char separator) {
  std::vector<ReplyFields> entries;
  size_t at = 0;
  while (entries.size() < limit) {
    const size_t dollar = reply.find('$', at);
    if (dollar == std::string_view::npos || dollar + 1 >= reply.size()) break;
    const size_t star = reply.find('*', dollar + 1);
    const size_t end = star == std::string_view::npos ? reply.size() - 1 : star;
    const std::string_view payload =
        end > dollar + 1 ? reply.substr(dollar + 1, end - dollar - 1) : std::string_view();
    entries.push_back(CutPayload(payload, separator));
    at = dollar + 1;
  }
  return entries;
}

std::optional<long long> ReadReplyNumber(std::string_view reply) {
  const size_t dollar = LastUsableDollar(reply);
  if (dollar == std::string_view::npos) return std::nullopt;
  size_t end = dollar + 1;
  while (end < reply.size() - 1 && reply[end] >= '0' && reply[end] <= '9') ++end;
  return ParseReplyInteger(reply.substr(dollar + 1, end - dollar - 1));
}

bool ReadReplyStatus(std::string_view reply) {
  const size_t dollar = LastUsableDollar(reply);
  if (dollar == std::string_view::npos) return false;
  std::string_view text = reply.substr(dollar + 1);
  const size_t hash = text.find('#');
  if (hash != std::string_view::npos) text = text.substr(0, hash);
  return text.size() >= 3 && text.substr(1, 2) == "ok";
}

std::string FormatRating(double value) {
  if (!std::isfinite(value) || std::fabs(value) < 0.00001) return "0";
  char buffer[64];
  // The C locale's "%.15g" never uses a decimal comma; a comma is turned into a point all the
  // same, as the format asks.
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  if (error != std::errc()) return "0";
  std::string text(buffer, end);
  for (char& c : text)
    if (c == ',') c = '.';
  return text;
}

std::optional<double> ParseRating(std::string_view text) {
  if (text.empty()) return 0.0;
  std::string normal(text);
  // The first character that is neither a digit, a space nor "-" is the decimal separator.
  for (char& c : normal) {
    if ((c >= '0' && c <= '9') || c == ' ' || c == '-') continue;
    c = '.';
    break;
  }
  while (!normal.empty() && normal.front() == ' ') normal.erase(normal.begin());
  while (!normal.empty() && normal.back() == ' ') normal.pop_back();
  double value = 0;
  const auto [end, error] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
  if (error != std::errc() || end != normal.data() + normal.size() || normal.empty())
    return std::nullopt;
  return value;
}

std::optional<long long> ParseReplyInteger(std::string_view text) {
  long long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace quorvex
