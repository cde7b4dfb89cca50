// One table of the tournament relay: its two seats' connections, the match between them with
// the referee's replay of the deal, the move clock and the end of the match.
#pragma once

#include <QObject>
#include <QTimer>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "deal_referee.h"
#include "game/platform.h"
#include "net/tour_frames.h"
#include "relay_host.h"
#include "relay_timings.h"

class QTcpSocket;

namespace quorvex::server {

class RelayTable : public QObject {
 public:
  RelayTable(RelayHost& host, int number, const RelayTimings& timings, const RelayLog& log,
             Random& random);
  ~RelayTable() override;

  // A new connection to this table's port; the table owns it from now on.
  void Adopt(QTcpSocket* socket);

 private:
  enum class Stage { Gathering, Playing, Decided };
  enum class Loss { Illegal, Time, Left };
  struct Conn;

  void OnReadable(Conn* conn);
  void OnGone(Conn* conn);
  void Handle(Conn* conn, const TourFrame& frame);
  void HandleJoin(Conn* conn, const TourFrame& frame);
  void HandleMove(int seat, const TourFrame& frame);
  void HandleAfterMatch(int seat, const TourFrame& frame);
  bool AddressHolds(const QTcpSocket& socket, int seat);
  void StartMatch();
  void RestartClock();
  void Forfeit(int loser, Loss loss);
  void FinishPlayedOut();
  void Decide(const MatchRecord& record);
  void Send(int seat, const std::string& bytes);
  void Close(Conn* conn);
  void CloseAll();
  void Sweep();

  RelayHost& host_;
  const int number_;
  const RelayTimings& timings_;
  const RelayLog& log_;
  Random& random_;

  std::vector<std::unique_ptr<Conn>> conns_;
  Conn* seat_[3] = {nullptr, nullptr, nullptr};
  bool sweep_queued_ = false;

  Stage stage_ = Stage::Gathering;
  std::unique_ptr<DealReferee> referee_;
  QString nick_[3];
  bool played_out_ = false;
  int32_t recorded_balance_ = 0;
  QTimer move_clock_;
  int clock_seat_ = 0;
  QTimer linger_;
};

}  // namespace quorvex::server
