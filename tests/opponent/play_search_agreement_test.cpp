// The fast play search against the plain reference search: every root result must be identical.
#include <algorithm>
#include <random>

#include <gtest/gtest.h>

#include "opponent/play_search.h"
#include "opponent/reference_search.h"
#include "opponent/search_cache.h"
#include "opponent/search_test_util.h"

namespace quorvex::testing {
namespace {

constexpr char kTrumps[5] = {kClubs, kDiamonds, kHearts, kSpades, kNoSuit};

// Cards of a random small deck: sometimes few suits or a narrow band of ranks, so that runs,
// gaps, voids and claims all come up often.
std::vector<TCard> RandomDeck(std::mt19937_64& rng) {
  const int suits = 1 + static_cast<int>(rng() % 4);
  const int low = 1 + static_cast<int>(rng() % 7);
  const bool narrow = rng() % 3 == 0;
  const int first_suit = static_cast<int>(rng() % 4);
  std::vector<TCard> deck;
  for (int s = 0; s < suits; ++s)
    for (int r = narrow ? low : 1; r <= (narrow ? low + 6 : 13); ++r)
      deck.push_back(TCard{RankByte(r), SuitByte((first_suit + s) % 4)});
  std::shuffle(deck.begin(), deck.end(), rng);
  return deck;
}

// Places cards into 13 slots: compact, or with empty slots in between; in the game's order or
// in any order.
SearchHand RandomLayout(std::mt19937_64& rng, std::vector<TCard> cards, char trump) {
  const int kind = static_cast<int>(rng() % 4);
  if (kind == 3)
    std::shuffle(cards.begin(), cards.end(), rng);
  else
    cards = SortedForTrump(cards, trump);
  if (kind == 0) return CompactHand(cards);
  std::vector<int> slots(13);
  for (int i = 0; i < 13; ++i) slots[i] = i + 1;
  std::shuffle(slots.begin(), slots.end(), rng);
  slots.resize(cards.size());
  std::sort(slots.begin(), slots.end());
  return HandInSlots(cards, slots);
}

SearchPosition RandomPosition(std::mt19937_64& rng, int cards, bool prune, bool cache) {
  std::vector<TCard> deck;
  while (static_cast<int>(deck.size()) < 2 * cards) deck = RandomDeck(rng);
  SearchPosition p;
  p.trump = kTrumps[rng() % 5];
  p.role = 1 + static_cast<int>(rng() % 2);
  p.use_pruning = prune;
  p.use_cache = cache;
  const bool follow = rng() % 2 == 0;
  std::vector<TCard> mover(deck.begin(), deck.begin() + cards);
  std::vector<TCard> other(deck.begin() + cards, deck.begin() + 2 * cards - (follow ? 1 : 0));
  p.mover = RandomLayout(rng, mover, p.trump);
  p.other = RandomLayout(rng, other, p.trump);
  if (follow) {
    p.trick_position = 2;
    p.trick[1] = deck[2 * cards - 1];
    p.trick_rank[1] = RankValue(p.trick[1]);
  }
  return p;
}

void ExpectSame(const SearchPosition& p, SearchCache& cache, ReferenceSearch& reference) {
  cache.Clear();
  const SearchResult fast = PlaySearch(p, cache);
  const SearchResult slow = reference.Run(p);
  ASSERT_EQ(fast.slot, slow.slot) << PositionText(p);
  ASSERT_EQ(fast.declarer, slow.declarer) << PositionText(p);
  ASSERT_EQ(fast.defender, slow.defender) << PositionText(p);
}

TEST(PlaySearchAgreement, RandomPositionsUpToEightCardsWithEveryFlag) {
  SearchCache cache;
  ReferenceSearch reference;
  for (int flags = 0; flags < 4; ++flags) {
    const bool prune = flags & 1;
    const bool use_cache = flags & 2;
    std::mt19937_64 rng(1000 + flags);
    for (int i = 0; i < 1000; ++i) {
      // Mostly small positions; the large ones are slow without pruning and cache.
      const int cards =
          i % 5 == 0 ? 6 + static_cast<int>(rng() % 3) : 1 + static_cast<int>(rng() % 5);
      ExpectSame(RandomPosition(rng, cards, prune, use_cache), cache, reference);
      if (::testing::Test::HasFatalFailure()) return;
    }
  }
}

// Whole deals as the game searches them: the bidding forecast (five denominations, hands in the
// order of the auction), then the first card of the contract, leading or following, with the
// trump suit sorted last.
TEST(PlaySearchAgreement, FullDeals) {
  SearchCache cache;
  ReferenceSearch reference;
  for (uint64_t seed : {11u, 12u, 13u}) {
    std::vector<TCard> first;
    std::vector<TCard> second;
    DealTwoHands(seed, first, second);
    SearchPosition p;
    p.role = seed % 2 == 0 ? 1 : 2;
    p.use_pruning = true;
    p.use_cache = true;
    for (char trump : kTrumps) {
      p.trump = trump;
      p.mover = CompactHand(SortedForTrump(first, kNoSuit));
      p.other = CompactHand(SortedForTrump(second, kNoSuit));
      ExpectSame(p, cache, reference);
      if (::testing::Test::HasFatalFailure()) return;
    }
    p.trump = kTrumps[seed % 5];
    p.mover = CompactHand(SortedForTrump(first, p.trump));
    p.other = CompactHand(SortedForTrump(second, p.trump));
    ExpectSame(p, cache, reference);
    // The other hand led its first card.
    const TCard led = second.front();
    p.other =
        CompactHand(SortedForTrump(std::vector<TCard>(second.begin() + 1, second.end()), p.trump));
    p.trick[1] = led;
    p.trick_rank[1] = RankValue(led);
    p.trick_position = 2;
    ExpectSame(p, cache, reference);
    if (::testing::Test::HasFatalFailure()) return;
  }
}

}  // namespace
}  // namespace quorvex::testing
