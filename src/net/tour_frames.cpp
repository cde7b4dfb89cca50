#include "net/tour_frames.h"

#include <cstdio>
#include <cstdlib>

#include "net/lan_messages.h"

namespace quorvex {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool StartsWith(std::string_view text, std::string_view head) {
  return text.substr(0, head.size()) == head;
}

// The message part of a frame: everything before the seat digit.
bool FilledFrom(std::string_view body, size_t from) {
  for (size_t i = from; i < body.size(); ++i)
    if (body[i] != '#') return false;
  return true;
}

// A number right-aligned in five characters: blanks, then an optional minus and digits.
bool ReadFive(std::string_view field, int32_t& value) {
  size_t at = 0;
  while (at < field.size() && field[at] == ' ') ++at;
  if (at == field.size()) return false;
  bool negative = false;
  if (field[at] == '-') {
    negative = true;
    ++at;
  }
  if (at == field.size()) return false;
  int32_t n = 0;
  for (; at < field.size(); ++at) {
    if (!IsDigit(field[at])) return false;
    n = n * 10 + (field[at] - '0');
  }
  value = negative ? -n : n;
  return true;
}

}  // namespace

std::string FrameTourMessage(std::string_view message, char seat) {
  std::string frame(message.substr(0, kTourFrameLength - 1));
  frame.resize(kTourFrameLength - 1, '#');
  frame += seat;
  return frame;
}

std::string TourResultMessage(int32_t balance) {
  char buffer[32];
  // Five characters each, as the relay reads them; a balance beyond them is cut to fit.
  const int32_t shown = balance > 99999 ? 99999 : balance < -9999 ? -9999 : balance;
  const int32_t negated = -shown < -9999 ? -9999 : -shown;
  std::snprintf(buffer, sizeof buffer, "o%5d%5d", int(shown), int(negated));
  return buffer;
}

TourFrame ReadTourFrame(std::string_view frame) {
  TourFrame out;
  if (frame.size() != kTourFrameLength) return out;
  out.seat = frame.back();
  const std::string_view body = frame.substr(0, kTourFrameLength - 1);
  auto two_digits = [&body](size_t at) {
    return IsDigit(body[at]) && IsDigit(body[at + 1]) ? (body[at] - '0') * 10 + (body[at + 1] - '0')
                                                      : -1;
  };
  struct Plain {
    std::string_view word;
    TourFrameKind kind;
  };
  static constexpr Plain kPlain[] = {
      {"hbegin", TourFrameKind::Begin}, {"hslits", TourFrameKind::Collect},
      {"hclose", TourFrameKind::Close}, {"TOut", TourFrameKind::TimeOut},
      {"disA", TourFrameKind::Leave},   {"e", TourFrameKind::GameOver},
      {"a", TourFrameKind::Abandoned},  {"T", TourFrameKind::TimeUp}};
  for (const Plain& plain : kPlain) {
    if (StartsWith(body, plain.word) && FilledFrom(body, plain.word.size())) {
      out.kind = plain.kind;
      return out;
    }
  }
  if (body[0] == 's') {
    out.kind = TourFrameKind::Chat;
    const size_t end = body.find('#', 1);
    out.text = std::string(body.substr(1, end == std::string_view::npos ? end : end - 1));
    return out;
  }
  if ((StartsWith(body, "hhod") || StartsWith(body, "htrg")) && FilledFrom(body, 6)) {
    const int number = two_digits(4);
    if (number < 0) return out;
    out.kind = body[1] == 'h' ? TourFrameKind::Card : TourFrameKind::Call;
    out.number = number;
    return out;
  }
  if (StartsWith(body, "connect") && (body[7] == '1' || body[7] == '2') && FilledFrom(body, 8)) {
    out.kind = TourFrameKind::Connect;
    out.number = body[7] - '0';
    return out;
  }
  if (body[0] == 'o' && FilledFrom(body, 11) && ReadFive(body.substr(1, 5), out.balance[0]) &&
      ReadFive(body.substr(6, 5), out.balance[1])) {
    out.kind = TourFrameKind::Result;
    return out;
  }
  return out;
}

std::vector<TourFrame> TourReader::Feed(std::string_view bytes) {
  std::vector<TourFrame> frames;
  pending_.append(bytes.data(), bytes.size());
  size_t at = 0;
  while (at < pending_.size()) {
    const std::string_view rest = std::string_view(pending_).substr(at);
    if (rest[0] == 'b' && DeckPrefixPossible(rest.substr(0, kDeckMessageLength))) {
      if (rest.size() < kDeckMessageLength) break;
      TourFrame deck;
      if (ReadDeckMessage(rest.substr(0, kDeckMessageLength), deck.deck, deck.ranks)) {
        deck.kind = TourFrameKind::Deck;
        frames.push_back(std::move(deck));
        at += kDeckMessageLength;
        continue;
      }
      // Card codes and digits that do not make a deck: taken as a frame that is none.
    }
    if (rest.size() < kTourFrameLength) break;
    frames.push_back(ReadTourFrame(rest.substr(0, kTourFrameLength)));
    at += kTourFrameLength;
  }
  pending_.erase(0, at);
  return frames;
}

}  // namespace quorvex
