// Position cache of the play search: exact results of leading positions already searched.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace quorvex {

struct SearchHand;

// Ten lists, one per count of cards left in the leader's hand (3..12). A position is named by the
// keys of both hands (which slots are empty) and the leader's role; within one root search the
// slots never move, so that names the cards still held. Each list is a hash table, so a lookup
// costs the same however full the list is.
class SearchCache {
 public:
  static constexpr int kMinCards = 3;
  static constexpr int kMaxCards = 12;
  // A list accepts a new entry while it holds at most this many, so it ends with one more.
  static constexpr int kListLimit = 48000;

  struct Entry {
    uint64_t key1 = 0;  // the leader's hand
    uint64_t key2 = 0;  // the other hand
    uint8_t role = 0;   // the leader's role: 1 declarer's side, 2 defender's
    uint8_t declarer = 0;
    uint8_t defender = 0;
  };

  SearchCache();

  // Empties every list; cheap however large the lists have grown (their storage is kept).
  void Clear();

  // Key of a hand: with i0 < i1 < ... the numbers of its empty slots, the sum of (ik - 1) * 13^k.
  static uint64_t HandKey(const SearchHand& hand);
  // The same key from a mask of empty slots, bit 0 standing for slot 1.
  static uint64_t EmptySlotsKey(unsigned empty_mask);

  // The entry for the position, or nullptr. cards outside 3..12 never match.
  const Entry* Find(int cards, uint64_t key1, uint64_t key2, uint8_t role) const;
  // Appends an entry unless cards is outside 3..12 or the list is full; returns whether it did.
  bool Add(int cards, const Entry& entry);
  // Entries held in the list for a count of cards (0 outside 3..12).
  int Size(int cards) const;

 private:
  struct Cell {
    Entry entry;
    uint32_t stamp = 0;  // the cell is live only when this equals the cache's generation
  };
  struct List {
    std::vector<Cell> cells;  // power-of-two size, open addressing with linear probing
    int count = 0;
  };

  static std::size_t Hash(uint64_t key1, uint64_t key2, uint8_t role);
  void Grow(List& list);

  std::array<List, kMaxCards - kMinCards + 1> lists_;
  uint32_t generation_ = 1;
};

}  // namespace quorvex
