// The score a contract would bring its declaring side, as the computer weighs its calls.
#pragma once

#include <cstdint>

namespace quorvex {

// Trump of a call that names no denomination (pass, double, redouble): it earns no trick score.
inline constexpr char kNoDenomination = '\0';

// Trump character of a call code: the denomination's suit byte or '#' for bids 1..35,
// kNoDenomination for anything else.
char CallTrump(int code);
// Tricks a call needs: level + 6 for a bid; a pass (38) needs 14, more than a deal holds.
int CallNeed(int code);

// Score of the declaring side (negative when the contract fails): needed 7..13, made 0..13,
// doubled 0/1/2, side 1 the computer (seat 1) or 2 the human. Vulnerability as the deal has it:
// 0 none, 1 seat 1, 2 seat 2, 3 both.
int32_t ContractScore(int needed, int made, int doubled, char trump, int side, int vulnerability);

}  // namespace quorvex
