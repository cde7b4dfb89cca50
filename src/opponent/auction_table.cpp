#include "opponent/auction_table.h"

#include "game/card.h"

namespace quorvex {

char DenominationTrump(int denomination) {
  switch (denomination) {
    case 1:
      return kClubs;
    case 2:
      return kDiamonds;
    case 3:
      return kHearts;
    case 4:
      return kSpades;
    default:
      return kNoSuit;
  }
}

void AuctionTable::Clear() {
  for (auto& seat : cells_) seat.fill(0);
}

int AuctionTable::NextLine(int seat) const {
  for (int i = 1; i < kAuctionLines; ++i) {
    if (cells_[seat][i] == 0 && cells_[seat][i + 1] == 0) {
      // Seat 2 opened: seat 1's reply belongs on the line below.
      if (seat == 1 && i == 1 && cells_[2][1] != 0) return 2;
      return i;
    }
  }
  return 0;
}

bool AuctionTable::Place(int seat, int code) {
  const int line = NextLine(seat);
  if (line == 0) return false;
  cells_[seat][line] = code;
  return true;
}

AuctionTable::Position AuctionTable::LastPosition() const {
  for (int line = kAuctionLines; line >= 1; --line) {
    if (cells_[2][line] != 0) return {2, line};
    if (cells_[1][line] != 0) return {1, line};
  }
  return {};
}

int AuctionTable::LastCall() const {
  const Position p = LastPosition();
  return p.seat == 0 ? 0 : cells_[p.seat][p.line];
}

int AuctionTable::PreviousCall() const {
  const Position p = LastPosition();
  if (p.seat == 2) return cells_[1][p.line];
  if (p.seat == 1 && p.line > 1) return cells_[2][p.line - 1];
  return 0;
}

int AuctionTable::HighestBid(int* seat) const {
  int best = 0;
  int best_seat = 0;
  for (int s = 1; s <= 2; ++s) {
    for (int line = 1; line <= kAuctionLines; ++line) {
      const int code = cells_[s][line];
      if (code >= 1 && code <= 35 && code > best) {
        best = code;
        best_seat = s;
      }
    }
  }
  if (seat) *seat = best_seat;
  return best;
}

int AuctionTable::LastBidOf(int seat) const {
  for (int line = kAuctionLines; line >= 1; --line)
    if (IsBid(cells_[seat][line])) return cells_[seat][line];
  return 0;
}

}  // namespace quorvex
