#include "opponent/reference_search.h"

#include <algorithm>
#include <vector>

namespace quorvex::testing {

namespace {

constexpr int kNone = 20;
const char kSuits[4] = {kHearts, kDiamonds, kClubs, kSpades};

}  // namespace

SearchResult ReferenceSearch::Run(const SearchPosition& position) {
  trump_ = position.trump;
  prune_ = position.use_pruning;
  memo_.clear();
  Node root{position.mover,
            position.other,
            position.trick,
            position.trick_rank,
            position.role,
            position.trick_position,
            1};
  SearchResult result;
  Search(root, &result);
  return result;
}

uint64_t ReferenceSearch::Key(const Node& n) {
  // Slots never move during a search and each hand keeps its role, so the filled slots of both
  // hands, the role of the mover and the trick name the position.
  uint64_t key = 0;
  for (const SearchHand* h : {&n.mover, &n.other})
    for (int i = 1; i <= 13; ++i) key = key * 2 + (h->card[i].Empty() ? 0 : 1);
  const int led = n.trick[1].Empty() ? 0 : SuitIndex(n.trick[1].suit) * 13 + n.trick_rank[1];
  return (key * 64 + static_cast<uint64_t>(led)) * 4 + static_cast<uint64_t>(n.role);
}

bool ReferenceSearch::Claim(const Node& n) const {
  auto count = [](const SearchHand& h, char suit) {
    int c = 0;
    for (int i = 1; i <= 13; ++i)
      if (!h.card[i].Empty() && h.card[i].suit == suit) ++c;
    return c;
  };
  if (trump_ != kNoSuit && count(n.mover, trump_) < count(n.other, trump_)) return false;
  for (char suit : kSuits) {
    const int m = std::min(count(n.mover, suit), count(n.other, suit));
    if (m == 0) continue;
    std::vector<int> mine;
    int theirs = 0;
    for (int i = 1; i <= 13; ++i) {
      if (!n.mover.card[i].Empty() && n.mover.card[i].suit == suit) mine.push_back(n.mover.rank[i]);
      if (!n.other.card[i].Empty() && n.other.card[i].suit == suit)
        theirs = std::max<int>(theirs, n.other.rank[i]);
    }
    std::sort(mine.rbegin(), mine.rend());
    if (mine[m - 1] < theirs) return false;
  }
  return true;
}

ReferenceSearch::Counts ReferenceSearch::Search(const Node& n, SearchResult* root) {
  const SearchHand& hand = n.mover;
  int left = 0;
  for (int i = 1; i <= 13; ++i)
    if (!hand.card[i].Empty()) ++left;

  if (n.position == 1 && n.depth > 1 && Claim(n))
    return n.role == 1 ? Counts{left, 0} : Counts{0, left};
  uint64_t key = 0;
  if (n.depth > 1) {
    key = Key(n);
    auto it = memo_.find(key);
    if (it != memo_.end()) return it->second;
  }

  // Skip set: the rank values per suit held by the other hand or lying in the trick.
  bool in_set[4][14] = {};
  for (int j = 1; j <= 13; ++j)
    if (!n.other.card[j].Empty()) in_set[SuitIndex(n.other.card[j].suit)][n.other.rank[j]] = true;
  for (int t = 1; t <= 4; ++t)
    if (!n.trick[t].Empty()) in_set[SuitIndex(n.trick[t].suit)][n.trick_rank[t]] = true;
  bool skip[14] = {};
  for (int i = 1, p = 0; i <= 13; ++i) {
    if (hand.card[i].Empty()) continue;
    if (p != 0 && hand.card[p].suit == hand.card[i].suit) {
      const int lo = std::min(hand.rank[p], hand.rank[i]);
      const int hi = std::max(hand.rank[p], hand.rank[i]);
      bool gap_held = false;
      for (int r = lo + 1; r < hi; ++r)
        if (in_set[SuitIndex(hand.card[i].suit)][r]) gap_held = true;
      if (hand.rank[i] == hand.rank[p] + 1 || !gap_held) skip[i] = true;
    }
    p = i;
  }

  // Legal and eligible slots.
  const char led = n.position == 2 ? n.trick[1].suit : kNoSuit;
  bool holds_led = false;
  int my_high = 0;
  int table_high = 0;
  for (int i = 1; i <= 13; ++i)
    if (n.position == 2 && !hand.card[i].Empty() && hand.card[i].suit == led) {
      holds_led = true;
      my_high = std::max<int>(my_high, hand.rank[i]);
    }
  for (int t = 1; t <= 4; ++t)
    if (!n.trick[t].Empty() && n.trick[t].suit == led)
      table_high = std::max<int>(table_high, n.trick_rank[t]);
  bool legal[14] = {};
  bool eligible[14] = {};
  for (int i = 1; i <= 13; ++i) {
    legal[i] = !hand.card[i].Empty() && (!holds_led || hand.card[i].suit == led);
    eligible[i] = true;
  }
  if (prune_ && n.position == 2) {
    if (holds_led) {
      for (int i = 1; i <= 13; ++i) eligible[i] = false;
      for (int i = 1; i <= 13; ++i) {
        if (hand.card[i].Empty() || hand.card[i].suit != led) continue;
        if (my_high < table_high || hand.rank[i] > table_high) {
          eligible[i] = true;
          break;
        }
      }
    } else {
      for (int i = 2; i <= 13; ++i)
        if (!hand.card[i - 1].Empty() && hand.card[i].suit == hand.card[i - 1].suit)
          eligible[i] = false;
    }
  } else if (prune_) {
    for (char suit : kSuits) {
      std::vector<int> slots;
      for (int i = 1; i <= 13; ++i)
        if (!hand.card[i].Empty() && hand.card[i].suit == suit && !skip[i]) slots.push_back(i);
      for (int i = 1; i <= 13; ++i)
        if (!hand.card[i].Empty() && hand.card[i].suit == suit) eligible[i] = false;
      for (size_t k = 0; k < slots.size(); ++k)
        if (k > 0 || slots.size() == 1) eligible[slots[k]] = true;
    }
  }

  Counts result[14];
  for (int i = 1; i <= 13; ++i) result[i] = {kNone, kNone};
  for (int i = 13; i >= 1; --i) {
    if (hand.card[i].Empty() || skip[i] || !eligible[i] || !legal[i]) continue;
    Node next = n;
    next.trick[n.position] = hand.card[i];
    next.trick_rank[n.position] = hand.rank[i];
    next.mover.card[i] = kEmptyCard;
    next.mover.rank[i] = kEmptyRank;
    next.depth = n.depth + 1;
    if (n.position == 1) {
      std::swap(next.mover, next.other);
      next.role = 3 - n.role;
      next.position = 2;
      result[i] = Search(next, nullptr);
      continue;
    }
    // Trick complete: the highest trump, else the highest card of the led suit.
    int winner = 1;
    for (int t = 2; t <= 2; ++t) {
      const TCard& a = next.trick[winner];
      const TCard& b = next.trick[t];
      const bool b_trumps = trump_ != kNoSuit && b.suit == trump_;
      const bool a_trumps = trump_ != kNoSuit && a.suit == trump_;
      if ((b_trumps && !a_trumps) ||
          (b.suit == a.suit && next.trick_rank[t] > next.trick_rank[winner]))
        winner = t;
    }
    const bool mover_won = winner == 2;
    const int won_role = mover_won ? n.role : 3 - n.role;
    bool empty = true;
    for (int j = 1; j <= 13; ++j)
      if (!next.mover.card[j].Empty()) empty = false;
    Counts c{0, 0};
    if (!empty) {
      next.trick.fill(kEmptyCard);
      next.trick_rank.fill(kEmptyRank);
      next.position = 1;
      if (!mover_won) {
        std::swap(next.mover, next.other);
        next.role = 3 - n.role;
      }
      c = Search(next, nullptr);
    }
    (won_role == 1 ? c.first : c.second) += 1;
    result[i] = c;
  }

  // The node's choice: the first slot with the fewest tricks for the other side.
  int choice = 1;
  for (int i = 1; i <= 13; ++i) {
    const int v = n.role == 1 ? result[i].second : result[i].first;
    const int best = n.role == 1 ? result[choice].second : result[choice].first;
    if (v < best) choice = i;
  }
  Counts counts = result[choice];

  if (root != nullptr) {
    Counts remembered{kNone, kNone};
    for (int i = 1; i <= 13; ++i) {
      if (result[i].first != kNone)
        remembered = result[i];
      else if (!hand.card[i].Empty() && skip[i] && eligible[i] && legal[i])
        result[i] = remembered;
    }
    int target = -1;
    for (int i = 1; i <= 13; ++i) {
      if (result[i].first == kNone) continue;
      if (target < 0 || (n.role == 1 ? result[i].first > target : result[i].first < target))
        target = result[i].first;
    }
    int chosen = 0;
    for (int r = 13; r >= 1 && chosen == 0; --r)
      for (int i = 13; i >= 1 && chosen == 0; --i)
        if (result[i].first != kNone && result[i].first == target && hand.rank[i] == r) chosen = i;
    if (chosen != 0) {
      choice = chosen;
      counts = result[chosen];
    }
    root->slot = choice;
    root->declarer = static_cast<uint8_t>(counts.first);
    root->defender = static_cast<uint8_t>(counts.second);
    return counts;
  }
  memo_[key] = counts;
  return counts;
}

}  // namespace quorvex::testing
