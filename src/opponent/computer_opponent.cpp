#include "opponent/computer_opponent.h"

#include "opponent/card_choice.h"
#include "opponent/search_cache.h"

namespace quorvex {

ComputerOpponent::ComputerOpponent(TableView& view) : ComputerOpponent(view, PlaySearch) {}

ComputerOpponent::ComputerOpponent(TableView& view, SearchFunction search)
    : view_(view), search_(std::move(search)), cache_(std::make_unique<SearchCache>()) {}

ComputerOpponent::~ComputerOpponent() = default;

void ComputerOpponent::NewDeal() {
  forecast_ = BiddingForecast{};
  forecast_done_ = false;
  initial_tricks_ = 0;
  initial_result_ = 0;
}

int ComputerOpponent::ChooseComputerCard(const TDealState& state) {
  if (!state.ContractPlay()) {
    const char led = state.TrickSlot == 2 ? state.LedSuit : kNoSuit;
    return DrawPhaseCard(state.Hand[1], state.HandRank[1], led);
  }

  // The last card needs no thought (hands are compacted after every card, so it sits in slot 1).
  if (const int lone = LoneCardSlot(state)) return lone;

  const SearchPosition position = PlayPosition(state);
  cache_->Clear();
  view_.SetBusy(true);
  const SearchResult result = search_(position, *cache_);
  view_.SetBusy(false);
  const int expected = ComputerExpectedTricks(state, result.declarer);
  view_.ShowForecastLine(CardForecastLine(initial_tricks_, initial_result_, expected));
  return result.slot;
}

int ComputerOpponent::ChooseComputerCall(const TDealState& state, const AuctionTable& table) {
  if (!forecast_done_) {
    view_.SetBusy(true);
    forecast_ = RunBiddingForecast(state, search_, *cache_,
                                   [this](int percent) { view_.DrawForecastProgress(percent); });
    forecast_done_ = true;
    view_.SetBusy(false);
  }
  const CallDecision decision = DecideCall(forecast_, table, state.Vulnerability);
  if (decision.sets_figures) {
    initial_tricks_ = static_cast<uint8_t>(decision.initial_tricks);
    initial_result_ = decision.initial_result;
  }
  view_.ShowForecastLine(CallForecastLine(forecast_, decision.reason));
  return decision.call;
}

}  // namespace quorvex
