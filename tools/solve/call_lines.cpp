#include "call_lines.h"

#include "game/deal.h"
#include "opponent/auction_table.h"
#include "opponent/bidding_forecast.h"
#include "opponent/call_decision.h"
#include "opponent/search_cache.h"
#include "opponent/search_check.h"
#include "opponent/search_text.h"

namespace quorvex::solve {

namespace {

bool ParseNumber(const std::string& word, int low, int high, int& value) {
  if (word.empty() || word.size() > 3) return false;
  value = 0;
  for (char c : word) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  return value >= low && value <= high;
}

// Seat 1 the computer, seat 2 the human, both sorted as the game shows them before the auction.
bool ReadDeal(const std::string& first, const std::string& computer, const std::string& human,
              TDealState& state, std::string& error) {
  int first_seat = 0;
  if (!ParseNumber(first, 1, 2, first_seat)) {
    error = "first must be 1 or 2, not '" + first + "'";
    return false;
  }
  SearchPosition position;
  if (!ParseSearchHand(computer, position.mover, error) ||
      !ParseSearchHand(human, position.other, error))
    return false;
  // Same checks as a leading search: no card twice, equal and non-empty hands.
  error = CheckSearchPosition(position);
  if (!error.empty()) return false;
  state = TDealState{};
  state.StockNext = 53;
  state.FirstSeat = static_cast<uint8_t>(first_seat);
  for (int i = 1; i <= kHandSlots; ++i) {
    state.Hand[1][i] = position.mover.card[i];
    state.HandRank[1][i] = position.mover.rank[i];
    state.Hand[2][i] = position.other.card[i];
    state.HandRank[2][i] = position.other.rank[i];
  }
  SortHand(state, 1);
  SortHand(state, 2);
  return true;
}

BiddingForecast Forecast(const TDealState& state) {
  SearchCache cache;
  return RunBiddingForecast(state, PlaySearch, cache, nullptr);
}

// Fills the table from calls in time order, the first by `first_seat`; checks every call is legal
// and that the auction is still open.
bool ReadAuction(const std::string& text, int first_seat, AuctionTable& table, int& calls,
                 std::string& error) {
  calls = 0;
  if (text == "-") return true;
  int highest = 0;
  int last = 0;
  size_t start = 0;
  while (true) {
    const size_t comma = text.find(',', start);
    const std::string item = text.substr(start, comma == std::string::npos ? comma : comma - start);
    int code = 0;
    if (!ParseNumber(item, 1, 38, code)) {
      error = "'" + item + "' is not a call code 1..38";
      return false;
    }
    if (calls >= 2 && last == kCallPass) {
      error = "a call after the auction ended";
      return false;
    }
    if (IsBid(code) && code <= highest) {
      error = "bid " + item + " is not above " + std::to_string(highest);
      return false;
    }
    if (code == kCallDouble && !IsBid(last)) {
      error = "a double must follow a bid";
      return false;
    }
    if (code == kCallRedouble && last != kCallDouble) {
      error = "a redouble must follow a double";
      return false;
    }
    if (IsBid(code)) highest = code;
    last = code;
    table.Place(calls % 2 == 0 ? first_seat : 3 - first_seat, code);
    ++calls;
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  if (calls >= 2 && last == kCallPass) {
    error = "the auction has ended";
    return false;
  }
  return true;
}

}  // namespace

std::string RunForecastLine(const std::vector<std::string>& words) {
  if (words.size() != 4) return "error: expected 'forecast <first> <computer> <human>'";
  TDealState state;
  std::string error;
  if (!ReadDeal(words[1], words[2], words[3], state, error)) return "error: " + error;
  const BiddingForecast forecast = Forecast(state);
  std::string out;
  for (int d = 1; d <= 5; ++d) {
    if (d > 1) out += ' ';
    out += std::to_string(forecast.declarer[d]) + " " + std::to_string(forecast.defender[d]);
  }
  return out;
}

std::string RunCallLine(const std::vector<std::string>& words) {
  if (words.size() != 6) return "error: expected 'call <vul> <first> <computer> <human> <calls>'";
  int vulnerability = 0;
  if (!ParseNumber(words[1], 0, 3, vulnerability))
    return "error: vul must be 0..3, not '" + words[1] + "'";
  TDealState state;
  std::string error;
  if (!ReadDeal(words[2], words[3], words[4], state, error)) return "error: " + error;
  AuctionTable table;
  int calls = 0;
  if (!ReadAuction(words[5], state.FirstSeat, table, calls, error)) return "error: " + error;
  const int to_call = calls % 2 == 0 ? state.FirstSeat : 3 - state.FirstSeat;
  if (to_call != 1) return "error: it is the human's turn to call";
  const CallDecision decision = DecideCall(Forecast(state), table, vulnerability);
  if (!decision.sets_figures) return std::to_string(decision.call) + " - -";
  return std::to_string(decision.call) + " " + std::to_string(decision.initial_tricks) + " " +
         std::to_string(decision.initial_result);
}

}  // namespace quorvex::solve
