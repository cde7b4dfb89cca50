#include "game/scoring.h"

#include <cstdlib>

namespace quorvex {

namespace {
// The doubled schedule, shared by doubled overtricks and doubled undertricks.
int32_t DoubledSchedule(int k, bool vulnerable) {
  if (k <= 0) return 0;
  static constexpr int32_t kNotVul[4] = {0, 100, 300, 500};
  static constexpr int32_t kVul[4] = {0, 200, 500, 800};
  if (k <= 3) return vulnerable ? kVul[k] : kNotVul[k];
  return (vulnerable ? 800 : 500) + (k - 3) * 300;
}
}  // namespace

ContractParts ScoreContract(int needed, int made, int doubling, char trump, bool vulnerable) {
  ContractParts parts;
  const bool minor = trump == kClubs || trump == kDiamonds;
  const bool major = trump == kHearts || trump == kSpades;
  const bool no_trump = trump == kNoSuit;
  const int multiplier = doubling == 2 ? 4 : doubling == 1 ? 2 : 1;
  if (made >= needed) {
    const int level = needed - 6;
    if (minor) parts.contract = level * 20;
    if (major) parts.contract = level * 30;
    if (no_trump) parts.contract = level * 30 + 10;
    parts.contract *= multiplier;

    parts.premium = parts.contract < 100 ? 50 : (vulnerable ? 500 : 300);
    if (needed == 12) parts.premium = vulnerable ? 1250 : 800;
    if (needed == 13) parts.premium = vulnerable ? 2000 : 1300;
    if (doubling == 1) parts.premium += 50;
    if (doubling == 2) parts.premium += 100;

    const int k = made - needed;
    if (doubling == 0) {
      parts.overtricks = k * (minor ? 20 : (major || no_trump) ? 30 : 0);
    } else {
      parts.overtricks = DoubledSchedule(k, vulnerable) * (doubling == 2 ? 2 : 1);
    }
  } else {
    const int d = needed - made;
    if (doubling == 0) {
      parts.penalty = -(vulnerable ? 100 : 50) * d;
    } else {
      parts.penalty = -DoubledSchedule(d, vulnerable) * (doubling == 2 ? 2 : 1);
    }
  }
  return parts;
}

DealScore ScoreDeal(TDealState& state, TableRole role) {
  DealScore score;
  const int declarer = state.Declarer;
  const int made = state.Tricks[declarer];
  score.parts = ScoreContract(state.TricksNeeded, made, state.Doubling, state.Trump,
                              state.SeatVulnerable(role, declarer));
  score.points = std::abs(score.parts.Sum());
  const bool contract_made = made >= state.TricksNeeded;
  score.receiver = contract_made ? declarer : OtherSeat(declarer);
  score.favours_seat2 = score.receiver == 2;
  state.MatchScore[score.receiver] += score.points;
  return score;
}

}  // namespace quorvex
