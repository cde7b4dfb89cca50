// The play search proper: alpha-beta over the bit-mask board, with the position cache.
#pragma once

#include <cstdint>

#include "opponent/play_search.h"
#include "opponent/search_board.h"

namespace quorvex::search_detail {

// One root search. Values are the declarer's tricks from a node to the end of the deal, the trick
// in progress included; the defender's are the rest of the tricks, since a node's two counts
// always add up to the cards left of the player to move.
//
// A node is searched with a window (alpha, beta) and answers with a range [lo, hi] holding its
// exact value: either hi <= alpha (not better than alpha for the maximiser), or lo >= beta, or
// lo == hi. Only exact values (lo == hi) reach the cache, so a cached value never depends on the
// window it was found with, and the root's choice is the same as that of the search without
// cut-offs.
class SearchEngine {
 public:
  // The position must pass CheckSearchPosition.
  SearchEngine(const SearchPosition& position, SearchCache& cache);

  SearchResult Run();

  // Nodes visited, for the benchmark.
  uint64_t nodes() const { return nodes_; }

 private:
  struct Range {
    int lo;
    int hi;
  };

  Range Lead(int leader, int alpha, int beta);
  Range Follow(int follower, int led_suit, int led_rank, int alpha, int beta);
  // Plays the follower's card in `bit` and searches on from the completed trick.
  Range FinishTrick(int follower, int bit, int led_suit, int led_rank, int alpha, int beta);
  // The root's move in `bit`, searched with the window (alpha, beta).
  Range RootChild(int bit, int alpha, int beta);

  int OrderLeads(int leader, uint16_t moves, int* order) const;
  int OrderFollows(int follower, uint16_t moves, int led_suit, int led_rank, int* order) const;

  Board board_;
  uint8_t role_[2] = {1, 2};
  bool prune_ = false;
  bool use_cache_ = false;
  bool root_leads_ = true;
  int led_suit_ = 0;  // the trick card when the root follows
  int led_rank_ = 0;
  SearchCache& cache_;
  uint64_t nodes_ = 0;
};

}  // namespace quorvex::search_detail
