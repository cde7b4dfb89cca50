// The tournament relay in the test's own event loop: a tournament that keeps its seats in memory,
// and a player's program on a loopback socket: the game's own controller and tournament seat,
// with a helper that chooses each legal move.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpSocket>
#include <QThread>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "game/controller.h"
#include "game/deal.h"
#include "net/lan_messages.h"
#include "net/tour_frames.h"
#include "net/tour_peer.h"
#include "opponent/auction_table.h"
#include "relay_host.h"
#include "support/recording_view.h"

namespace quorvex::testing {

class FakeRelayHost : public server::RelayHost {
 public:
  void Seat(int table, int seat, const QString& nick, const QString& address = "127.0.0.1") {
    holders[{table, seat}] = server::SeatHolder{nick, address};
  }
  std::optional<server::SeatHolder> Holder(int table, int seat) override {
    const auto it = holders.find({table, seat});
    if (it == holders.end()) return std::nullopt;
    return it->second;
  }
  void SeatConnected(int table, int seat) override { connected.push_back({table, seat}); }
  void MatchStarted(int table) override { started.push_back(table); }
  void RecordMatch(const server::MatchRecord& match) override { records.push_back(match); }
  void FreeSeat(int table, int seat) override {
    freed.push_back({table, seat});
    holders.erase({table, seat});
  }

  std::map<std::pair<int, int>, server::SeatHolder> holders;
  std::vector<std::pair<int, int>> connected;
  std::vector<int> started;
  std::vector<server::MatchRecord> records;
  std::vector<std::pair<int, int>> freed;
};

// Runs the event loop until `done` holds or the time is up.
inline bool RunUntil(const std::function<bool()>& done, int limit_ms = 5000) {
  QElapsedTimer timer;
  timer.start();
  while (!done()) {
    if (timer.elapsed() > limit_ms) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QThread::usleep(200);
  }
  return true;
}

// Lets the event loop run for a while (to see that something does not happen).
inline void RunFor(int ms) {
  QElapsedTimer timer;
  timer.start();
  RunUntil([&] { return timer.elapsed() >= ms; }, ms + 1000);
}

// The socket writer of the seat's program.
class RelayPlayer : public PeerLink {
 public:
  explicit RelayPlayer(int seat, unsigned seed = 7)
      : seat_(seat),
        random_(seed),
        controller_(view_, opponent_, random_, clock_, hooks_),
        peer_(controller_, view_, seat) {
    controller_.SetPeerLink(&peer_);
    peer_.SetLink(this);
    peer_.SetDealt([this] {
      controller_.StartSession(peer_.Role(), SessionPlayer{seat_ == 1 ? "Ann" : "Bob", 0, 0},
                               seat_ == 1 ? "Bob" : "Ann");
    });
  }

  bool Connect(quint16 port) {
    socket_.connectToHost(QHostAddress::LocalHost, port);
    return RunUntil([this] { return socket_.state() == QAbstractSocket::ConnectedState; });
  }
  void SendRaw(const std::string& bytes) { socket_.write(bytes.data(), qint64(bytes.size())); }
  // A message framed with this seat's digit, whatever the game would make of it.
  void Send(const std::string& message) { SendRaw(FrameTourMessage(message, Digit())); }
  void Join() { peer_.SendConnect(); }
  void Disconnect() { socket_.abort(); }

  // The seat's framed messages go out to the relay; its moves are kept.
  void SendMessage(const std::string& framed) override {
    if (framed[0] == 'h') sent.push_back(framed.substr(0, framed.find('#')));
    SendRaw(framed);
  }

  // What arrived goes to the seat's program; the frames after the deck are kept as they came.
  void Pump() {
    if (socket_.bytesAvailable() <= 0) return;
    const std::string bytes = socket_.readAll().toStdString();
    peer_.OnBytes(bytes);
    buffer_ += bytes;
    if (!deck_seen_) {
      if (buffer_.size() < kDeckMessageLength) return;
      buffer_.erase(0, kDeckMessageLength);
      deck_seen_ = true;
    }
    while (buffer_.size() >= kTourFrameLength) {
      const std::string raw = buffer_.substr(0, kTourFrameLength);
      buffer_.erase(0, kTourFrameLength);
      frames.push_back(raw);
      const TourFrameKind kind = ReadTourFrame(raw).kind;
      over |= kind == TourFrameKind::GameOver;
      abandoned |= kind == TourFrameKind::Abandoned;
      time_up |= kind == TourFrameKind::TimeUp;
    }
  }

  // One move of this seat when the game lets it make one; false otherwise.
  bool Act() {
    if (!peer_.Dealt() || controller_.RelayOver()) return false;
    const TDealState& state = controller_.State();
    const AuctionEngine& auction = controller_.Auction();
    if (seat_ == 1 && state.PlayState == 1 && controller_.MainButton().enabled) {
      controller_.OnMainButton();
      return true;
    }
    if (state.Phase == PhaseSeat2 && state.PlayState == 2) {
      const int index = PickCard();
      return index != 0 && controller_.OnLowerHandClick(index);
    }
    if (state.Phase == PhaseBidSeat2 && !auction.Closed()) {
      controller_.OnLocalCall(call_policy ? call_policy(controller_) : PlannedCall());
      return true;
    }
    if (seat_ == 1 && auction.Closed() && !auction.MayClose()) {
      controller_.OnBiddingOk();
      return true;
    }
    if (seat_ == 1 && state.Phase == PhaseTrickDone && controller_.MainButton().enabled) {
      controller_.OnMainButton();
      return true;
    }
    return false;
  }

  // The messages of the opponent's frames, without the filling.
  std::vector<std::string> MovesReceived() const {
    std::vector<std::string> moves;
    for (const std::string& raw : frames)
      if (raw[0] == 'h') moves.push_back(raw.substr(0, raw.find('#')));
    return moves;
  }
  bool Closed() const { return socket_.state() == QAbstractSocket::UnconnectedState; }
  bool Dealt() const { return peer_.Dealt(); }
  int Seat() const { return seat_; }
  GameController& Controller() { return controller_; }
  const std::array<TCard, 53>& Deck() const { return controller_.State().Deck; }

  std::vector<std::string> sent;    // the controller's moves, as it sent them
  std::vector<std::string> frames;  // every frame from the relay, as it came
  bool over = false;                // "e"
  bool abandoned = false;           // "a"
  bool time_up = false;             // "T"
  // The calls of this seat; the default bids up to a level each, doubles and redoubles.
  std::function<int(const GameController&)> call_policy;

 private:
  char Digit() const { return static_cast<char>('0' + seat_); }

  // A legal card chosen at random, so that deals differ in their course.
  int PickCard() {
    std::vector<int> legal;
    for (int i = 1; i <= kHandSlots; ++i)
      if (controller_.CanPlayLowerCard(i)) legal.push_back(i);
    return legal.empty() ? 0 : legal[size_t(random_.Below(int(legal.size())))];
  }

  // Seat 1 bids up to 3 and doubles, seat 2 bids up to 4 and redoubles.
  int PlannedCall() const {
    const AuctionEngine& auction = controller_.Auction();
    const int highest = auction.Table().HighestBid();
    if (auction.DoubleOffer() == 2) return kCallRedouble;
    if (highest < 2 + seat_) return highest + 1;
    if (auction.DoubleOffer() == 1 && seat_ == 1) return kCallDouble;
    return kCallPass;
  }

  int seat_;
  QTcpSocket socket_;
  std::string buffer_;
  bool deck_seen_ = false;
  RecordingView view_;
  PlainOpponent opponent_;
  SeededRandom random_;
  FakeClock clock_;
  SessionHooks hooks_;
  GameController controller_;
  TourPeer peer_;
};

}  // namespace quorvex::testing
