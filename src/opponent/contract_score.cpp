#include "opponent/contract_score.h"

#include "game/scoring.h"
#include "opponent/auction_table.h"

namespace quorvex {

char CallTrump(int code) {
  return IsBid(code) ? DenominationTrump(BidDenomination(code)) : kNoDenomination;
}

int CallNeed(int code) {
  return (code - 1) / 5 + 7;
}

int32_t ContractScore(int needed, int made, int doubled, char trump, int side, int vulnerability) {
  const bool vulnerable = vulnerability == 3 || vulnerability == side;
  // The deal's own schedule, so the computer values a contract exactly as it will be scored.
  return ScoreContract(needed, made, doubled, trump, vulnerable).Sum();
}

}  // namespace quorvex
