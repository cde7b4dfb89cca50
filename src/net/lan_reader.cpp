#include "net/lan_reader.h"

#include <algorithm>

#include "net/lan_messages.h"

namespace quorvex {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsRole(char c) {
  return c == '1' || c == '2';
}

// How much of `rest` agrees with `shape`, where '#' in the shape stands for any digit and '@'
// for a role digit: Whole when all of the shape is there, Partial when the rest is a beginning
// of it.
enum class Fit { Whole, Partial, None };
Fit FitShape(std::string_view rest, std::string_view shape) {
  const size_t n = std::min(rest.size(), shape.size());
  for (size_t i = 0; i < n; ++i) {
    const char want = shape[i];
    const char got = rest[i];
    const bool ok = want == '#' ? IsDigit(got) : want == '@' ? IsRole(got) : got == want;
    if (!ok) return Fit::None;
  }
  return rest.size() >= shape.size() ? Fit::Whole : Fit::Partial;
}

int TwoDigitsAt(std::string_view text, size_t at) {
  return (text[at] - '0') * 10 + (text[at + 1] - '0');
}

}  // namespace

void LanReader::Reset() {
  pending_.clear();
  chat_waiting_ = false;
}

LanReader::Match LanReader::MatchAt(std::string_view rest, LanMessage& message,
                                    size_t& length) const {
  message = LanMessage{};
  struct Fixed {
    std::string_view shape;
    LanMessageKind kind;
  };
  static constexpr Fixed kMoves[] = {{"hbegin", LanMessageKind::Begin},
                                     {"hslits", LanMessageKind::Collect},
                                     {"hhod##@", LanMessageKind::Card},
                                     {"htrg##@", LanMessageKind::Call},
                                     {"hclose@", LanMessageKind::Close}};
  switch (rest.front()) {
    case 'h': {
      bool partial = false;
      for (const Fixed& move : kMoves) {
        const Fit fit = FitShape(rest, move.shape);
        if (fit == Fit::Partial) partial = true;
        if (fit != Fit::Whole) continue;
        message.kind = move.kind;
        length = move.shape.size();
        if (move.kind == LanMessageKind::Card || move.kind == LanMessageKind::Call) {
          message.number = TwoDigitsAt(rest, 4);
          message.role = rest[6];
        } else if (move.kind == LanMessageKind::Close) {
          message.role = rest[6];
        }
        return Match::Whole;
      }
      return partial ? Match::Partial : Match::None;
    }
    case 'z': {
      // Any game's handshake has the same shape; only ours is answered.
      const size_t whole = kHandshakeHead.size() + kLanNameLength;
      if (FitShape(rest, "zef####connect") == Fit::None) return Match::None;
      if (rest.size() < whole) return Match::Partial;
      const bool ours = rest.substr(0, kHandshakeHead.size()) == kHandshakeHead;
      message.kind = ours ? LanMessageKind::Handshake : LanMessageKind::WrongHandshake;
      message.name = ReceivedName(rest.substr(kHandshakeHead.size(), kLanNameLength));
      length = whole;
      return Match::Whole;
    }
    case 'c': {
      const size_t whole = kConnectReply.size() + kLanNameLength;
      const Fit fit = FitShape(rest, kConnectReply);
      if (fit == Fit::None) return Match::None;
      if (rest.size() < whole) return Match::Partial;
      message.kind = LanMessageKind::ConnectReply;
      message.name = ReceivedName(rest.substr(kConnectReply.size(), kLanNameLength));
      length = whole;
      return Match::Whole;
    }
    case 'b': {
      if (!DeckPrefixPossible(rest.substr(0, kDeckMessageLength))) return Match::None;
      if (rest.size() < kDeckMessageLength) return Match::Partial;
      message.kind = LanMessageKind::Deck;
      if (!ReadDeckMessage(rest.substr(0, kDeckMessageLength), message.deck, message.ranks))
        return Match::None;
      length = kDeckMessageLength;
      return Match::Whole;
    }
    default:
      return Match::None;
  }
}

std::vector<LanMessage> LanReader::Feed(std::string_view bytes) {
  std::vector<LanMessage> messages;
  if (chat_waiting_ && !bytes.empty()) {
    // The text of a chat line whose "s" ended the last read.
    chat_waiting_ = false;
    LanMessage chat;
    chat.kind = LanMessageKind::Chat;
    const size_t n = std::min(bytes.size(), kChatLength);
    chat.text = std::string(bytes.substr(0, n));
    messages.push_back(std::move(chat));
    bytes.remove_prefix(n);
  }
  const std::string buffer = pending_ + std::string(bytes);
  pending_.clear();
  const std::string_view all(buffer);
  size_t at = 0;
  while (at < all.size()) {
    const std::string_view rest = all.substr(at);
    if (rest.front() == 's') {
      // A chat line has no end of its own: it takes the rest of its read, at most a line.
      const size_t n = std::min(rest.size() - 1, kChatLength);
      if (n == 0) {
        chat_waiting_ = true;
        return messages;
      }
      LanMessage chat;
      chat.kind = LanMessageKind::Chat;
      chat.text = std::string(rest.substr(1, n));
      messages.push_back(std::move(chat));
      at += 1 + n;
      continue;
    }
    LanMessage message;
    size_t length = 0;
    const Match match = MatchAt(rest, message, length);
    if (match == Match::Whole) {
      messages.push_back(std::move(message));
      at += length;
    } else if (match == Match::Partial) {
      pending_ = std::string(rest);
      break;
    } else {
      ++dropped_;
      ++at;
    }
  }
  return messages;
}

}  // namespace quorvex
