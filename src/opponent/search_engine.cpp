#include "opponent/search_engine.h"

#include "game/card.h"
#include "opponent/search_cache.h"

namespace quorvex::search_detail {

namespace {

// Leading positions with at most this many cards each are always searched for their exact value.
constexpr int kFullWindowCards = 5;

// Sorts the first n entries of order by descending score (stable, small n).
void SortByScore(int* order, int* score, int n) {
  for (int i = 1; i < n; ++i) {
    const int o = order[i];
    const int s = score[i];
    int j = i - 1;
    for (; j >= 0 && score[j] < s; --j) {
      order[j + 1] = order[j];
      score[j + 1] = score[j];
    }
    order[j + 1] = o;
    score[j + 1] = s;
  }
}

}  // namespace

SearchEngine::SearchEngine(const SearchPosition& position, SearchCache& cache) : cache_(cache) {
  const SearchHand* hands[2] = {&position.mover, &position.other};
  for (int h = 0; h < 2; ++h) {
    for (int b = 0; b < 13; ++b) {
      const TCard& card = hands[h]->card[b + 1];
      if (card.Empty()) continue;
      const int s = SuitIndex(card.suit);
      const int r = hands[h]->rank[b + 1];
      board_.suit[h][b] = static_cast<uint8_t>(s);
      board_.rank[h][b] = static_cast<uint8_t>(r);
      board_.suit_slots[h][s] |= static_cast<uint16_t>(1u << b);
      board_.held[h] |= static_cast<uint16_t>(1u << b);
      board_.ranks[h][s] |= RankBit(r);
      if (b > 0 && !hands[h]->card[b].Empty() && hands[h]->card[b].suit == card.suit)
        board_.same_suit_as_previous[h] |= static_cast<uint16_t>(1u << b);
    }
  }
  board_.trump = position.trump == kNoSuit ? kNoTrumpSuit : SuitIndex(position.trump);
  role_[0] = static_cast<uint8_t>(position.role);
  role_[1] = static_cast<uint8_t>(3 - position.role);
  prune_ = position.use_pruning;
  use_cache_ = position.use_cache;
  root_leads_ = position.trick_position == 1;
  if (!root_leads_) {
    led_suit_ = SuitIndex(position.trick[1].suit);
    led_rank_ = position.trick_rank[1];
  }
}

SearchResult SearchEngine::Run() {
  uint16_t valued = 0;
  const uint16_t moves = root_leads_ ? board_.LeadMoves(0, prune_, valued)
                                     : board_.FollowMoves(0, led_suit_, led_rank_, prune_, valued);
  const int total = Count(board_.held[0]);
  // Nothing to try: every slot stays unevaluated and the first one is the node's choice.
  if (moves == 0) return SearchResult{1, 20, 20};

  int order[13];
  const int n = root_leads_ ? OrderLeads(0, moves, order)
                            : OrderFollows(0, moves, led_suit_, led_rank_, order);
  const bool maximize = role_[0] == 1;

  // Only whether each slot equals the best declarer count matters at the root: the worse ones
  // are searched with a window that just proves them worse.
  enum : uint8_t { kWorse, kBest };
  uint8_t status[13] = {};
  int best = -1;
  for (int i = 0; i < n; ++i) {
    const int bit = order[i];
    bool improved = false;
    if (best < 0) {
      best = RootChild(bit, -1, total + 1).lo;
      improved = true;
    } else {
      const Range r = RootChild(bit, best - 1, best + 1);
      if (maximize ? r.hi <= best - 1 : r.lo >= best + 1) {
        status[bit] = kWorse;
        continue;
      }
      if (maximize ? r.lo >= best + 1 : r.hi <= best - 1) {
        // Better than the best so far: its exact count is needed, unless already known.
        if (r.lo == r.hi)
          best = r.lo;
        else
          best = maximize ? RootChild(bit, best, total + 1).lo : RootChild(bit, -1, best).hi;
        improved = true;
      }
    }
    if (improved)
      for (int j = 0; j < i; ++j) status[order[j]] = kWorse;
    status[bit] = kBest;
  }

  // Best set: the tried slots with the best count, and the skipped ones that take the result of
  // the last tried slot before them. The highest rank wins, then the highest slot.
  int chosen = -1;
  bool remembered_best = false;
  for (int b = 0; b < 13; ++b) {
    bool in_best = false;
    if ((moves >> b) & 1u) {
      remembered_best = status[b] == kBest;
      in_best = remembered_best;
    } else if ((valued >> b) & 1u) {
      in_best = remembered_best;
    }
    if (in_best && (chosen < 0 || board_.rank[0][b] >= board_.rank[0][chosen])) chosen = b;
  }
  return SearchResult{chosen + 1, static_cast<uint8_t>(best), static_cast<uint8_t>(total - best)};
}

SearchEngine::Range SearchEngine::RootChild(int bit, int alpha, int beta) {
  if (!root_leads_) return FinishTrick(0, bit, led_suit_, led_rank_, alpha, beta);
  board_.Toggle(0, bit);
  const Range r = Follow(1, board_.suit[0][bit], board_.rank[0][bit], alpha, beta);
  board_.Toggle(0, bit);
  return r;
}

SearchEngine::Range SearchEngine::Lead(int leader, int alpha, int beta) {
  ++nodes_;
  const int total = Count(board_.held[leader]);
  if (alpha >= total || beta <= 0) return Range{0, total};
  if (board_.Claims(leader)) {
    const int v = role_[leader] == 1 ? total : 0;
    return Range{v, v};
  }
  const int other = 1 - leader;
  const bool cacheable =
      use_cache_ && total >= SearchCache::kMinCards && total <= SearchCache::kMaxCards;
  uint64_t key1 = 0;
  uint64_t key2 = 0;
  if (cacheable) {
    key1 = SearchCache::EmptySlotsKey(~board_.held[leader] & kAllSlots);
    key2 = SearchCache::EmptySlotsKey(~board_.held[other] & kAllSlots);
    if (const SearchCache::Entry* e = cache_.Find(total, key1, key2, role_[leader]))
      return Range{e->declarer, e->declarer};
  }

  // Small positions are met again and again through transpositions, each time with another
  // window. Searching them with the full window makes the result exact, so it is cached once and
  // never searched again; a narrow window would mostly give a bound, which cannot be cached.
  if (cacheable && total <= kFullWindowCards) {
    alpha = -1;
    beta = total + 1;
  }
  uint16_t valued = 0;
  const uint16_t moves = board_.LeadMoves(leader, prune_, valued);
  int order[13];
  const int n = OrderLeads(leader, moves, order);
  if (n == 0) return Range{0, total};
  const bool maximize = role_[leader] == 1;
  Range result{0, total};
  if (maximize) {
    int lo = 0;
    int hi = -1;
    for (int i = 0; i < n; ++i) {
      const int bit = order[i];
      board_.Toggle(leader, bit);
      const Range r = Follow(other, board_.suit[leader][bit], board_.rank[leader][bit],
                             std::max(alpha, lo), beta);
      board_.Toggle(leader, bit);
      lo = std::max(lo, r.lo);
      hi = std::max(hi, r.hi);
      if (lo >= beta) {
        if (i + 1 < n) hi = total;
        break;
      }
    }
    result = Range{lo, hi};
  } else {
    int lo = total + 1;
    int hi = total;
    for (int i = 0; i < n; ++i) {
      const int bit = order[i];
      board_.Toggle(leader, bit);
      const Range r = Follow(other, board_.suit[leader][bit], board_.rank[leader][bit], alpha,
                             std::min(beta, hi));
      board_.Toggle(leader, bit);
      lo = std::min(lo, r.lo);
      hi = std::min(hi, r.hi);
      if (hi <= alpha) {
        if (i + 1 < n) lo = 0;
        break;
      }
    }
    result = Range{lo, hi};
  }
  if (cacheable && result.lo == result.hi) {
    SearchCache::Entry entry;
    entry.key1 = key1;
    entry.key2 = key2;
    entry.role = role_[leader];
    entry.declarer = static_cast<uint8_t>(result.lo);
    entry.defender = static_cast<uint8_t>(total - result.lo);
    cache_.Add(total, entry);
  }
  return result;
}

SearchEngine::Range SearchEngine::Follow(int follower, int led_suit, int led_rank, int alpha,
                                         int beta) {
  ++nodes_;
  const int total = Count(board_.held[follower]);
  if (alpha >= total || beta <= 0) return Range{0, total};
  uint16_t valued = 0;
  const uint16_t moves = board_.FollowMoves(follower, led_suit, led_rank, prune_, valued);
  if (moves == 0) return Range{0, total};
  // Most often a single card: no order to find, and the window passes through unchanged.
  if ((moves & (moves - 1)) == 0)
    return FinishTrick(follower, Lowest(moves), led_suit, led_rank, alpha, beta);
  int order[13];
  const int n = OrderFollows(follower, moves, led_suit, led_rank, order);
  if (role_[follower] == 1) {
    int lo = 0;
    int hi = -1;
    for (int i = 0; i < n; ++i) {
      const Range r =
          FinishTrick(follower, order[i], led_suit, led_rank, std::max(alpha, lo), beta);
      lo = std::max(lo, r.lo);
      hi = std::max(hi, r.hi);
      if (lo >= beta) return Range{lo, i + 1 < n ? total : hi};
    }
    return Range{lo, hi};
  }
  int lo = total + 1;
  int hi = total;
  for (int i = 0; i < n; ++i) {
    const Range r = FinishTrick(follower, order[i], led_suit, led_rank, alpha, std::min(beta, hi));
    lo = std::min(lo, r.lo);
    hi = std::min(hi, r.hi);
    if (hi <= alpha) return Range{i + 1 < n ? 0 : lo, hi};
  }
  return Range{lo, hi};
}

SearchEngine::Range SearchEngine::FinishTrick(int follower, int bit, int led_suit, int led_rank,
                                              int alpha, int beta) {
  const bool second_wins =
      board_.SecondWins(led_suit, led_rank, board_.suit[follower][bit], board_.rank[follower][bit]);
  const int winner = second_wins ? follower : 1 - follower;
  const int won = role_[winner] == 1 ? 1 : 0;
  board_.Toggle(follower, bit);
  Range r{won, won};
  if (board_.held[follower] != 0) {
    r = Lead(winner, alpha - won, beta - won);
    r.lo += won;
    r.hi += won;
  }
  board_.Toggle(follower, bit);
  return r;
}

int SearchEngine::OrderLeads(int leader, uint16_t moves, int* order) const {
  // Try first what usually wins: a card that takes the trick and keeps the lead, then a suit in
  // which the other hand is short (soon void, or forced to give up its high cards), from the
  // leader's long suits, honours before small cards. A suit the other hand is void in comes last
  // unless it wins outright.
  const int other = 1 - leader;
  const int trump = board_.trump;
  const bool other_ruffs = trump != kNoTrumpSuit && board_.ranks[other][trump] != 0;
  int suit_score[4];
  int suit_top[4];
  for (int s = 0; s < 4; ++s) {
    const unsigned theirs = board_.ranks[other][s];
    suit_score[s] =
        (theirs == 0 ? 0 : (14 - Count(theirs)) * 32) + Count(board_.ranks[leader][s]) * 2;
    // A card above this rank wins the trick; 14 when the other hand ruffs.
    suit_top[s] = theirs != 0 ? Highest(theirs) + 1 : (s == trump || !other_ruffs ? 0 : 14);
  }
  int score[13];
  int n = 0;
  for (unsigned m = moves; m != 0; m &= m - 1) {
    const int b = Lowest(m);
    const int s = board_.suit[leader][b];
    const int r = board_.rank[leader][b];
    order[n] = b;
    score[n] = (r > suit_top[s] ? 256 : 0) + suit_score[s] + (r > 9 ? 1 : 0);
    ++n;
  }
  SortByScore(order, score, n);
  return n;
}

int SearchEngine::OrderFollows(int follower, uint16_t moves, int led_suit, int led_rank,
                               int* order) const {
  int score[13];
  int n = 0;
  for (unsigned m = moves; m != 0; m &= m - 1) {
    const int b = Lowest(m);
    const int s = board_.suit[follower][b];
    const int r = board_.rank[follower][b];
    const bool wins = board_.SecondWins(led_suit, led_rank, s, r);
    order[n] = b;
    score[n] = (wins ? 64 : 32) - r;
    ++n;
  }
  SortByScore(order, score, n);
  return n;
}

}  // namespace quorvex::search_detail
