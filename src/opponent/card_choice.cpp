#include "opponent/card_choice.h"

namespace quorvex {

namespace {
SearchHand ToSearchHand(const HandSlots& hand, const HandRanks& ranks) {
  SearchHand out;
  for (int i = 1; i <= kHandSlots; ++i) {
    out.card[i] = hand[i];
    out.rank[i] = hand[i].Empty() ? kEmptyRank : ranks[i];
  }
  return out;
}

int SuitLength(const HandSlots& hand, char suit) {
  int n = 0;
  for (int i = 1; i <= kHandSlots; ++i)
    if (!hand[i].Empty() && hand[i].suit == suit) ++n;
  return n;
}

// The lowest card of the shortest suit with rank values up to max_rank; 0 when there is none.
int ShortSuitLow(const HandSlots& hand, const HandRanks& ranks, int max_rank) {
  for (int length = 1; length <= kHandSlots; ++length) {
    for (int rank = 1; rank <= max_rank; ++rank) {
      for (int i = 1; i <= kHandSlots; ++i) {
        if (hand[i].Empty() || ranks[i] != rank) continue;
        if (SuitLength(hand, hand[i].suit) == length) return i;
      }
    }
  }
  return 0;
}
}  // namespace

int DrawPhaseCard(const HandSlots& hand, const HandRanks& ranks, char led_suit) {
  if (led_suit != kNoSuit) {
    int lowest = 0;
    for (int i = 1; i <= kHandSlots; ++i) {
      if (hand[i].Empty() || hand[i].suit != led_suit) continue;
      if (lowest == 0 || ranks[i] < ranks[lowest]) lowest = i;
    }
    if (lowest != 0) return lowest;
  }
  constexpr int kQueen = 11;
  if (const int slot = ShortSuitLow(hand, ranks, kQueen)) return slot;
  if (const int slot = ShortSuitLow(hand, ranks, 13)) return slot;
  return 1;
}

PlaySearchFlags FlagsForPlayTrick(int play_trick, bool leading) {
  PlaySearchFlags flags;
  flags.pruning = play_trick <= 9 || (play_trick == 10 && leading);
  flags.cache = play_trick <= 9;
  return flags;
}

SearchPosition PlayPosition(const TDealState& state) {
  SearchPosition position;
  position.mover = ToSearchHand(state.Hand[1], state.HandRank[1]);
  position.other = ToSearchHand(state.Hand[2], state.HandRank[2]);
  const bool leading = state.TrickSlot != 2;
  position.trick.fill(kEmptyCard);
  position.trick_rank.fill(kEmptyRank);
  if (!leading) {
    position.trick[1] = state.Trick[1];
    position.trick_rank[1] = state.TrickRank[1];
  }
  position.trump = state.Trump;
  position.role = state.Declarer == 1 ? 1 : 2;
  position.trick_position = leading ? 1 : 2;
  const PlaySearchFlags flags = FlagsForPlayTrick(state.TrickNo - 13, leading);
  position.use_pruning = flags.pruning;
  position.use_cache = flags.cache;
  return position;
}

int ComputerExpectedTricks(const TDealState& state, int declarer_count) {
  const int declarer = state.Declarer == 1 ? 1 : 2;
  const int total = declarer_count + state.Tricks[declarer];
  return declarer == 1 ? total : 13 - total;
}

std::string CardForecastLine(int initial_tricks, int32_t initial_result, int expected_tricks) {
  return " Прогноз начальный: PC=[Взяток=" + std::to_string(initial_tricks) +
         ", Результат=" + std::to_string(initial_result) +
         "]; текущий PC=[Взяток=" + std::to_string(expected_tricks) + "];";
}

int LoneCardSlot(const TDealState& state) {
  int cards = 0;
  int last = 1;
  for (int i = kHandSlots; i >= 1; --i) {
    if (state.Hand[1][i].Empty()) continue;
    ++cards;
    last = i;
  }
  return cards <= 1 ? last : 0;
}

}  // namespace quorvex
