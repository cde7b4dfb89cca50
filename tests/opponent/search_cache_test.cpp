// The position cache: keys, the ten lists, the entry limit, and how the search uses them.
#include <gtest/gtest.h>

#include "opponent/play_search.h"
#include "opponent/search_cache.h"
#include "opponent/search_test_util.h"

namespace quorvex::testing {
namespace {

SearchHand HandWithEmptySlots(std::initializer_list<int> empty) {
  SearchHand hand;
  for (int slot = 1; slot <= 13; ++slot) {
    hand.card[slot] = DeckCard(slot);
    hand.rank[slot] = RankValue(hand.card[slot]);
  }
  for (int slot : empty) {
    hand.card[slot] = kEmptyCard;
    hand.rank[slot] = kEmptyRank;
  }
  return hand;
}

TEST(SearchCacheKey, EmptySlotsInBaseThirteen) {
  EXPECT_EQ(SearchCache::HandKey(HandWithEmptySlots({2})), 1u);
  EXPECT_EQ(SearchCache::HandKey(HandWithEmptySlots({1, 2})), 13u);
  EXPECT_EQ(SearchCache::HandKey(HandWithEmptySlots({2, 5})), 1u + 4u * 13u);
  // A compact hand of ten cards: slots 11, 12 and 13 empty.
  EXPECT_EQ(SearchCache::HandKey(HandWithEmptySlots({11, 12, 13})), 10u + 11u * 13u + 12u * 169u);
  // All thirteen empty: the largest key, still exact in a double.
  uint64_t all = 0;
  uint64_t power = 1;
  for (uint64_t k = 0; k < 13; ++k, power *= 13) all += k * power;
  EXPECT_EQ(SearchCache::EmptySlotsKey(0x1FFF), all);
}

SearchCache::Entry MakeEntry(uint64_t key1, uint64_t key2, uint8_t role, uint8_t declarer,
                             uint8_t defender = 0) {
  SearchCache::Entry e;
  e.key1 = key1;
  e.key2 = key2;
  e.role = role;
  e.declarer = declarer;
  e.defender = defender;
  return e;
}

// Keys above every real hand key, so that these entries never answer a real position.
constexpr uint64_t kFiller = 1ull << 60;

void FillList(SearchCache& cache, int cards, int entries) {
  for (int i = 0; i < entries; ++i) ASSERT_TRUE(cache.Add(cards, MakeEntry(kFiller + i, 7, 1, 2)));
}

TEST(SearchCacheLists, LimitStopsGrowthButLookupsStillHit) {
  SearchCache cache;
  FillList(cache, 5, SearchCache::kListLimit);
  // Holding exactly the limit, a list still takes one more entry.
  EXPECT_TRUE(cache.Add(5, MakeEntry(1, 2, 1, 4, 1)));
  EXPECT_EQ(cache.Size(5), SearchCache::kListLimit + 1);
  EXPECT_FALSE(cache.Add(5, MakeEntry(3, 4, 2, 1)));
  EXPECT_EQ(cache.Size(5), SearchCache::kListLimit + 1);
  EXPECT_EQ(cache.Find(5, 3, 4, 2), nullptr);

  const SearchCache::Entry* first = cache.Find(5, kFiller, 7, 1);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->declarer, 2);
  const SearchCache::Entry* last = cache.Find(5, 1, 2, 1);
  ASSERT_NE(last, nullptr);
  EXPECT_EQ(last->declarer, 4);
  EXPECT_EQ(last->defender, 1);
  // The role is part of the name of a position; other lists are separate.
  EXPECT_EQ(cache.Find(5, 1, 2, 2), nullptr);
  EXPECT_EQ(cache.Find(6, 1, 2, 1), nullptr);
  EXPECT_TRUE(cache.Add(6, MakeEntry(1, 2, 1, 0)));

  cache.Clear();
  EXPECT_EQ(cache.Size(5), 0);
  EXPECT_EQ(cache.Size(6), 0);
  EXPECT_EQ(cache.Find(5, 1, 2, 1), nullptr);
  EXPECT_TRUE(cache.Add(5, MakeEntry(1, 2, 1, 3)));
  EXPECT_EQ(cache.Find(5, 1, 2, 1)->declarer, 3);
}

TEST(SearchCacheLists, OnlyThreeToTwelveCards) {
  SearchCache cache;
  for (int cards : {0, 1, 2, 13, 14}) {
    EXPECT_FALSE(cache.Add(cards, MakeEntry(1, 2, 1, 1))) << cards;
    EXPECT_EQ(cache.Find(cards, 1, 2, 1), nullptr) << cards;
    EXPECT_EQ(cache.Size(cards), 0) << cards;
  }
  EXPECT_TRUE(cache.Add(3, MakeEntry(1, 2, 1, 1)));
  EXPECT_TRUE(cache.Add(12, MakeEntry(1, 2, 1, 1)));
}

// The defender follows the declarer's ace with its only heart; the declarer then leads with three
// cards left each and no claim (its five of clubs is below the king): a position for list 3.
class SearchCacheUse : public ::testing::Test {
 protected:
  const SearchPosition position_ = PositionFromText("n 2 1 1 2h,Kc,4d,2s 5c,Qd,3s Ah");

  // Keys of the position after the first trick: the declarer (the other hand) leads.
  uint64_t LeaderKey() const { return SearchCache::HandKey(position_.other); }
  uint64_t FollowerKey() const {
    SearchHand after = position_.mover;
    after.card[1] = kEmptyCard;
    after.rank[1] = kEmptyRank;
    return SearchCache::HandKey(after);
  }
};

TEST_F(SearchCacheUse, SearchStoresLeadingPositions) {
  SearchCache cache;
  const SearchResult r = PlaySearch(position_, cache);
  EXPECT_EQ(r.declarer, 3);
  EXPECT_EQ(r.defender, 1);
  const SearchCache::Entry* e = cache.Find(3, LeaderKey(), FollowerKey(), 1);
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->declarer, 2);
  EXPECT_EQ(e->defender, 1);

  SearchPosition no_cache = position_;
  no_cache.use_cache = false;
  SearchCache untouched;
  EXPECT_EQ(PlaySearch(no_cache, untouched).declarer, 3);
  EXPECT_EQ(untouched.Size(3), 0);
}

TEST_F(SearchCacheUse, FullListIsStillReadButNotWritten) {
  SearchCache cache;
  FillList(cache, 3, SearchCache::kListLimit + 1);
  SearchResult r = PlaySearch(position_, cache);
  EXPECT_EQ(r.declarer, 3);
  EXPECT_EQ(cache.Size(3), SearchCache::kListLimit + 1);
  EXPECT_EQ(cache.Find(3, LeaderKey(), FollowerKey(), 1), nullptr);

  // A value planted in the full list is found and believed: the lookup still scans it.
  cache.Clear();
  FillList(cache, 3, SearchCache::kListLimit);
  ASSERT_TRUE(cache.Add(3, MakeEntry(LeaderKey(), FollowerKey(), 1, 0, 3)));
  r = PlaySearch(position_, cache);
  EXPECT_EQ(r.declarer, 1);  // the ace, then none of the planted three
  EXPECT_EQ(r.defender, 3);
}

}  // namespace
}  // namespace quorvex::testing
