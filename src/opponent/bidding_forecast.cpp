#include "opponent/bidding_forecast.h"

#include "opponent/auction_table.h"
#include "opponent/search_cache.h"

namespace quorvex {

namespace {
SearchHand ToSearchHand(const TDealState& state, int row) {
  SearchHand out;
  for (int i = 1; i <= kHandSlots; ++i) {
    out.card[i] = state.Hand[row][i];
    out.rank[i] = state.Hand[row][i].Empty() ? kEmptyRank : state.HandRank[row][i];
  }
  return out;
}
}  // namespace

BiddingForecast RunBiddingForecast(const TDealState& state, const SearchFunction& search,
                                   SearchCache& cache, const std::function<void(int)>& progress) {
  BiddingForecast forecast;
  const SearchHand computer = ToSearchHand(state, 1);
  const SearchHand human = ToSearchHand(state, 2);
  // The seat that moved second in the deal leads against the computer's contract.
  const bool human_leads = state.FirstSeat == 1;
  for (int d = 1; d <= 5; ++d) {
    if (progress) progress(20 * d);
    cache.Clear();
    SearchPosition position;
    position.mover = human_leads ? human : computer;
    position.other = human_leads ? computer : human;
    position.trick.fill(kEmptyCard);
    position.trick_rank.fill(kEmptyRank);
    position.trump = DenominationTrump(d);
    position.role = human_leads ? 2 : 1;
    position.trick_position = 1;
    position.use_cache = true;
    position.use_pruning = true;
    const SearchResult result = search(position, cache);
    forecast.declarer[d] = result.declarer;
    forecast.defender[d] = result.defender;
  }
  return forecast;
}

}  // namespace quorvex
