// The review of a whole deal: hand-checked plays of one small deal, the review against a search of
// every alternative card, and records that cannot be played out.
#include <algorithm>
#include <random>
#include <sstream>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "game/deal_state.h"
#include "game/trick.h"
#include "opponent/auction_table.h"
#include "opponent/deal_review.h"
#include "opponent/search_cache.h"
#include "opponent/search_test_util.h"

namespace quorvex::testing {
namespace {

std::vector<uint8_t> Numbers(const std::string& text) {
  std::istringstream words(text);
  std::vector<uint8_t> numbers;
  for (std::string word; words >> word;) {
    TCard card;
    EXPECT_TRUE(ParseCardText(word, card)) << word;
    numbers.push_back(DeckNumberOf(card));
  }
  return numbers;
}

// A record of two hands, the auction "bid, double, pass" and the play; the deck holds the hands
// and then the cards out of play.
DealRecord MakeRecord(const std::string& seat1, const std::string& seat2, int contract,
                      const std::string& play) {
  DealRecord r;
  r.first_seat = 1;
  r.first_leader = 1;
  r.vulnerability = 1;
  std::vector<uint8_t> deck = Numbers(seat1 + " " + seat2);
  for (int seat = 1; seat <= 2; ++seat)
    for (int i = 0; i < 13; ++i) r.hands[seat][i] = deck[(seat - 1) * 13 + i];
  for (uint8_t n = 1; n <= 52; ++n)
    if (std::find(deck.begin(), deck.end(), n) == deck.end()) deck.push_back(n);
  std::copy(deck.begin(), deck.end(), r.deck.begin());
  r.calls = {{1, static_cast<uint8_t>(contract)}, {2, kCallDouble}, {1, kCallPass}};
  r.contract = static_cast<uint8_t>(contract);
  r.doubling = 1;
  r.declarer = 1;
  r.contract_play = Numbers(play);
  return r;
}

// The same deal with the seats' numbers exchanged.
DealRecord Mirrored(DealRecord r) {
  std::swap(r.hands[1], r.hands[2]);
  for (DealCall& call : r.calls) call.seat = static_cast<uint8_t>(OtherSeat(call.seat));
  r.first_seat = static_cast<uint8_t>(OtherSeat(r.first_seat));
  r.first_leader = static_cast<uint8_t>(OtherSeat(r.first_leader));
  r.declarer = static_cast<uint8_t>(OtherSeat(r.declarer));
  if (r.vulnerability == 1 || r.vulnerability == 2)
    r.vulnerability = static_cast<uint8_t>(OtherSeat(r.vulnerability));
  return r;
}

// Seat 1 holds eleven trumps and the ace-queen of hearts; seat 2 the king and three of hearts
// behind them, two small trumps and nine winning clubs. Seat 2 leads (seat 1 called first)
// against six spades doubled, seat 1 vulnerable. Seat 2 can take only the king of hearts, and
// only if seat 1 must lead hearts and seat 2 keeps both hearts.
const char kSeat1[] = "As Ks Qs Js Ts 9s 8s 7s 6s 5s 4s Ah Qh";
const char kSeat2[] = "3s 2s Kh 3h Ac Kc Qc Jc Tc 9c 8c 7c 6c";
constexpr int kSixSpades = 29;

// Seat 2 leads a club, seat 1 ruffs and draws trumps; seat 2 keeps its hearts and makes the king.
const char kPerfect[] =
    "Ac 4s  As 2s  Ks 3s  Qs Kc  Js Qc  Ts Jc  9s Tc  8s 9c  7s 8c  6s 7c  5s 6c  Ah 3h  Qh Kh";

struct PlayCase {
  const char* why;
  const char* play;
  std::vector<std::pair<int, CardReview>> costly;  // card index, review; every other card costs 0
};

const PlayCase kPlayCases[] = {
    {"a perfect line costs nothing on any card", kPerfect, {}},
    {"leading into the tenace and then taking the ace: each costs the king's trick",
     "3h Ah  As 2s  Ks 3s  Qs Ac  Js Kc  Ts Qc  9s Jc  8s Tc  7s 9c  6s 8c  5s 7c  4s 6c  Qh Kh",
     {{0, {1, 1}}, {1, {13, 1}}}},
    {"the finesse taken the right way makes all thirteen",
     "3h Qh  As 2s  Ks 3s  Qs Ac  Js Kc  Ts Qc  9s Jc  8s Tc  7s 9c  6s 8c  5s 7c  4s 6c  Ah Kh",
     {{0, {1, 1}}}},
    {"discarding the small heart sets up the queen",
     "Ac 4s  As 2s  Ks 3s  Qs 3h  Js Kc  Ts Qc  9s Jc  8s Tc  7s 9c  6s 8c  5s 7c  Ah Kh  Qh 6c",
     {{7, {1, 1}}}},
};

TEST(DealReview, HandCheckedPlays) {
  for (const PlayCase& c : kPlayCases) {
    SCOPED_TRACE(c.why);
    const DealRecord record = MakeRecord(kSeat1, kSeat2, kSixSpades, c.play);
    ASSERT_TRUE(DealRecordConsistent(record));
    ASSERT_EQ(record.contract_play.size(), 26u);
    const std::optional<DealAnalysis> a = AnalyseDeal(record, {});
    ASSERT_TRUE(a.has_value());
    ASSERT_EQ(a->cards.size(), 26u);
    for (int k = 0; k < 26; ++k) {
      CardReview expected{a->cards[k].best, 0};
      for (const auto& [index, review] : c.costly)
        if (index == k) expected = review;
      EXPECT_EQ(a->cards[k], expected) << "card " << k;
    }
    // Seat 1 takes twelve tricks with best play, so its contract scores 2 * 180 + 1250 + 50.
    EXPECT_EQ(a->best_tricks, 12);
    EXPECT_EQ(a->best_score, 1660);
    // Diamonds are out of play: as no trump, where seat 2 runs nine clubs and seat 1 keeps the
    // top spades and the ace of hearts for the last four tricks.
    for (int d : {2, 5}) {
      EXPECT_EQ(a->forecast[1][d], 4) << d;
      EXPECT_EQ(a->forecast[2][d], 9) << d;
    }
    EXPECT_EQ(a->forecast[1][4], 12);
    EXPECT_EQ(a->forecast[2][4], 1);
    for (int d = 1; d <= 5; ++d) EXPECT_EQ(a->forecast[1][d] + a->forecast[2][d], 13) << d;

    // The same deal with the seats exchanged gets the same review.
    const std::optional<DealAnalysis> m = AnalyseDeal(Mirrored(record), {});
    ASSERT_TRUE(m.has_value());
    EXPECT_EQ(m->cards, a->cards);
    EXPECT_EQ(m->forecast[1], a->forecast[2]);
    EXPECT_EQ(m->forecast[2], a->forecast[1]);
    EXPECT_EQ(m->best_tricks, a->best_tricks);
    EXPECT_EQ(m->best_score, a->best_score);
  }
}

TEST(DealReview, PerfectLineTricksStillToTake) {
  const std::optional<DealAnalysis> a =
      AnalyseDeal(MakeRecord(kSeat1, kSeat2, kSixSpades, kPerfect), {});
  ASSERT_TRUE(a.has_value());
  ASSERT_EQ(a->cards.size(), 26u);
  // Seat 1 plays the second card of the first trick and leads after that: it can take every
  // trick still to play but the king of hearts. Seat 2 can always take that one.
  for (int k = 0; k < 26; ++k) {
    const int trick = k / 2 + 1;
    const bool seat1 = k == 1 || (k > 1 && k % 2 == 0);
    EXPECT_EQ(a->cards[k].best, seat1 ? 13 - trick : 1) << "card " << k;
  }
}

// Records that break off: the review covers the cards before the first unplayable one, and those
// cards are reviewed as in the whole deal.
TEST(DealReview, PlayBreakingTheRulesEndsTheReview) {
  const std::optional<DealAnalysis> whole =
      AnalyseDeal(MakeRecord(kSeat1, kSeat2, kSixSpades, kPerfect), {});
  ASSERT_TRUE(whole.has_value());
  struct Case {
    const char* why;
    const char* play;
    size_t reviewed;
  };
  const Case cases[] = {
      {"a card of the other hand", "Ac 4s  As Qh", 3},
      {"a revoke", "Ac 4s  As Kc", 3},
      {"a card played twice", "Ac 4s  As 2s  As", 4},
      {"the follower leading the next trick", "Ac 4s  2s", 2},
      {"a card out of play", "Ac 4s  As 2d", 3},
      {"a deal stopped in the middle of a trick", "Ac 4s  As 2s  Ks", 5},
      {"nothing played", "", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    const std::optional<DealAnalysis> a =
        AnalyseDeal(MakeRecord(kSeat1, kSeat2, kSixSpades, c.play), {});
    ASSERT_TRUE(a.has_value());
    ASSERT_EQ(a->cards.size(), c.reviewed);
    for (size_t k = 0; k < c.reviewed; ++k) EXPECT_EQ(a->cards[k], whole->cards[k]) << k;
    EXPECT_EQ(a->forecast, whole->forecast);
    EXPECT_EQ(a->best_tricks, 12);
  }

  DealRecord bad = MakeRecord(kSeat1, kSeat2, kSixSpades, kPerfect);
  bad.contract_play.push_back(bad.contract_play.front());
  bad.contract_play.push_back(0);
  ASSERT_EQ(AnalyseDeal(bad, {})->cards.size(), 26u);
  bad.contract_play[5] = 200;
  ASSERT_EQ(AnalyseDeal(bad, {})->cards.size(), 5u);
}

TEST(DealReview, RecordsThatDoNotHoldTogether) {
  const DealRecord good = MakeRecord(kSeat1, kSeat2, kSixSpades, kPerfect);
  struct Case {
    const char* why;
    void (*spoil)(DealRecord&);
    bool forecast;  // whether the hands could still be searched
  };
  const Case cases[] = {
      {"a card in both hands", [](DealRecord& r) { r.hands[2][0] = r.hands[1][0]; }, false},
      {"a hand slot that holds no card", [](DealRecord& r) { r.hands[1][12] = 0; }, false},
      {"a number beyond the deck", [](DealRecord& r) { r.hands[2][3] = 99; }, false},
      {"no first seat", [](DealRecord& r) { r.first_seat = 7; }, false},
      {"passed out, yet cards were played", [](DealRecord& r) { r.contract = 0; }, true},
      {"no declarer", [](DealRecord& r) { r.declarer = 0; }, true},
      {"a call beyond the bids", [](DealRecord& r) { r.contract = 36; }, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    DealRecord r = good;
    c.spoil(r);
    EXPECT_FALSE(DealRecordConsistent(r));
    const std::optional<DealAnalysis> a = AnalyseDeal(r, {});
    ASSERT_TRUE(a.has_value());
    EXPECT_TRUE(a->cards.empty());
    EXPECT_EQ(a->best_tricks, 0);
    EXPECT_EQ(a->best_score, 0);
    EXPECT_EQ(a->forecast[1][4], c.forecast ? 12 : 0);
  }
}

TEST(DealReview, ProgressCountsEverySearchAndCanStopIt) {
  const DealRecord record = MakeRecord(kSeat1, kSeat2, kSixSpades, kPerfect);
  std::vector<std::pair<int, int>> calls;
  const std::optional<DealAnalysis> a = AnalyseDeal(record, [&](int done, int total) {
    calls.emplace_back(done, total);
    return true;
  });
  ASSERT_TRUE(a.has_value());
  ASSERT_GE(calls.size(), 6u);
  const int total = calls.front().second;
  // Five forecasts, then fewer searches than cards: forced and equivalent cards need none.
  EXPECT_LT(total, 5 + 26);
  for (size_t i = 0; i < calls.size(); ++i) EXPECT_EQ(calls[i], std::make_pair(int(i), total));
  EXPECT_EQ(calls.back().first, total);

  for (int stop_at : {0, 3, 7}) {
    SCOPED_TRACE(stop_at);
    int last = -1;
    const std::optional<DealAnalysis> stopped = AnalyseDeal(record, [&](int done, int) {
      last = done;
      return done < stop_at;
    });
    EXPECT_FALSE(stopped.has_value());
    EXPECT_EQ(last, stop_at);
  }
}

// The review the long way: at every point of the play each legal card is searched on its own.
std::vector<CardReview> ReviewEveryCard(const DealRecord& r) {
  const char trump = DenominationTrump(BidDenomination(r.contract));
  std::vector<TCard> hand[3];
  for (int seat = 1; seat <= 2; ++seat)
    for (uint8_t n : r.hands[seat]) hand[seat].push_back(DealRecordCard(n));
  int mover = OtherSeat(r.first_seat);
  TCard led = kEmptyCard;
  SearchCache cache;
  // Tricks `seat` takes from the position after `card`, the trick it belongs to included.
  const auto after = [&](int seat, const TCard& card) {
    std::vector<TCard> own = hand[seat];
    own.erase(std::find(own.begin(), own.end(), card));
    own = SortedForTrump(own, trump);
    const std::vector<TCard> theirs = SortedForTrump(hand[OtherSeat(seat)], trump);
    SearchPosition p;
    p.trump = trump;
    if (led.Empty()) {
      p.mover = CompactHand(theirs);
      p.other = CompactHand(own);
      p.trick[1] = card;
      p.trick_rank[1] = RankValue(card);
      p.trick_position = 2;
      p.role = 2;
    } else {
      const int slot = TrickWinnerSlot(led, RankValue(led), card, RankValue(card), trump);
      const int won = slot == 2 ? 1 : 0;
      if (own.empty()) return won;
      p.mover = CompactHand(won ? own : theirs);
      p.other = CompactHand(won ? theirs : own);
      p.role = won ? 1 : 2;
      cache.Clear();
      return won + PlaySearch(p, cache).declarer;
    }
    cache.Clear();
    return static_cast<int>(PlaySearch(p, cache).declarer);
  };
  std::vector<CardReview> reviews;
  for (uint8_t n : r.contract_play) {
    const TCard card = DealRecordCard(n);
    int best = 0;
    for (const TCard& c : hand[mover]) {
      const bool follows = led.Empty() || c.suit == led.suit ||
                           std::none_of(hand[mover].begin(), hand[mover].end(),
                                        [&](const TCard& x) { return x.suit == led.suit; });
      if (follows) best = std::max(best, after(mover, c));
    }
    const int played = after(mover, card);
    reviews.push_back(CardReview{static_cast<uint8_t>(best), static_cast<uint8_t>(best - played)});
    hand[mover].erase(std::find(hand[mover].begin(), hand[mover].end(), card));
    if (led.Empty()) {
      led = card;
      mover = OtherSeat(mover);
    } else {
      const int slot = TrickWinnerSlot(led, RankValue(led), card, RankValue(card), trump);
      if (slot == 1) mover = OtherSeat(mover);
      led = kEmptyCard;
    }
  }
  return reviews;
}

// Random deals played by random legal cards, so that many cards cost tricks.
TEST(DealReview, AgreesWithASearchOfEveryCard) {
  for (uint64_t seed : {21u, 22u, 23u}) {
    SCOPED_TRACE(seed);
    std::mt19937_64 rng(seed);
    std::vector<TCard> first;
    std::vector<TCard> second;
    DealTwoHands(seed, first, second);
    std::string text[3];
    for (const TCard& c : first) text[1] += CardText(c) + " ";
    for (const TCard& c : second) text[2] += CardText(c) + " ";
    DealRecord r = MakeRecord(text[1], text[2], 1 + static_cast<int>(seed % 35), "");
    r.first_seat = static_cast<uint8_t>(1 + seed % 2);
    r.declarer = static_cast<uint8_t>(1 + (seed / 2) % 2);
    const char trump = DenominationTrump(BidDenomination(r.contract));
    std::vector<TCard> hand[3] = {{}, first, second};
    int mover = OtherSeat(r.first_seat);
    TCard led = kEmptyCard;
    for (int k = 0; k < 26; ++k) {
      std::vector<TCard> legal;
      for (const TCard& c : hand[mover])
        if (!led.Empty() && c.suit == led.suit) legal.push_back(c);
      if (legal.empty()) legal = hand[mover];
      const TCard card = legal[rng() % legal.size()];
      r.contract_play.push_back(DeckNumberOf(card));
      hand[mover].erase(std::find(hand[mover].begin(), hand[mover].end(), card));
      if (led.Empty()) {
        led = card;
        mover = OtherSeat(mover);
      } else {
        if (TrickWinnerSlot(led, RankValue(led), card, RankValue(card), trump) == 1)
          mover = OtherSeat(mover);
        led = kEmptyCard;
      }
    }
    ASSERT_TRUE(DealRecordConsistent(r));
    const std::optional<DealAnalysis> a = AnalyseDeal(r, {});
    ASSERT_TRUE(a.has_value());
    const std::vector<CardReview> expected = ReviewEveryCard(r);
    ASSERT_EQ(a->cards.size(), expected.size());
    int costly = 0;
    for (size_t k = 0; k < expected.size(); ++k) {
      EXPECT_EQ(a->cards[k], expected[k]) << "card " << k;
      costly += expected[k].cost > 0 ? 1 : 0;
    }
    EXPECT_GT(costly, 0);
    // The first card is seen from the opening leader's side.
    const int leader = OtherSeat(r.first_seat);
    const int declarer_best = leader == r.declarer ? a->cards[0].best : 13 - a->cards[0].best;
    EXPECT_EQ(a->best_tricks, declarer_best);
    // Plays that stop after a late trick: the point after the last card, searched on its own,
    // gives the same figures.
    for (size_t cards = 15; cards < 26; cards += 2) {
      DealRecord cut = r;
      cut.contract_play.resize(cards);
      const std::optional<DealAnalysis> part = AnalyseDeal(cut, {});
      ASSERT_TRUE(part.has_value());
      EXPECT_EQ(part->cards, std::vector<CardReview>(expected.begin(), expected.begin() + cards))
          << cards << " cards";
    }
  }
}

}  // namespace
}  // namespace quorvex::testing
