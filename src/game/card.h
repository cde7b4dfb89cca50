// Card codes: two Windows-1251 bytes, rank then suit, as they travel in messages and name pictures.
#pragma once

#include <cstdint>
#include <string>

namespace quorvex {

// Suit bytes (Cyrillic small che, be, ka, pe) and the "no suit" marker.
inline constexpr char kHearts = '\xF7';
inline constexpr char kDiamonds = '\xE1';
inline constexpr char kClubs = '\xEA';
inline constexpr char kSpades = '\xEF';
inline constexpr char kNoSuit = '#';

// Rank value of an empty slot; real cards are 1 (two) .. 13 (ace).
inline constexpr uint8_t kEmptyRank = 99;

struct TCard {
  char rank = '#';
  char suit = '#';

  bool Empty() const { return rank == '#' && suit == '#'; }
  std::string Code() const { return std::string{rank, suit}; }
  bool operator==(const TCard&) const = default;
};

inline constexpr TCard kEmptyCard{};

// Rank byte for a rank value 1..13: "2".."9", "1" for ten, then Cyrillic ve, de, ka, te.
char RankByte(int value);
// Rank value 1..13 of a rank byte, 0 when the byte names no rank.
uint8_t RankValueOf(char rank_byte);
// Rank value of a card, kEmptyRank for "##" (and for anything that is not a card).
uint8_t RankValue(const TCard& card);

// Suit order of the deck numbering: 0 hearts, 1 diamonds, 2 clubs, 3 spades; -1 for anything else.
int SuitIndex(char suit);
char SuitByte(int index);

// Card of deck number n = 1..52: rank value (n - 1) / 4 + 1, suit (n - 1) % 4.
TCard DeckCard(int n);

// Readable form used by tools and tests: rank "23456789TJQKA" then suit "hdcs" ("Th"), "--" for
// empty.
std::string CardText(const TCard& card);
// Parses the readable form; returns false on anything that is not a card or "--".
bool ParseCardText(const std::string& text, TCard& card);

}  // namespace quorvex
