#include "game/deal.h"

#include <array>

namespace quorvex {

void ShuffleDeck(TDealState& state, Random& random) {
  random.Reseed();
  // Positions 1..52 start at zero; each of 53..104 takes a value not among the 52 before it.
  std::array<uint8_t, 105> work{};
  for (int p = 53; p <= 104; ++p) {
    bool repeated = true;
    while (repeated) {
      work[p] = static_cast<uint8_t>(random.Below(52) + 1);
      repeated = false;
      for (int q = p - 1; q >= p - 52; --q) {
        if (work[q] == work[p]) {
          repeated = true;
          break;
        }
      }
    }
  }
  for (int i = 1; i <= 52; ++i) {
    state.Deck[i] = DeckCard(work[i + 52]);
    state.DeckRank[i] = RankValue(state.Deck[i]);
  }
}

void DealCards(TDealState& state, TableRole role) {
  const bool upper_gets_first = role == TableRole::SinglePlayer || role == TableRole::LanServer ||
                                role == TableRole::TourSeat2;
  const int first_block_seat = upper_gets_first ? 1 : 2;
  state.ClearHands();
  for (int i = 1; i <= 13; ++i) {
    const int a = first_block_seat;
    const int b = OtherSeat(first_block_seat);
    state.Hand[a][i] = state.Deck[i];
    state.HandRank[a][i] = state.DeckRank[i];
    state.Hand[b][i] = state.Deck[i + 13];
    state.HandRank[b][i] = state.DeckRank[i + 13];
  }
  state.HandCount[1] = state.HandCount[2] = 13;
  state.StockNext = 27;
  state.Trump = kNoSuit;
}

namespace {
// Suit groups from left to right; the trump group is always last and colours alternate.
std::array<char, 4> SuitOrder(char trump) {
  switch (trump) {
    case kClubs:
      return {kHearts, kSpades, kDiamonds, kClubs};
    case kDiamonds:
      return {kClubs, kHearts, kSpades, kDiamonds};
    case kHearts:
      return {kClubs, kDiamonds, kSpades, kHearts};
    default:
      return {kHearts, kClubs, kDiamonds, kSpades};
  }
}
}  // namespace

void SortHand(TDealState& state, int row) {
  auto& hand = state.Hand[row];
  auto& ranks = state.HandRank[row];
  std::array<TCard, kHandSlots + 1> sorted;
  std::array<uint8_t, kHandSlots + 1> sorted_ranks;
  sorted.fill(kEmptyCard);
  sorted_ranks.fill(kEmptyRank);
  int k = 0;
  for (char suit : SuitOrder(state.Trump)) {
    for (int value = 1; value <= 13; ++value) {
      for (int i = 1; i <= kHandSlots; ++i) {
        if (!hand[i].Empty() && hand[i].suit == suit && ranks[i] == value && k < kHandSlots) {
          ++k;
          sorted[k] = hand[i];
          sorted_ranks[k] = ranks[i];
        }
      }
    }
  }
  hand = sorted;
  ranks = sorted_ranks;
  state.HandCount[row] = static_cast<uint8_t>(k);
}

void SetVulnerabilityAndFirstSeat(TDealState& state, TableRole role) {
  if (IsTournamentRole(role)) {
    // Nobody is vulnerable and tournament seat 1 always starts.
    state.Vulnerability = 0;
    state.FirstSeat = role == TableRole::TourSeat1 ? 2 : 1;
    return;
  }
  static constexpr uint8_t kVulnerability[4] = {3, 0, 2, 1};
  static constexpr uint8_t kFirst[4] = {1, 2, 1, 2};
  const int m = ((state.DealNo % 4) + 4) % 4;
  state.Vulnerability = kVulnerability[m];
  state.FirstSeat = kFirst[m];
  if (role == TableRole::LanClient)
    state.FirstSeat = static_cast<uint8_t>(OtherSeat(state.FirstSeat));
}

bool HoldsSuit(const TDealState& state, int seat, char suit) {
  for (int i = 1; i <= kHandSlots; ++i)
    if (!state.Hand[seat][i].Empty() && state.Hand[seat][i].suit == suit) return true;
  return false;
}

}  // namespace quorvex
