// Root decisions that pin single rules of the play search. Each case is small enough to follow
// by hand; the plain reference search must agree with the pinned result as well.
#include <gtest/gtest.h>

#include "opponent/play_search.h"
#include "opponent/reference_search.h"
#include "opponent/search_cache.h"
#include "opponent/search_test_util.h"

namespace quorvex::testing {
namespace {

struct RootCase {
  const char* why;
  const char* line;  // trump role prune cache mover other trick
  int slot;
  int declarer;
  int defender;
};

const RootCase kRootCases[] = {
    // Equivalent cards: J and Q with nothing between them in the other hand.
    {"without pruning the queen takes the jack's value and, higher, is played",
     "n 1 0 0 Jh,Qh 2h,3h -", 2, 2, 0},
    {"with pruning a leader's skipped queen is neither tried nor valued", "n 1 1 0 Jh,Qh 2h,3h -",
     1, 2, 0},
    {"the same with the cache on", "n 1 1 1 Jh,Qh 2h,3h -", 1, 2, 0},

    // Following below the ace: pruning tries the first slot of the suit only, here the nine,
    // which the defender needed later to beat the five.
    {"no winner, pruning: the first slot of the led suit", "n 2 1 0 9h,2h,Kc 5h,Qc Ah", 1, 2, 1},
    {"no winner, no pruning: the two is the better card", "n 2 0 0 9h,2h,Kc 5h,Qc Ah", 2, 1, 2},

    // Void in the led suit: every discard loses all three tricks, so the card played shows which
    // cards were tried or valued (the highest of them is played).
    {"void, pruning: the king follows a club in the slot before it and is dropped",
     "n 2 1 0 2c,Kc,5d Kh,Qh Ah", 3, 3, 0},
    {"void, no pruning: the king shares the two's value", "n 2 0 0 2c,Kc,5d Kh,Qh Ah", 2, 3, 0},
    {"void, pruning: an empty slot before the king never matches, so it is valued",
     "n 2 1 0 2c,--,Kc,5d Kh,Qh Ah", 3, 3, 0},
    {"void, pruning: runs of trumps keep only their first card", "s 2 1 0 2s,As,5d Kh,Qh Ah", 1, 0,
     3},
    {"void, no pruning: the ace of trumps shares the two's value", "s 2 0 0 2s,As,5d Kh,Qh Ah", 2,
     0, 3},

    // The claim. After the ace of diamonds the leader's queen covers the other's five of clubs:
    // it is credited with both remaining tricks, although the pruned search would only lead the
    // two (the queen sits in the first club slot) and lose it.
    {"a claim credits every remaining trick", "n 1 1 0 Ad,Qc,2c 2h,5c,5d -", 1, 3, 0},
    {"a claim is never made at the root", "n 1 1 0 Qc,2c 2h,5c -", 2, 0, 2},
    {"no claim while holding fewer trumps", "s 1 1 0 Ad,Qc,2c 2s,5c,5d -", 1, 1, 2},

    // One trick left: one for the side that wins it, none for the other.
    {"last trick led and lost", "h 1 0 0 2h Ah -", 1, 0, 1},
    {"last trick led by the defender and lost", "h 2 0 0 2h Ah -", 1, 1, 0},
    {"last trick ruffed by the defender", "s 2 0 0 2s - Ah", 1, 0, 1},
    {"last trick, a discard", "n 2 0 0 2s - Ah", 1, 1, 0},
};

TEST(PlaySearchRules, RootDecisions) {
  SearchCache cache;
  ReferenceSearch reference;
  for (const RootCase& c : kRootCases) {
    SCOPED_TRACE(std::string(c.why) + ": " + c.line);
    const SearchPosition p = PositionFromText(c.line);
    cache.Clear();
    const SearchResult fast = PlaySearch(p, cache);
    EXPECT_EQ(fast.slot, c.slot);
    EXPECT_EQ(fast.declarer, c.declarer);
    EXPECT_EQ(fast.defender, c.defender);
    const SearchResult slow = reference.Run(p);
    EXPECT_EQ(slow.slot, c.slot);
    EXPECT_EQ(slow.declarer, c.declarer);
    EXPECT_EQ(slow.defender, c.defender);
  }
}

TEST(PlaySearchRules, ImpossiblePositionGetsNoSlot) {
  SearchCache cache;
  SearchPosition p = PositionFromText("n 1 1 1 Ah,Kh 2h,3h -");
  p.other.card[2] = kEmptyCard;  // the other hand now holds one card fewer than the leader
  p.other.rank[2] = kEmptyRank;
  EXPECT_EQ(PlaySearch(p, cache).slot, 0);
}

}  // namespace
}  // namespace quorvex::testing
