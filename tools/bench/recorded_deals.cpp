#include "recorded_deals.h"

#include <random>
#include <utility>
#include <vector>

#include "game/deal.h"
#include "game/platform.h"
#include "game/trick.h"
#include "opponent/auction_table.h"
#include "opponent/bidding_forecast.h"
#include "opponent/call_decision.h"
#include "opponent/card_choice.h"
#include "opponent/contract_score.h"
#include "opponent/play_search.h"
#include "opponent/search_cache.h"

namespace quorvex::bench {

namespace {

constexpr int kMaxCalls = 100;

class SeededRandom : public Random {
 public:
  explicit SeededRandom(uint64_t seed) : rng_(seed) {}
  // The series must repeat, so a shuffle does not start from a fresh seed.
  void Reseed() override {}
  int Below(int n) override { return static_cast<int>(rng_() % static_cast<uint64_t>(n)); }

 private:
  std::mt19937_64 rng_;
};

// The deal as seat 2 would see it from seat 1's chair: the computer's rules read seat 1 only.
TDealState Mirrored(const TDealState& s) {
  TDealState m = s;
  std::swap(m.Hand[1], m.Hand[2]);
  std::swap(m.HandRank[1], m.HandRank[2]);
  std::swap(m.HandCount[1], m.HandCount[2]);
  std::swap(m.Tricks[1], m.Tricks[2]);
  m.FirstSeat = static_cast<uint8_t>(OtherSeat(s.FirstSeat));
  if (s.Declarer != 0) m.Declarer = static_cast<uint8_t>(OtherSeat(s.Declarer));
  if (s.Vulnerability == 1 || s.Vulnerability == 2)
    m.Vulnerability = static_cast<uint8_t>(OtherSeat(s.Vulnerability));
  return m;
}

AuctionTable TableOf(const std::vector<DealCall>& calls, bool mirrored) {
  AuctionTable table;
  for (const DealCall& call : calls)
    table.Place(mirrored ? OtherSeat(call.seat) : call.seat, call.code);
  return table;
}

// Seat 1's card as the computer chooses it in the game.
int ComputerCard(const TDealState& state, SearchCache& cache) {
  if (!state.ContractPlay()) {
    const char led = state.TrickSlot == 2 ? state.LedSuit : kNoSuit;
    return DrawPhaseCard(state.Hand[1], state.HandRank[1], led);
  }
  if (const int lone = LoneCardSlot(state)) return lone;
  cache.Clear();
  return PlaySearch(PlayPosition(state), cache).slot;
}

class DealMaker {
 public:
  DealMaker(uint64_t seed, int index, int random_percent, bool draw_phase)
      : random_(seed * 1000003u + static_cast<uint64_t>(index)),
        choice_(seed ^ (static_cast<uint64_t>(index) << 20)),
        random_percent_(random_percent),
        draw_phase_(draw_phase) {
    state_.DealNo = index + 1;
  }

  DealRecord Make() {
    ShuffleDeck(state_, random_);
    DealCards(state_, TableRole::SinglePlayer);
    SetVulnerabilityAndFirstSeat(state_, TableRole::SinglePlayer);
    SortHand(state_, 1);
    SortHand(state_, 2);
    record_.deal_no = state_.DealNo;
    record_.names = {"", "Computer", "Player"};
    record_.first_seat = state_.FirstSeat;
    record_.first_leader = state_.FirstSeat;
    record_.vulnerability = state_.Vulnerability;
    for (int i = 1; i <= 52; ++i) record_.deck[i - 1] = DeckNumberOf(state_.Deck[i]);

    state_.Leader = state_.DrawFirst = state_.FirstSeat;
    if (draw_phase_) {
      for (int trick = 1; trick <= 13; ++trick) PlayTrick(record_.draw_play);
    } else {
      // The hands as dealt: the stock is set aside.
      state_.StockNext = 53;
      state_.TrickNo = 14;
    }
    for (int seat = 1; seat <= 2; ++seat)
      for (int i = 1; i <= kHandSlots; ++i)
        record_.hands[seat][i - 1] = DeckNumberOf(state_.Hand[seat][i]);

    Auction();
    if (state_.ContractCode != 0) {
      for (int seat = 1; seat <= 2; ++seat) SortHand(state_, seat);
      state_.Tricks = {0, 0, 0};
      state_.Leader = state_.DrawFirst = static_cast<uint8_t>(OtherSeat(state_.FirstSeat));
      for (int trick = 1; trick <= 13; ++trick) PlayTrick(record_.contract_play);
      const int made = state_.Tricks[state_.Declarer];
      record_.declarer_tricks = static_cast<uint8_t>(made);
      record_.declarer_score = ContractScore(state_.TricksNeeded, made, state_.Doubling,
                                             state_.Trump, state_.Declarer, state_.Vulnerability);
    }
    return record_;
  }

 private:
  void Auction() {
    const BiddingForecast forecast[3] = {
        {},
        RunBiddingForecast(state_, PlaySearch, cache_, nullptr),
        RunBiddingForecast(Mirrored(state_), PlaySearch, cache_, nullptr)};
    const int vulnerability[3] = {0, state_.Vulnerability, Mirrored(state_).Vulnerability};
    int seat = state_.FirstSeat;
    AuctionTable table;
    while (!table.Ended() && static_cast<int>(record_.calls.size()) < kMaxCalls) {
      int code =
          DecideCall(forecast[seat], TableOf(record_.calls, seat == 2), vulnerability[seat]).call;
      // As the game does with the computer's call: anything not allowed becomes a pass.
      const int last = table.LastCall();
      const bool legal = (IsBid(code) && code > table.HighestBid()) || code == kCallPass ||
                         (code == kCallDouble && IsBid(last)) ||
                         (code == kCallRedouble && last == kCallDouble);
      if (!legal) code = kCallPass;
      table.Place(seat, code);
      record_.calls.push_back(DealCall{static_cast<uint8_t>(seat), static_cast<uint8_t>(code)});
      seat = OtherSeat(seat);
    }
    int declarer = 0;
    const int contract = table.HighestBid(&declarer);
    const int previous = table.PreviousCall();
    state_.ContractCode = static_cast<uint8_t>(contract);
    if (contract == 0) return;
    state_.TricksNeeded = static_cast<uint8_t>(BidTricks(contract));
    state_.Trump = DenominationTrump(BidDenomination(contract));
    state_.Doubling = previous == kCallRedouble ? 2 : previous == kCallDouble ? 1 : 0;
    state_.Declarer = static_cast<uint8_t>(declarer);
    record_.contract = state_.ContractCode;
    record_.doubling = state_.Doubling;
    record_.declarer = state_.Declarer;
  }

  int ChooseCard(int seat) {
    if (seat == 2 && state_.ContractPlay() && static_cast<int>(choice_() % 100) < random_percent_) {
      std::vector<int> legal;
      for (int i = 1; i <= kHandSlots; ++i)
        if (IsLegalCard(state_, 2, i)) legal.push_back(i);
      if (!legal.empty()) return legal[choice_() % legal.size()];
    }
    int index = seat == 1 ? ComputerCard(state_, cache_) : ComputerCard(Mirrored(state_), cache_);
    if (IsLegalCard(state_, seat, index)) return index;
    for (int i = 1; i <= kHandSlots; ++i)
      if (IsLegalCard(state_, seat, i)) return i;
    return 1;
  }

  void PlayCard(int seat, std::vector<uint8_t>& played) {
    const int index = ChooseCard(seat);
    const TCard card = state_.Hand[seat][index];
    state_.Trick[state_.TrickSlot] = card;
    state_.TrickRank[state_.TrickSlot] = state_.HandRank[seat][index];
    if (state_.TrickSlot == 1) state_.LedSuit = card.suit;
    state_.Hand[seat][index] = kEmptyCard;
    state_.HandRank[seat][index] = kEmptyRank;
    SortHand(state_, seat);
    ++state_.TrickSlot;
    played.push_back(DeckNumberOf(card));
  }

  void PlayTrick(std::vector<uint8_t>& played) {
    const int leader = state_.Leader;
    PlayCard(leader, played);
    PlayCard(OtherSeat(leader), played);
    const int slot = TrickWinnerSlot(state_.Trick[1], state_.TrickRank[1], state_.Trick[2],
                                     state_.TrickRank[2], state_.Trump);
    const int winner = slot == 1 ? leader : OtherSeat(leader);
    state_.Leader = static_cast<uint8_t>(winner);
    if (state_.ContractPlay()) ++state_.Tricks[winner];
    state_.Trick.fill(kEmptyCard);
    state_.TrickRank.fill(kEmptyRank);
    state_.LedSuit = kNoSuit;
    state_.TrickSlot = 1;
    ++state_.TrickNo;
    if (state_.StockNext <= 52) {
      // The leader of the trick just played draws first, then the winner leads and draws first.
      for (int seat : {static_cast<int>(state_.DrawFirst), OtherSeat(state_.DrawFirst)}) {
        state_.Hand[seat][kHandSlots] = state_.Deck[state_.StockNext];
        state_.HandRank[seat][kHandSlots] = state_.DeckRank[state_.StockNext];
        ++state_.StockNext;
        SortHand(state_, seat);
      }
      state_.DrawFirst = state_.Leader;
    }
  }

  SeededRandom random_;
  std::mt19937_64 choice_;
  int random_percent_;
  bool draw_phase_;
  TDealState state_;
  SearchCache cache_;
  DealRecord record_;
};

}  // namespace

DealRecord MakeRecordedDeal(uint64_t seed, int index, int random_percent, bool draw_phase) {
  return DealMaker(seed, index, random_percent, draw_phase).Make();
}

}  // namespace quorvex::bench
