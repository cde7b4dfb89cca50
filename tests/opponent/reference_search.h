// A plain play search for checking the fast one: every rule written out on card slots, every
// level on its own copies, no cut-offs at all. Results below the root are kept in a map, which
// changes nothing since they are exact.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <utility>

#include "opponent/play_search.h"

namespace quorvex::testing {

class ReferenceSearch {
 public:
  // The cache flag of the position is ignored: the map is always used.
  SearchResult Run(const SearchPosition& position);

 private:
  struct Node {
    SearchHand mover;
    SearchHand other;
    std::array<TCard, 5> trick;
    std::array<uint8_t, 5> trick_rank;
    int role;
    int position;
    int depth;
  };
  using Counts = std::pair<int, int>;  // declarer, defender

  Counts Search(const Node& node, SearchResult* root);
  bool Claim(const Node& node) const;
  static uint64_t Key(const Node& node);

  char trump_ = kNoSuit;
  bool prune_ = false;
  std::unordered_map<uint64_t, Counts> memo_;
};

}  // namespace quorvex::testing
