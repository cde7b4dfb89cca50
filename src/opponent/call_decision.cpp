#include "opponent/call_decision.h"

#include "opponent/auction_table.h"
#include "opponent/contract_score.h"

namespace quorvex {

namespace {

constexpr int kComputer = 1;
constexpr int kHuman = 2;

// Four clubs or four diamonds give way to three no-trump when no trump makes exactly nine.
int PreferThreeNoTrump(int call, const BiddingForecast& forecast) {
  if ((call == 16 || call == 17) && forecast.declarer[5] == 9) return 15;
  return call;
}

std::string Number(int32_t value) {
  return std::to_string(value);
}

}  // namespace

int BestContract(const BiddingForecast& forecast) {
  for (int tricks = 13; tricks >= 7; --tricks) {
    for (int d = 5; d >= 1; --d) {
      if (forecast.declarer[d] == tricks) return 5 * (tricks - 7) + d;
    }
  }
  return 0;
}

CallDecision DecideCall(const BiddingForecast& forecast, const AuctionTable& table,
                        int vulnerability) {
  const auto& fd = forecast.declarer;
  const auto& df = forecast.defender;
  // The computer's own score of a contract it declares.
  auto own_score = [&](int call, int made, int doubled) {
    return ContractScore(CallNeed(call), made, doubled, CallTrump(call), kComputer, vulnerability);
  };
  auto declarer_tricks = [&](int call) { return static_cast<int>(fd[BidDenomination(call)]); };

  const int best = BestContract(forecast);
  const int last = table.LastCall();
  CallDecision decision;
  decision.call = kCallPass;

  if (last == 0 || last == kCallPass) {
    decision.call = best != 0 ? PreferThreeNoTrump(best, forecast) : kCallPass;
    decision.sets_figures = true;
    decision.initial_tricks = CallNeed(decision.call);
    decision.initial_result = own_score(decision.call, CallNeed(decision.call), 0);
    decision.reason = "Итог PC=[" + Number(decision.initial_result) + " при Вашем Пасе];";
    return decision;
  }

  if (last == kCallRedouble) {
    const int bid = table.LastBidOf(kHuman);
    if (bid == 0) return decision;
    decision.sets_figures = true;
    decision.initial_tricks = declarer_tricks(bid);
    decision.initial_result = ContractScore(CallNeed(bid), df[BidDenomination(bid)], 2,
                                            CallTrump(bid), kHuman, vulnerability);
    decision.reason = "Итог PC=[" + Number(decision.initial_result) + "];";
    return decision;
  }

  if (last == kCallDouble) {
    const int bid = table.LastBidOf(kComputer);
    if (bid == 0) return decision;
    const bool makeable = declarer_tricks(bid) >= CallNeed(bid);
    decision.call = makeable ? kCallRedouble : kCallPass;
    decision.sets_figures = true;
    decision.initial_tricks = declarer_tricks(bid);
    decision.initial_result = own_score(bid, declarer_tricks(bid), makeable ? 2 : 1);
    decision.reason = "Итог PC=[" + Number(decision.initial_result) + "];";
    return decision;
  }

  if (!IsBid(last)) return decision;

  // The human's bid: what it needs and what the human is expected to take in its denomination.
  const int need = CallNeed(last);
  const int human = df[BidDenomination(last)];
  const char human_trump = CallTrump(last);
  const bool outbid = best > last;
  decision.sets_figures = true;

  if (human >= need && outbid) {
    decision.call = need < 9 ? PreferThreeNoTrump(best, forecast) : best;
    decision.initial_tricks = declarer_tricks(decision.call);
    decision.initial_result = own_score(decision.call, declarer_tricks(decision.call), 0);
    decision.reason =
        "Ответ на контракт PC=[" + Number(decision.initial_result) + " при Вашем Пасе];";
    return decision;
  }

  if (human >= need) {
    // No makeable outbid: sacrifice one to five steps higher when that costs less than letting
    // the human play, valuing each sacrifice as doubled.
    const int32_t pass_value = -ContractScore(need, human, 0, human_trump, kHuman, vulnerability);
    int32_t best_value = 0;
    int best_step = 0;
    for (int k = 1; k <= 5; ++k) {
      const int call = last + k;
      const int32_t value = call <= 35 ? own_score(call, declarer_tricks(call), 1) : -10000;
      if (best_step == 0 || value >= best_value) {
        best_value = value;
        best_step = k;
      }
    }
    if (best_value > pass_value) {
      decision.call = last + best_step;
      decision.initial_tricks = declarer_tricks(decision.call);
      decision.initial_result = own_score(decision.call, declarer_tricks(decision.call), 0);
    } else {
      decision.call = kCallPass;
      decision.initial_tricks = declarer_tricks(last);
      decision.initial_result = pass_value;
    }
    decision.reason = "Ответ на контракт PC=[" + Number(best_value) + " при повышении; " +
                      Number(pass_value) + " при Пасе];";
    return decision;
  }

  const int32_t double_value = -ContractScore(need, human, 1, human_trump, kHuman, vulnerability);
  if (outbid) {
    const int32_t raise_value = own_score(best, CallNeed(best), 0);
    if (raise_value > double_value) {
      decision.call = best;
      decision.initial_tricks = declarer_tricks(best);
      decision.initial_result = own_score(best, declarer_tricks(best), 0);
    } else {
      decision.call = kCallDouble;
      decision.initial_tricks = declarer_tricks(last);
      decision.initial_result = double_value;
    }
    decision.reason = "Ответ на контракт PC=[" + Number(raise_value) + " при повышении; " +
                      Number(double_value) + " при Контре];";
    return decision;
  }

  decision.call = kCallDouble;
  decision.initial_tricks = declarer_tricks(last);
  decision.initial_result = double_value;
  decision.reason = "Ответ на контракт PC=[" + Number(double_value) + " при Вашем Пасе];";
  return decision;
}

std::string CallForecastLine(const BiddingForecast& forecast, const std::string& reason) {
  const auto& fd = forecast.declarer;
  return " Прогноз: Взяток PC=[к=" + Number(fd[1]) + ", б=" + Number(fd[2]) +
         ", ч=" + Number(fd[3]) + ", п=" + Number(fd[4]) + ", БК=" + Number(fd[5]) + "]; " + reason;
}

}  // namespace quorvex
