#include "opponent/search_cache.h"

#include <algorithm>

#include "opponent/play_search.h"

namespace quorvex {

namespace {

constexpr size_t kFirstCapacity = 1024;

// Keys of all 8192 sets of empty slots. The largest key is below 13^13 < 2^53, so the sum is the
// same whether it is formed in floating point or in integers.
const std::array<uint64_t, 8192>& KeyTable() {
  static const std::array<uint64_t, 8192> table = [] {
    std::array<uint64_t, 8192> keys{};
    for (unsigned mask = 0; mask < 8192; ++mask) {
      uint64_t key = 0;
      uint64_t power = 1;
      for (unsigned slot = 1; slot <= 13; ++slot) {
        if (mask & (1u << (slot - 1))) {
          key += (slot - 1) * power;
          power *= 13;
        }
      }
      keys[mask] = key;
    }
    return keys;
  }();
  return table;
}

}  // namespace

SearchCache::SearchCache() = default;

void SearchCache::Clear() {
  for (List& list : lists_) list.count = 0;
  if (++generation_ == 0) {
    // After four billion clears the stamps could repeat: forget them all once.
    for (List& list : lists_)
      for (Cell& cell : list.cells) cell.stamp = 0;
    generation_ = 1;
  }
}

uint64_t SearchCache::EmptySlotsKey(unsigned empty_mask) {
  return KeyTable()[empty_mask & 8191u];
}

uint64_t SearchCache::HandKey(const SearchHand& hand) {
  unsigned empty = 0;
  for (int slot = 1; slot <= 13; ++slot)
    if (hand.card[slot].Empty()) empty |= 1u << (slot - 1);
  return EmptySlotsKey(empty);
}

size_t SearchCache::Hash(uint64_t key1, uint64_t key2, uint8_t role) {
  uint64_t h = key1 * 0x9E3779B97F4A7C15ull;
  h ^= (key2 + role) * 0xC2B2AE3D27D4EB4Full;
  h ^= h >> 29;
  h *= 0xBF58476D1CE4E5B9ull;
  h ^= h >> 32;
  return static_cast<size_t>(h);
}

const SearchCache::Entry* SearchCache::Find(int cards, uint64_t key1, uint64_t key2,
                                            uint8_t role) const {
  if (cards < kMinCards || cards > kMaxCards) return nullptr;
  const List& list = lists_[cards - kMinCards];
  if (list.count == 0) return nullptr;
  const size_t mask = list.cells.size() - 1;
  for (size_t i = Hash(key1, key2, role) & mask;; i = (i + 1) & mask) {
    const Cell& cell = list.cells[i];
    if (cell.stamp != generation_) return nullptr;
    const Entry& e = cell.entry;
    if (e.key1 == key1 && e.key2 == key2 && e.role == role) return &e;
  }
}

bool SearchCache::Add(int cards, const Entry& entry) {
  if (cards < kMinCards || cards > kMaxCards) return false;
  List& list = lists_[cards - kMinCards];
  if (list.count > kListLimit) return false;
  // Keep the load at most three quarters so that probes stay short.
  if (static_cast<size_t>(list.count + 1) * 4 > list.cells.size() * 3) Grow(list);
  const size_t mask = list.cells.size() - 1;
  size_t i = Hash(entry.key1, entry.key2, entry.role) & mask;
  while (list.cells[i].stamp == generation_) i = (i + 1) & mask;
  list.cells[i].entry = entry;
  list.cells[i].stamp = generation_;
  ++list.count;
  return true;
}

int SearchCache::Size(int cards) const {
  if (cards < kMinCards || cards > kMaxCards) return 0;
  return lists_[cards - kMinCards].count;
}

void SearchCache::Grow(List& list) {
  std::vector<Cell> old;
  old.swap(list.cells);
  list.cells.assign(std::max(kFirstCapacity, old.size() * 2), Cell{});
  const size_t mask = list.cells.size() - 1;
  for (const Cell& cell : old) {
    if (cell.stamp != generation_) continue;
    size_t i = Hash(cell.entry.key1, cell.entry.key2, cell.entry.role) & mask;
    while (list.cells[i].stamp == generation_) i = (i + 1) & mask;
    list.cells[i] = cell;
  }
}

}  // namespace quorvex
