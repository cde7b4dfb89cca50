// Bridge scoring of a contract: trick score, premium, overtricks and penalty.
#pragma once

#include <cstdint>

#include "game/deal_state.h"

namespace quorvex {

struct ContractParts {
  int32_t contract = 0;    // C: trick score of a made contract
  int32_t premium = 0;     // P: part-score, game or slam premium, plus the insult bonus
  int32_t overtricks = 0;  // O
  int32_t penalty = 0;     // F: negative for a defeated contract
  int32_t Sum() const { return contract + premium + overtricks + penalty; }
};

// needed 7..13, made 0..13, doubling 0/1/2, trump a suit byte or '#'; any other trump character
// (no denomination) earns no trick score. A made contract's parts are non-negative; a defeated
// one has only the penalty.
ContractParts ScoreContract(int needed, int made, int doubling, char trump, bool vulnerable);

// What a scored deal shows: the four parts, the points T and who got them.
struct DealScore {
  ContractParts parts;
  int32_t points = 0;          // T = |C + P + O + F|
  bool favours_seat2 = false;  // the "+" sign
  int receiver = 0;            // seat whose MatchScore grew by T
};

// Scores the finished contract of the state and adds T to the receiver's MatchScore.
DealScore ScoreDeal(TDealState& state, TableRole role);

}  // namespace quorvex
