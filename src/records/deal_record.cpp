#include "records/deal_record.h"

#include <bitset>

namespace quorvex {

TCard DealRecordCard(uint8_t deck_number) {
  return DeckCard(deck_number);
}

uint8_t DeckNumberOf(const TCard& card) {
  const uint8_t rank = RankValue(card);
  const int suit = SuitIndex(card.suit);
  if (rank < 1 || rank > 13 || suit < 0) return 0;
  return static_cast<uint8_t>((rank - 1) * 4 + suit + 1);
}

namespace {

bool IsDeckNumber(uint8_t n) {
  return n >= 1 && n <= 52;
}

bool IsSeat(uint8_t seat) {
  return seat == 1 || seat == 2;
}

}  // namespace

bool DealRecordConsistent(const DealRecord& r) {
  std::bitset<53> in_deck;
  for (uint8_t n : r.deck) {
    if (!IsDeckNumber(n) || in_deck[n]) return false;
    in_deck[n] = true;
  }
  if (!IsSeat(r.first_seat) || !IsSeat(r.first_leader) || r.vulnerability > 3) return false;
  if (static_cast<uint8_t>(r.kind) > static_cast<uint8_t>(DealKind::Tournament)) return false;
  std::bitset<53> in_hands;
  for (int seat = 1; seat <= 2; ++seat) {
    for (uint8_t n : r.hands[seat]) {
      if (!IsDeckNumber(n) || in_hands[n]) return false;
      in_hands[n] = true;
    }
  }
  for (const DealCall& call : r.calls) {
    if (!IsSeat(call.seat) || call.code < 1 || call.code > 38) return false;
  }
  if (r.draw_play.size() > 26 || r.contract_play.size() > 26) return false;
  std::bitset<53> played;
  for (uint8_t n : r.draw_play) {
    if (!IsDeckNumber(n) || played[n]) return false;
    played[n] = true;
  }
  for (uint8_t n : r.contract_play) {
    if (!IsDeckNumber(n) || !in_hands[n] || played[n]) return false;
    played[n] = true;
  }
  if (r.contract > 35 || r.doubling > 2 || r.declarer_tricks > 13) return false;
  if (r.contract != 0 && !IsSeat(r.declarer)) return false;
  if (r.contract == 0 && !r.contract_play.empty()) return false;
  if (r.analysis && r.analysis->cards.size() > r.contract_play.size()) return false;
  return true;
}

}  // namespace quorvex
