#include "game/card.h"

namespace quorvex {

namespace {
constexpr char kRankBytes[14] = {0,   '2', '3', '4',    '5',    '6',    '7',
                                 '8', '9', '1', '\xC2', '\xC4', '\xCA', '\xD2'};
constexpr char kSuitBytes[4] = {kHearts, kDiamonds, kClubs, kSpades};
constexpr char kRankLetters[] = "23456789TJQKA";
constexpr char kSuitLetters[] = "hdcs";
}  // namespace

char RankByte(int value) {
  return value >= 1 && value <= 13 ? kRankBytes[value] : '#';
}

uint8_t RankValueOf(char rank_byte) {
  for (int v = 1; v <= 13; ++v)
    if (kRankBytes[v] == rank_byte) return static_cast<uint8_t>(v);
  return 0;
}

int SuitIndex(char suit) {
  for (int i = 0; i < 4; ++i)
    if (kSuitBytes[i] == suit) return i;
  return -1;
}

char SuitByte(int index) {
  return index >= 0 && index < 4 ? kSuitBytes[index] : kNoSuit;
}

uint8_t RankValue(const TCard& card) {
  const uint8_t v = RankValueOf(card.rank);
  return v != 0 && SuitIndex(card.suit) >= 0 ? v : kEmptyRank;
}

TCard DeckCard(int n) {
  if (n < 1 || n > 52) return kEmptyCard;
  return TCard{RankByte((n - 1) / 4 + 1), SuitByte((n - 1) % 4)};
}

std::string CardText(const TCard& card) {
  const uint8_t v = RankValue(card);
  if (v == kEmptyRank) return "--";
  return std::string{kRankLetters[v - 1], kSuitLetters[SuitIndex(card.suit)]};
}

bool ParseCardText(const std::string& text, TCard& card) {
  if (text == "--") {
    card = kEmptyCard;
    return true;
  }
  if (text.size() != 2) return false;
  int rank = 0;
  int suit = -1;
  for (int v = 0; v < 13; ++v)
    if (kRankLetters[v] == text[0]) rank = v + 1;
  for (int s = 0; s < 4; ++s)
    if (kSuitLetters[s] == text[1]) suit = s;
  if (rank == 0 || suit < 0) return false;
  card = TCard{RankByte(rank), SuitByte(suit)};
  return true;
}

}  // namespace quorvex
