#include "opponent/search_test_util.h"

#include <algorithm>

#include <gtest/gtest.h>

#include "game/deal.h"
#include "opponent/search_text.h"

namespace quorvex::testing {

std::vector<TCard> SortedForTrump(std::vector<TCard> cards, char trump) {
  TDealState state;
  state.Trump = trump;
  for (int i = 1; i <= 13; ++i) {
    state.Hand[1][i] = i <= static_cast<int>(cards.size()) ? cards[i - 1] : kEmptyCard;
    state.HandRank[1][i] = RankValue(state.Hand[1][i]);
  }
  SortHand(state, 1);
  std::vector<TCard> sorted;
  for (int i = 1; i <= state.HandCount[1]; ++i) sorted.push_back(state.Hand[1][i]);
  return sorted;
}

void DealTwoHands(uint64_t seed, std::vector<TCard>& first, std::vector<TCard>& second) {
  std::vector<int> deck(52);
  for (int i = 0; i < 52; ++i) deck[i] = i + 1;
  std::mt19937_64 rng(seed);
  std::shuffle(deck.begin(), deck.end(), rng);
  first.clear();
  second.clear();
  for (int i = 0; i < 13; ++i) first.push_back(DeckCard(deck[i]));
  for (int i = 13; i < 26; ++i) second.push_back(DeckCard(deck[i]));
}

SearchHand HandInSlots(const std::vector<TCard>& cards, const std::vector<int>& slots) {
  SearchHand hand;
  for (size_t i = 0; i < cards.size(); ++i) {
    hand.card[slots[i]] = cards[i];
    hand.rank[slots[i]] = RankValue(cards[i]);
  }
  return hand;
}

SearchHand CompactHand(const std::vector<TCard>& cards) {
  std::vector<int> slots;
  for (size_t i = 0; i < cards.size(); ++i) slots.push_back(static_cast<int>(i) + 1);
  return HandInSlots(cards, slots);
}

SearchPosition PositionFromText(const std::string& line) {
  SearchPosition position;
  std::string error;
  EXPECT_TRUE(ParseSearchPosition(SplitWords(line), position, error)) << line << ": " << error;
  return position;
}

std::string PositionText(const SearchPosition& p) {
  auto hand_text = [](const SearchHand& h) {
    int last = 0;
    for (int i = 1; i <= 13; ++i)
      if (!h.card[i].Empty()) last = i;
    if (last == 0) return std::string("-");
    std::string text;
    for (int i = 1; i <= last; ++i) text += (i > 1 ? "," : "") + CardText(h.card[i]);
    return text;
  };
  const char* trump = p.trump == kClubs      ? "c"
                      : p.trump == kDiamonds ? "d"
                      : p.trump == kHearts   ? "h"
                      : p.trump == kSpades   ? "s"
                                             : "n";
  return std::string(trump) + " " + std::to_string(p.role) + " " + (p.use_pruning ? "1" : "0") +
         " " + (p.use_cache ? "1" : "0") + " " + hand_text(p.mover) + " " + hand_text(p.other) +
         " " + (p.trick_position == 1 ? std::string("-") : CardText(p.trick[1]));
}

}  // namespace quorvex::testing
