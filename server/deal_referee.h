// Replays a tournament deal with the game's own rules. Each seat has its own controller, dealt
// and driven exactly as that seat's program is, so a move counts as legal here exactly when the
// game would let the player make it, and the deal is scored as both players see it scored.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "game/card.h"
#include "net/tour_frames.h"

namespace quorvex::server {

enum class RefereeVerdict {
  Accepted,   // applied to both seats' replays: it may go on to the other seat
  Illegal,    // not the sender's move now, or no move at all
  OutOfStep,  // applied, but the two replays no longer tell the same deal
};

class DealReferee {
 public:
  DealReferee(const std::array<TCard, 53>& deck, const std::array<uint8_t, 53>& ranks);
  ~DealReferee();
  DealReferee(const DealReferee&) = delete;
  DealReferee& operator=(const DealReferee&) = delete;

  // Whether tournament seat 1 or 2 may send the frame now: one of the game's moves ("hbegin",
  // "hhod", "hslits", "htrg", "hclose"), carrying the sender's own seat digit, legal in the deal.
  bool Legal(int seat, const TourFrame& frame) const;
  // Judges the frame and, when legal, applies it: to the sender's controller as the local
  // player's action, to the other's as the message from the peer.
  RefereeVerdict Play(int seat, const TourFrame& frame);

  // The seat the game waits for: to start the play, to play a card, to call, to collect a trick
  // or to close a finished auction. 0 once the deal is over.
  int ToAct() const;
  bool Over() const;
  // Seat 1's points minus seat 2's as the replay scored the deal; 0 until it is over and for a
  // passed-out deal.
  int32_t Balance1() const;

 private:
  struct Replay;
  bool InStep() const;

  std::unique_ptr<Replay> replay_[3];  // index 1 and 2: the tournament seats
};

}  // namespace quorvex::server
