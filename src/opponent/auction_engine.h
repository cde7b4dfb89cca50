// Runs the auction of a deal: records calls, decides the legal calls, ends the auction and derives
// the contract. The same engine serves the game against the computer and both network games.
#pragma once

#include <string>

#include "game/deal_state.h"
#include "game/platform.h"
#include "game/table_view.h"
#include "opponent/auction_table.h"

namespace quorvex {

enum class AuctionOutcome { Open, Contract, PassedOut };

class AuctionEngine {
 public:
  AuctionEngine(TDealState& state, TableView& view) : state_(state), view_(view) {}

  void SetRole(TableRole role, PeerLink* link) {
    role_ = role;
    link_ = link;
  }
  // A new deal: an empty table, nothing closed, no double offer.
  void Reset();

  const AuctionTable& Table() const { return table_; }
  AuctionTable& Table() { return table_; }
  bool Closed() const { return closed_; }
  bool MayClose() const { return may_close_; }
  int DoubleOffer() const { return double_offer_; }

  // The local player's call: stored in the local seat's next cell, then refreshed and sent.
  AuctionOutcome RecordLocalCall(int code);
  // A call of the upper seat (the computer's or the peer's), stored without refreshing.
  void PlaceUpperCall(int code);
  // Recomputes everything after a call; the outcome says whether this refresh closed it.
  AuctionOutcome RefreshAuction(bool send);
  // The OK button: play begins, or the passed-out deal ends. Tells the peer.
  AuctionOutcome CloseAuction();

  // The two texts sent to the peer.
  static std::string CallMessage(int code, TableRole role);
  static std::string CloseMessage(TableRole role);
  // The clip a call plays.
  static const char* CallSound(int code);

 private:
  BiddingButtons Buttons() const;
  void DeriveContract();

  TDealState& state_;
  TableView& view_;
  TableRole role_ = TableRole::SinglePlayer;
  PeerLink* link_ = nullptr;
  AuctionTable table_;
  bool closed_ = false;
  bool may_close_ = false;
  int double_offer_ = 0;
};

}  // namespace quorvex
