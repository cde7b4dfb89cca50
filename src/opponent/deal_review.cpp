#include "opponent/deal_review.h"

#include <array>
#include <bit>
#include <cstdint>
#include <vector>

#include "game/deal_state.h"
#include "game/trick.h"
#include "opponent/auction_table.h"
#include "opponent/contract_score.h"
#include "opponent/play_search.h"
#include "opponent/search_cache.h"

namespace quorvex {

namespace {

constexpr int kPlayCards = 26;
constexpr int kDenominations = 5;

// A set of cards: bit n for deck number n.
using CardSet = uint64_t;

CardSet Bit(int n) {
  return CardSet{1} << n;
}
int RankOf(int n) {
  return (n - 1) / 4 + 1;
}
int SuitOf(int n) {
  return (n - 1) % 4;
}

struct SuitSets {
  std::array<CardSet, 4> cards{};
  constexpr SuitSets() {
    for (int n = 1; n <= 52; ++n) cards[(n - 1) % 4] |= CardSet{1} << n;
  }
};
constexpr SuitSets kSuit{};

// One point of the play: the cards each seat still holds, the seat to play and the card led to
// the trick (0 when that seat leads).
struct PlayPoint {
  std::array<CardSet, 3> held{};
  int mover = 0;
  int led = 0;
};

// The contract play as far as the rules allow: the point before each legal card, then the point
// after the last one while cards remain. winner[k] is the seat that won the trick card k ended.
struct Replay {
  std::vector<PlayPoint> points;
  std::array<int, kPlayCards> winner{};
  int cards = 0;
};

bool HandsOf(const DealRecord& record, std::array<CardSet, 3>& held) {
  CardSet seen = 0;
  for (int seat = 1; seat <= 2; ++seat) {
    for (uint8_t n : record.hands[seat]) {
      if (n < 1 || n > 52 || (seen & Bit(n)) != 0) return false;
      seen |= Bit(n);
      held[seat] |= Bit(n);
    }
  }
  return true;
}

CardSet LegalCards(const PlayPoint& p) {
  const CardSet hand = p.held[p.mover];
  if (p.led == 0) return hand;
  const CardSet suited = hand & kSuit.cards[SuitOf(p.led)];
  return suited != 0 ? suited : hand;
}

// Whether every legal card comes to the same: all of one suit, and no card of that suit between
// them is still held by the other seat or lies on the table. The card played then cost nothing
// and the point is worth what follows it, with no search.
bool OneChoice(const PlayPoint& p) {
  const CardSet legal = LegalCards(p);
  const int low = std::countr_zero(legal);
  const int high = 63 - std::countl_zero(legal);
  const CardSet suit = kSuit.cards[SuitOf(low)];
  if ((legal & ~suit) != 0) return false;
  const CardSet between = (Bit(high) - 1) & ~(Bit(low + 1) - 1);
  const CardSet elsewhere = p.held[OtherSeat(p.mover)] | (p.led != 0 ? Bit(p.led) : 0);
  return (between & suit & elsewhere) == 0;
}

int TrickWinner(int leader, int led, int reply, char trump) {
  const int slot = TrickWinnerSlot(
      DealRecordCard(static_cast<uint8_t>(led)), static_cast<uint8_t>(RankOf(led)),
      DealRecordCard(static_cast<uint8_t>(reply)), static_cast<uint8_t>(RankOf(reply)), trump);
  return slot == 1 ? leader : OtherSeat(leader);
}

Replay ReplayPlay(const DealRecord& record, const std::array<CardSet, 3>& hands, int leader,
                  char trump) {
  Replay replay;
  PlayPoint point;
  point.held = hands;
  point.mover = leader;
  for (uint8_t n : record.contract_play) {
    if (replay.cards == kPlayCards) break;
    if (n < 1 || n > 52 || (LegalCards(point) & Bit(n)) == 0) break;
    replay.points.push_back(point);
    point.held[point.mover] &= ~Bit(n);
    if (point.led == 0) {
      point.led = n;
      point.mover = OtherSeat(point.mover);
    } else {
      const int winner = TrickWinner(OtherSeat(point.mover), point.led, n, trump);
      replay.winner[replay.cards] = winner;
      point.led = 0;
      point.mover = winner;
    }
    ++replay.cards;
  }
  if (replay.cards > 0 && replay.cards < kPlayCards) replay.points.push_back(point);
  return replay;
}

SearchHand HandOf(CardSet set) {
  SearchHand hand;
  int slot = 0;
  // Suit by suit, ranks ascending: the search treats touching cards of a slot run as one.
  for (int suit = 0; suit < 4; ++suit) {
    for (int rank = 1; rank <= 13; ++rank) {
      const int n = (rank - 1) * 4 + suit + 1;
      if ((set & Bit(n)) == 0) continue;
      ++slot;
      hand.card[slot] = DealRecordCard(static_cast<uint8_t>(n));
      hand.rank[slot] = static_cast<uint8_t>(rank);
    }
  }
  return hand;
}

// Tricks the seat to move takes from the point on with best play by both, the trick in progress
// included.
int MoverTricks(const PlayPoint& p, char trump, SearchCache& cache) {
  SearchPosition position;
  position.mover = HandOf(p.held[p.mover]);
  position.other = HandOf(p.held[OtherSeat(p.mover)]);
  if (p.led != 0) {
    position.trick[1] = DealRecordCard(static_cast<uint8_t>(p.led));
    position.trick_rank[1] = static_cast<uint8_t>(RankOf(p.led));
    position.trick_position = 2;
  }
  position.trump = trump;
  // The search counts for the declarer's side: here that is the mover.
  position.role = 1;
  position.use_cache = true;
  // Pruning leaves out cards that may be the best ones; a review must see them all.
  position.use_pruning = false;
  cache.Clear();
  return PlaySearch(position, cache).declarer;
}

// Tricks the mover of card k takes from the point after it, given the value of that point.
int TricksAfter(const Replay& replay, int k, int next_value) {
  const PlayPoint& p = replay.points[k];
  const int left = 13 - k / 2;  // tricks still to play, the current one included
  if (p.led == 0) return left - next_value;
  const int winner = replay.winner[k];
  const int won = winner == p.mover ? 1 : 0;
  if (k + 1 == kPlayCards) return won;
  return won + (winner == p.mover ? next_value : left - 1 - next_value);
}

}  // namespace

std::optional<DealAnalysis> AnalyseDeal(const DealRecord& record, const ReviewProgress& progress) {
  DealAnalysis analysis;
  std::array<CardSet, 3> hands{};
  if (!HandsOf(record, hands) || (record.first_seat != 1 && record.first_seat != 2))
    return analysis;
  const int opening_leader = OtherSeat(record.first_seat);
  const bool contract = IsBid(record.contract) && (record.declarer == 1 || record.declarer == 2);
  const int denomination = contract ? BidDenomination(record.contract) : 0;
  const char trump = contract ? DenominationTrump(denomination) : kNoSuit;

  Replay replay;
  if (contract) replay = ReplayPlay(record, hands, opening_leader, trump);
  const int points = static_cast<int>(replay.points.size());
  // A point is searched unless its value follows from the next one; the last point (after the
  // last card, when the play stopped early) has no next one. The opening point is the forecast's
  // search in the contract's denomination.
  std::vector<bool> search(points, false);
  int total = kDenominations;
  for (int k = 1; k < points; ++k) {
    search[k] = k == replay.cards || !OneChoice(replay.points[k]);
    if (search[k]) ++total;
  }
  int done = 0;
  const auto go_on = [&] { return !progress || progress(done, total); };

  SearchCache cache;
  PlayPoint opening;
  opening.held = hands;
  opening.mover = opening_leader;
  for (int d = 1; d <= kDenominations; ++d) {
    if (!go_on()) return std::nullopt;
    const int tricks = MoverTricks(opening, DenominationTrump(d), cache);
    analysis.forecast[opening_leader][d] = static_cast<uint8_t>(tricks);
    analysis.forecast[OtherSeat(opening_leader)][d] = static_cast<uint8_t>(13 - tricks);
    ++done;
  }

  std::vector<int> value(points, 0);
  if (points > 0) value[0] = analysis.forecast[opening_leader][denomination];
  for (int k = 1; k < points; ++k) {
    if (!search[k]) continue;
    if (!go_on()) return std::nullopt;
    value[k] = MoverTricks(replay.points[k], trump, cache);
    ++done;
  }
  if (progress) progress(done, total);

  // From the end back: a point with one choice is worth what its card leaves the mover.
  analysis.cards.resize(replay.cards);
  for (int k = replay.cards - 1; k >= 0; --k) {
    const int after = TricksAfter(replay, k, k + 1 < points ? value[k + 1] : 0);
    if (k > 0 && !search[k]) value[k] = after;
    analysis.cards[k].best = static_cast<uint8_t>(value[k]);
    analysis.cards[k].cost = static_cast<uint8_t>(value[k] > after ? value[k] - after : 0);
  }

  if (contract) {
    analysis.best_tricks = analysis.forecast[record.declarer][denomination];
    analysis.best_score =
        ContractScore(BidTricks(record.contract), analysis.best_tricks, record.doubling, trump,
                      record.declarer, record.vulnerability);
  }
  return analysis;
}

}  // namespace quorvex
