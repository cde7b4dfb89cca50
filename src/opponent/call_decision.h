// The computer's call: a fixed decision table over its five trick forecasts and the human's last
// call. Pure: the forecast searches happen elsewhere.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace quorvex {

class AuctionTable;

// Tricks by denomination index 1 clubs .. 5 no trump (element 0 unused) from one search per
// denomination with the computer as declarer.
struct BiddingForecast {
  std::array<uint8_t, 6> declarer{};  // the computer's tricks
  std::array<uint8_t, 6> defender{};  // the human's tricks in the same search
};

struct CallDecision {
  int call = 0;
  // The figures the play phase shows later; absent when the decision leaves them unchanged.
  bool sets_figures = false;
  int initial_tricks = 0;
  int32_t initial_result = 0;
  // The part of the forecast line that explains the choice; empty when there is none.
  std::string reason;
};

// The highest bid the computer expects to make, no trump first among equal trick counts; 0 when
// every forecast is below 7.
int BestContract(const BiddingForecast& forecast);

// What seat 1 (the computer) calls now. The table's seats are the computer (1) and the human (2).
CallDecision DecideCall(const BiddingForecast& forecast, const AuctionTable& table,
                        int vulnerability);

// The forecast line (it follows the window title in the forecast mode): the five forecasts,
// then the decision's reason. Russian in every language.
std::string CallForecastLine(const BiddingForecast& forecast, const std::string& reason);

}  // namespace quorvex
