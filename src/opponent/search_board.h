// The two hands of a play search as bit masks, and the rules the search applies to them: the
// equivalence skip set, legal and eligible cards, the claim and the trick winner.
#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>

namespace quorvex::search_detail {

inline constexpr int kNoTrumpSuit = -1;
inline constexpr uint16_t kAllSlots = 0x1FFF;

// Ranks strictly between a and b (either order), as a mask with bit r - 1 for rank r.
struct BetweenTable {
  uint16_t mask[14][14];
  constexpr BetweenTable() : mask{} {
    for (int a = 1; a <= 13; ++a)
      for (int b = 1; b <= 13; ++b)
        for (int r = std::min(a, b) + 1; r < std::max(a, b); ++r)
          mask[a][b] = static_cast<uint16_t>(mask[a][b] | (1u << (r - 1)));
  }
};
inline constexpr BetweenTable kBetween{};

inline int Lowest(unsigned mask) {
  return std::countr_zero(mask);
}
inline int Highest(unsigned mask) {
  return 31 - std::countl_zero(mask);
}
// Cards in a 13-bit mask, from a table: the build targets plain x86-64, where std::popcount
// becomes a library call, and counting is the most frequent operation of the search.
struct BitCountTable {
  uint8_t count[8192];
  constexpr BitCountTable() : count{} {
    for (int m = 1; m < 8192; ++m) count[m] = static_cast<uint8_t>(count[m >> 1] + (m & 1));
  }
};
inline constexpr BitCountTable kBitCount{};
inline int Count(unsigned mask) {
  return kBitCount.count[mask & 0x1FFFu];
}
inline uint16_t RankBit(int rank) {
  return static_cast<uint16_t>(1u << (rank - 1));
}

// Hand 0 is the mover at the root, hand 1 the other hand. Bit b of a slot mask is slot b + 1.
// The cards of the slots never move; playing a card only clears its bits.
struct Board {
  uint8_t suit[2][13] = {};  // suit index 0..3 of the card in each slot
  uint8_t rank[2][13] = {};  // rank value 1..13
  uint16_t suit_slots[2][4] = {};
  // Slots b >= 1 whose card has the suit of the card in slot b - 1 (both filled at the root).
  uint16_t same_suit_as_previous[2] = {};
  int trump = kNoTrumpSuit;

  uint16_t held[2] = {};      // slots still holding a card
  uint16_t ranks[2][4] = {};  // ranks still held per suit, bit r - 1 for rank r

  void Toggle(int hand, int bit) {
    held[hand] ^= static_cast<uint16_t>(1u << bit);
    ranks[hand][suit[hand][bit]] ^= RankBit(rank[hand][bit]);
  }

  // Cards of the mover that would give the same result as the previous filled slot: same suit,
  // and no rank between the two in `others` (per suit; the other hand plus the trick).
  uint16_t SkipSet(int mover, const uint16_t others[4]) const {
    uint16_t skip = 0;
    int prev = -1;
    for (unsigned m = held[mover]; m != 0; m &= m - 1) {
      const int b = Lowest(m);
      const int s = suit[mover][b];
      if (prev >= 0 && suit[mover][prev] == s &&
          (others[s] & kBetween.mask[rank[mover][prev]][rank[mover][b]]) == 0)
        skip = static_cast<uint16_t>(skip | (1u << b));
      prev = b;
    }
    return skip;
  }

  // Cards the leader tries. `valued` gets the skipped cards that would otherwise have been
  // tried (they share the value of the card they were skipped for at the root).
  uint16_t LeadMoves(int mover, bool prune, uint16_t& valued) const {
    const uint16_t skip = SkipSet(mover, ranks[1 - mover]);
    const uint16_t candidates = held[mover] & ~skip;
    if (!prune) {
      valued = skip;
      return candidates;
    }
    // Of several distinct cards of a suit the first slot is not led.
    uint16_t eligible = 0;
    for (int s = 0; s < 4; ++s) {
      const uint16_t m = candidates & suit_slots[mover][s];
      eligible |= (m & (m - 1)) != 0 ? static_cast<uint16_t>(m & (m - 1)) : m;
    }
    valued = 0;
    return eligible;
  }

  // Cards the follower tries after a lead of (led_suit, led_rank); `valued` as for LeadMoves.
  uint16_t FollowMoves(int mover, int led_suit, int led_rank, bool prune, uint16_t& valued) const {
    const uint16_t hand = held[mover];
    const uint16_t suited = hand & suit_slots[mover][led_suit];
    if (prune && suited != 0) {
      // One card: the first slot of the suit, or the first slot above the lead. Neither can be in
      // the skip set, since the filled slot before it holds another suit or a card below the lead.
      valued = 0;
      if (Highest(ranks[mover][led_suit]) + 1 < led_rank)
        return static_cast<uint16_t>(suited & (~suited + 1));
      for (unsigned m = suited; m != 0; m &= m - 1) {
        const int b = Lowest(m);
        if (rank[mover][b] > led_rank) return static_cast<uint16_t>(1u << b);
      }
      return 0;
    }
    uint16_t others[4];
    for (int s = 0; s < 4; ++s) others[s] = ranks[1 - mover][s];
    others[led_suit] |= RankBit(led_rank);
    const uint16_t skip = SkipSet(mover, others);
    const uint16_t legal = suited != 0 ? suited : hand;
    uint16_t eligible = hand;
    if (prune) {
      // Void: a slot whose card has the suit of the card in the slot just before it is dropped.
      eligible = hand & ~((hand << 1) & same_suit_as_previous[mover]);
    }
    valued = legal & eligible & skip;
    return legal & eligible & ~skip;
  }

  // The claim of a leader: at least as many trumps as the other hand, and in every suit both
  // hold, the leader's m-th highest card beats the other's highest (m the shorter holding).
  bool Claims(int mover) const {
    const int other = 1 - mover;
    if (trump != kNoTrumpSuit && Count(ranks[mover][trump]) < Count(ranks[other][trump]))
      return false;
    for (int s = 0; s < 4; ++s) {
      const unsigned theirs = ranks[other][s];
      const unsigned mine = ranks[mover][s];
      if (theirs == 0 || mine == 0) continue;
      const int m = std::min(Count(mine), Count(theirs));
      if (Count(mine >> (Highest(theirs) + 1)) < m) return false;
    }
    return true;
  }

  // Whether the second card of a trick beats the first.
  bool SecondWins(int led_suit, int led_rank, int suit2, int rank2) const {
    if (suit2 == led_suit) return rank2 > led_rank;
    return suit2 == trump;
  }
};

}  // namespace quorvex::search_detail
