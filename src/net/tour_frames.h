// The frames of the tournament relay. Every message a player sends is 20 characters: the message,
// filled up with "#", its last character the sender's seat digit. The relay's own messages ("e",
// "a", "T") are framed the same way with the digit "0"; only the deck travels unframed.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "game/card.h"

namespace quorvex {

inline constexpr size_t kTourFrameLength = 20;
inline constexpr char kRelayDigit = '0';

enum class TourFrameKind {
  Connect,    // "connect" + seat: a player joins its table's relay
  Deck,       // "b" + 52 cards + 52 ranks, unframed, from the relay
  Begin,      // "hbegin"
  Card,       // "hhod" + NN
  Collect,    // "hslits"
  Call,       // "htrg" + NN
  Close,      // "hclose"
  Chat,       // "s" + text, cut at the first "#"
  GameOver,   // "e" from the relay
  Abandoned,  // "a" from the relay: the opponent left
  TimeUp,     // "T" from the relay: the opponent's time is up
  TimeOut,    // "TOut": the sender's own time is up
  Result,     // "o" + the sender's balance and its negation, five characters each
  Leave,      // "disA": the sender leaves its seat
  Unknown,    // 20 characters that are none of these
};

struct TourFrame {
  TourFrameKind kind = TourFrameKind::Unknown;
  char seat = 0;                // the frame's last character: '1', '2', or '0' from the relay
  int number = 0;               // the card's hand index, the call's code, or the connecting seat
  int32_t balance[2] = {0, 0};  // "o": as sent
  std::string text;             // "s": the chat text up to the first "#"
  std::array<TCard, 53> deck{};
  std::array<uint8_t, 53> ranks{};
};

// A message framed for the relay: cut to 19 characters, filled up with "#", then `seat`.
std::string FrameTourMessage(std::string_view message, char seat);
// The result message of tournament seat 1: "o", the balance and its negation, each right-aligned
// in 5 characters.
std::string TourResultMessage(int32_t balance);

// Reads one frame of exactly 20 characters.
TourFrame ReadTourFrame(std::string_view frame);

// Cuts the bytes of a relay connection into frames and decks. A frame or deck split across reads
// waits for the rest; a deck may be followed by frames in the same read.
class TourReader {
 public:
  std::vector<TourFrame> Feed(std::string_view bytes);
  void Reset() { pending_.clear(); }
  // Bytes waiting for the rest of their frame.
  size_t Pending() const { return pending_.size(); }

 private:
  std::string pending_;
};

}  // namespace quorvex
