// Seat 1's choices in the game against the computer.
#pragma once

#include "game/deal_state.h"

namespace quorvex {

class AuctionTable;

class Opponent {
 public:
  virtual ~Opponent() = default;
  // A new deal was dealt: forget what was worked out for the last one.
  virtual void NewDeal() {}
  // Hand index 1..13 of the card seat 1 plays now.
  virtual int ChooseComputerCard(const TDealState& state) = 0;
  // Call code (1..35 bid, 36 double, 37 redouble, 38 pass) seat 1 makes now.
  virtual int ChooseComputerCall(const TDealState& state, const AuctionTable& table) = 0;
};

// Plays its first legal card and always passes.
class PlainOpponent : public Opponent {
 public:
  int ChooseComputerCard(const TDealState& state) override;
  int ChooseComputerCall(const TDealState& state, const AuctionTable& table) override;
};

}  // namespace quorvex
