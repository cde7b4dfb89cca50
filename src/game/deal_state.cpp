#include "game/deal_state.h"

namespace quorvex {

bool IsNetworkRole(TableRole role) {
  return role != TableRole::SinglePlayer;
}

bool IsTournamentRole(TableRole role) {
  return role == TableRole::TourSeat1 || role == TableRole::TourSeat2;
}

int SharedSeat(TableRole role, int local_seat) {
  const bool swapped = role == TableRole::LanClient || role == TableRole::TourSeat2;
  return swapped ? OtherSeat(local_seat) : local_seat;
}

TDealState::TDealState() {
  ClearHands();
  Played.fill(kEmptyCard);
}

void TDealState::ClearHands() {
  for (int row = 1; row <= 4; ++row) {
    Hand[row].fill(kEmptyCard);
    HandRank[row].fill(kEmptyRank);
    HandCount[row] = 0;
  }
  Trick.fill(kEmptyCard);
  TrickRank.fill(kEmptyRank);
}

bool TDealState::SeatVulnerable(TableRole role, int local_seat) const {
  return Vulnerability == 3 || Vulnerability == SharedSeat(role, local_seat);
}

}  // namespace quorvex
