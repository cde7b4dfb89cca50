// Cuts the bytes of a LAN connection into whole messages. A read may bring part of a message,
// several messages, or bytes that fit no message: a partial message waits for the next read,
// every whole one is handed on in order, and anything else is dropped.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "game/card.h"

namespace quorvex {

enum class LanMessageKind {
  Handshake,       // "zef4725connect1" + name
  WrongHandshake,  // a handshake of another game or protocol: never answered
  ConnectReply,    // "connect2" + name
  Deck,            // "b" + 52 cards + 52 ranks
  Begin,           // "hbegin"
  Card,            // "hhod" + NN + role
  Collect,         // "hslits"
  Call,            // "htrg" + NN + role
  Close,           // "hclose" + role
  Chat,            // "s" + text
};

struct LanMessage {
  LanMessageKind kind = LanMessageKind::Begin;
  int number = 0;    // the card's hand index or the call's code
  char role = 0;     // the sender's role digit, where the message carries one
  std::string name;  // as the receiver keeps it
  std::string text;  // the chat line
  std::array<TCard, 53> deck{};
  std::array<uint8_t, 53> ranks{};
};

class LanReader {
 public:
  // The messages completed by the bytes of one read, in order.
  std::vector<LanMessage> Feed(std::string_view bytes);
  // Bytes that fit no message, dropped so far.
  size_t Dropped() const { return dropped_; }
  // Forgets a partial message (a new connection).
  void Reset();

 private:
  enum class Match { Whole, Partial, None };
  Match MatchAt(std::string_view rest, LanMessage& message, size_t& length) const;

  std::string pending_;
  bool chat_waiting_ = false;  // an "s" ended the last read: its text is in the next one
  size_t dropped_ = 0;
};

}  // namespace quorvex
