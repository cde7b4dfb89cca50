// One seat of a tournament game: the frames of the relay turned into the controller's calls, the
// controller's messages framed for the relay, and the chat both ways. The relay deals: its deck
// starts the game.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "game/controller.h"
#include "game/platform.h"
#include "game/table_view.h"
#include "net/tour_frames.h"

namespace quorvex {

class TourPeer : public PeerLink {
 public:
  // `seat` is this machine's tournament seat, 1 or 2.
  TourPeer(GameController& controller, TableView& view, int seat);

  // Where the framed bytes go: the relay connection's writer.
  void SetLink(PeerLink* link) { link_ = link; }
  // Called with the table's first deck, already dealt into the controller's state: the caller
  // closes the lobby and starts the session with Role().
  void SetDealt(std::function<void()> dealt) { dealt_ = std::move(dealt); }
  // Called when the relay says the game is over ("e"), or the game ended early.
  void SetOver(std::function<void()> over) { over_ = std::move(over); }
  // Called when the deck came while the table holds another game: this seat cannot play.
  void SetBusy(std::function<void()> busy) { busy_ = std::move(busy); }

  // The first words on the relay connection, as soon as it can write.
  void SendConnect();
  // A controller's message, framed with this seat's digit.
  void SendMessage(const std::string& message) override;
  // Bytes of one read from the relay.
  void OnBytes(std::string_view bytes);
  // A chat line typed here (UTF-8).
  void SendChat(std::string_view text);
  // The relay connection broke.
  void OnLost();

  TableRole Role() const { return seat_ == 1 ? TableRole::TourSeat1 : TableRole::TourSeat2; }
  char SeatDigit() const { return char('0' + seat_); }
  bool Dealt() const { return dealt_once_; }

 private:
  void Handle(const TourFrame& frame);

  GameController& controller_;
  TableView& view_;
  int seat_;
  PeerLink* link_ = nullptr;
  TourReader reader_;
  std::function<void()> dealt_;
  std::function<void()> over_;
  std::function<void()> busy_;
  bool dealt_once_ = false;
};

}  // namespace quorvex
