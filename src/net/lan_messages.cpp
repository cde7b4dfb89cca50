#include "net/lan_messages.h"

#include <bitset>
#include <cstdio>

namespace quorvex {
namespace {

std::string TwoDigits(int n) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%02d", ((n % 100) + 100) % 100);
  return buffer;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

bool ReadDeckMessage(std::string_view text, std::array<TCard, 53>& deck,
                     std::array<uint8_t, 53>& ranks) {
  if (text.size() < kDeckMessageLength || text[0] != 'b') return false;
  std::bitset<64> seen;
  for (int i = 1; i <= 52; ++i) {
    const TCard card{text[size_t(2 * i - 1)], text[size_t(2 * i)]};
    const uint8_t rank = RankValueOf(card.rank);
    const int suit = SuitIndex(card.suit);
    if (rank == 0 || suit < 0) return false;
    const size_t id = size_t((rank - 1) * 4 + suit);
    if (seen.test(id)) return false;
    seen.set(id);
    const size_t at = 105 + size_t(2 * (i - 1));
    if (!IsDigit(text[at]) || !IsDigit(text[at + 1])) return false;
    if ((text[at] - '0') * 10 + (text[at + 1] - '0') != rank) return false;
    deck[size_t(i)] = card;
    ranks[size_t(i)] = rank;
  }
  return true;
}

bool DeckPrefixPossible(std::string_view begun) {
  if (begun.empty() || begun[0] != 'b') return false;
  for (size_t i = 1; i < begun.size() && i < kDeckMessageLength; ++i) {
    const char c = begun[i];
    if (i <= 104) {
      if (i % 2 == 1 ? RankValueOf(c) == 0 : SuitIndex(c) < 0) return false;
    } else if (!IsDigit(c)) {
      return false;
    }
  }
  return true;
}

std::string PadLanName(std::string_view name) {
  std::string padded(name.substr(0, kLanNameLength));
  padded.resize(kLanNameLength, ' ');
  return padded;
}

std::string HandshakeMessage(std::string_view name) {
  return std::string(kHandshakeHead) + PadLanName(name);
}

std::string ConnectReplyMessage(std::string_view name) {
  return std::string(kConnectReply) + PadLanName(name);
}

std::string DeckMessageOf(const std::array<TCard, 53>& deck, const std::array<uint8_t, 53>& ranks) {
  std::string message = "b";
  for (int i = 1; i <= 52; ++i) message += deck[size_t(i)].Code();
  for (int i = 1; i <= 52; ++i) message += TwoDigits(ranks[size_t(i)]);
  return message;
}

std::string CardMessage(int index, LanRole sender) {
  return "hhod" + TwoDigits(index) + static_cast<char>(sender);
}

std::string CallMessage(int code, LanRole sender) {
  return "htrg" + TwoDigits(code) + static_cast<char>(sender);
}

std::string CloseMessage(LanRole sender) {
  return std::string("hclose") + static_cast<char>(sender);
}

std::string ChatMessage(std::string_view text) {
  return "s" + std::string(text.substr(0, kChatLength));
}

std::string ReceivedName(std::string_view padded) {
  std::string name(padded.substr(0, padded.empty() ? 0 : padded.size() - 1));
  while (!name.empty() && name.back() == ' ') name.pop_back();
  return name;
}

}  // namespace quorvex
