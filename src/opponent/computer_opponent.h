// The computer at seat 1 of the game against it: its cards and its calls.
#pragma once

#include <cstdint>
#include <memory>

#include "game/opponent.h"
#include "game/table_view.h"
#include "opponent/bidding_forecast.h"
#include "opponent/call_decision.h"

namespace quorvex {

class ComputerOpponent : public Opponent {
 public:
  // The view shows the busy cursor during searches, the forecast's progress and the forecast lines.
  explicit ComputerOpponent(TableView& view);
  // Searches with `search` instead of PlaySearch (tests watch the positions it is given).
  ComputerOpponent(TableView& view, SearchFunction search);
  ~ComputerOpponent() override;

  void NewDeal() override;
  int ChooseComputerCard(const TDealState& state) override;
  int ChooseComputerCall(const TDealState& state, const AuctionTable& table) override;

  bool ForecastDone() const { return forecast_done_; }
  const BiddingForecast& Forecast() const { return forecast_; }
  int InitialTricks() const { return initial_tricks_; }
  int32_t InitialResult() const { return initial_result_; }

 private:
  TableView& view_;
  SearchFunction search_;
  std::unique_ptr<SearchCache> cache_;
  BiddingForecast forecast_;
  bool forecast_done_ = false;
  // What the auction left for the play phase's forecast line.
  uint8_t initial_tricks_ = 0;
  int32_t initial_result_ = 0;
};

}  // namespace quorvex
