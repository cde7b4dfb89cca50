#include "net/lan_messages.h"

#include <cstdio>

namespace quorvex {
namespace {

std::string TwoDigits(int n) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "%02d", ((n % 100) + 100) % 100);
  return buffer;
}

}  // namespace

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
