// The record of calls of one auction and the rules read off it.
#pragma once

#include <array>
#include <cstdint>

namespace quorvex {

inline constexpr int kCallDouble = 36;
inline constexpr int kCallRedouble = 37;
inline constexpr int kCallPass = 38;
inline constexpr int kAuctionLines = 200;

inline bool IsBid(int code) {
  return code >= 1 && code <= 35;
}
// Denomination index 1 clubs .. 5 no trump of a bid.
inline int BidDenomination(int code) {
  return code % 5 == 0 ? 5 : code % 5;
}
// Tricks a bid needs, 7..13.
inline int BidTricks(int code) {
  return (code - 1) / 5 + 7;
}
// Trump character of a denomination index: suit byte or '#'.
char DenominationTrump(int denomination);

// Two shared seats x 200 lines of call codes, 0 = empty. A line is read seat 1 first.
class AuctionTable {
 public:
  AuctionTable() { Clear(); }
  void Clear();

  int32_t Cell(int seat, int line) const { return cells_[seat][line]; }
  void SetCell(int seat, int line, int32_t code) { cells_[seat][line] = code; }

  // Line of the seat's next call; 0 when the table is full.
  int NextLine(int seat) const;
  // Stores the call in the seat's next cell; false when there is none.
  bool Place(int seat, int code);

  // Most recent call in time order and the one before it (0 for none).
  int LastCall() const;
  int PreviousCall() const;
  // Highest bid so far (0 for none) and the shared seat that made it.
  int HighestBid(int* seat = nullptr) const;
  // The seat's most recent bid (0 for none).
  int LastBidOf(int seat) const;
  // A pass after any call ends the auction.
  bool Ended() const { return LastCall() == kCallPass && PreviousCall() != 0; }

 private:
  struct Position {
    int seat = 0;
    int line = 0;
  };
  Position LastPosition() const;

  std::array<std::array<int32_t, kAuctionLines + 2>, 3> cells_;
};

}  // namespace quorvex
