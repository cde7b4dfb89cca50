#include "game/deal_capture.h"

namespace quorvex {

DealRecord CaptureDeal(const TDealState& state, const AuctionTable& auction, TableRole role,
                       const std::string& upper_name, const std::string& lower_name,
                       int32_t declarer_score) {
  DealRecord r;
  r.kind = role == TableRole::SinglePlayer ? DealKind::Computer
           : IsTournamentRole(role)        ? DealKind::Tournament
                                           : DealKind::Lan;
  r.deal_no = state.DealNo;
  r.names = {"", upper_name, lower_name};
  r.first_seat = state.FirstSeat;
  // The first trick of the draw is led by the seat that calls first.
  r.first_leader = state.FirstSeat;
  // The state's vulnerability counts in shared seats.
  const bool upper = state.SeatVulnerable(role, 1), lower = state.SeatVulnerable(role, 2);
  r.vulnerability = static_cast<uint8_t>(upper && lower ? 3 : upper ? 1 : lower ? 2 : 0);
  for (int i = 1; i <= 52; ++i) r.deck[i - 1] = DeckNumberOf(state.Deck[i]);
  if (state.HandsSaved) {
    for (int seat = 1; seat <= 2; ++seat)
      for (int slot = 1; slot <= kHandSlots; ++slot)
        r.hands[seat][slot - 1] = DeckNumberOf(state.Hand[seat + 2][slot]);
  }
  // The auction's cells are in shared seats, a line read seat 1 first.
  for (int line = 1; line <= kAuctionLines; ++line) {
    for (int shared = 1; shared <= 2; ++shared) {
      const int code = auction.Cell(shared, line);
      if (code == 0) continue;
      r.calls.push_back(
          {static_cast<uint8_t>(SharedSeat(role, shared)), static_cast<uint8_t>(code)});
    }
  }
  for (int i = 1; i < state.PlayedNext && i <= 52; ++i) {
    (i <= 26 ? r.draw_play : r.contract_play).push_back(DeckNumberOf(state.Played[i]));
  }
  r.contract = state.ContractCode;
  if (r.contract != 0) {
    r.doubling = state.Doubling;
    r.declarer = state.Declarer;
    r.declarer_tricks = static_cast<uint8_t>(state.Tricks[state.Declarer]);
    r.declarer_score = declarer_score;
  }
  return r;
}

}  // namespace quorvex
