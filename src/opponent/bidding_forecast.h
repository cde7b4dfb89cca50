// The computer's trick forecast before its first call: one search per denomination.
#pragma once

#include <functional>

#include "game/deal_state.h"
#include "opponent/call_decision.h"
#include "opponent/play_search.h"

namespace quorvex {

// The root search; tests put a recording one in its place.
using SearchFunction = std::function<SearchResult(const SearchPosition&, SearchCache&)>;

// Tricks of the computer (seat 1) as declarer and of the human in each of the five denominations,
// from the hands of seats 1 and 2 as the state holds them. The opening lead belongs to the seat
// that did not start the deal. progress(percent) is told 20, 40, .., 100 before each search.
BiddingForecast RunBiddingForecast(const TDealState& state, const SearchFunction& search,
                                   SearchCache& cache, const std::function<void(int)>& progress);

}  // namespace quorvex
