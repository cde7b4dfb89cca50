// The messages two machines of a LAN game exchange: single bytes, no length and no terminator.
// Builders for every message, and the shapes the reader recognises them by.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "game/card.h"

namespace quorvex {

// The sender's role digit some messages end with.
enum class LanRole : char { Server = '1', Client = '2' };

// A name travels as the club record stores it: 20 characters padded with blanks.
inline constexpr size_t kLanNameLength = 20;
// The handshake's fixed part: "zef", the game's number, the protocol's number, "connect1".
inline constexpr std::string_view kHandshakeHead = "zef4725connect1";
inline constexpr std::string_view kConnectReply = "connect2";
inline constexpr size_t kDeckMessageLength = 209;
inline constexpr size_t kChatLength = 15;

std::string PadLanName(std::string_view name);
std::string HandshakeMessage(std::string_view name);
std::string ConnectReplyMessage(std::string_view name);
// "b", the 52 card codes, then the 52 rank values as two digits.
std::string DeckMessageOf(const std::array<TCard, 53>& deck, const std::array<uint8_t, 53>& ranks);
std::string CardMessage(int index, LanRole sender);  // "hhod" + NN + role
std::string CallMessage(int code, LanRole sender);   // "htrg" + NN + role
std::string CloseMessage(LanRole sender);            // "hclose" + role
inline std::string BeginMessage() {
  return "hbegin";
}
inline std::string CollectMessage() {
  return "hslits";
}
// "s" + the text, cut to what the chat line holds.
std::string ChatMessage(std::string_view text);

// Reads the 209 characters of a deck: 52 distinct cards, each with its own rank value. False
// (and the arrays unspecified) for anything else.
bool ReadDeckMessage(std::string_view text, std::array<TCard, 53>& deck,
                     std::array<uint8_t, 53>& ranks);
// Whether the first characters of a deck that has not fully arrived could still be one.
bool DeckPrefixPossible(std::string_view begun);

// The name as the receiver keeps it: from the first character up to, not including, the last
// one of the message, without the padding.
std::string ReceivedName(std::string_view padded);

}  // namespace quorvex
