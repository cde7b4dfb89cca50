// A tournament game from taking a seat in the lobby to the end of its match: the relay connection,
// the frames both ways, the chat line, and the relay's word reaching the lobby and the table.
#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <string>

#include "game/controller.h"
#include "net/tour_peer.h"
#include "online/tournament_lobby.h"
#include "ui/table/lan_connection.h"

namespace quorvex {

class MainWindow;

class TourGame : public QObject, public LobbyRelay {
  Q_OBJECT

 public:
  TourGame(GameController& controller, MainWindow& window);
  ~TourGame() override;

  // The lobby that hears of the relay connection while no match runs; null when none is open.
  void SetLobby(TournamentLobby* lobby) { lobby_ = lobby; }
  // Called with the table's first deck, already dealt: the caller closes the lobby, starts the
  // session with Role() and calls SessionStarted.
  void SetDealt(std::function<void()> dealt) { dealt_ = std::move(dealt); }

  // LobbyRelay
  void Open(const std::string& address, int port, int seat) override;
  void Send(const std::string& message) override;
  void Close() override;

  void SessionStarted() { in_game_ = true; }
  // A chat line typed at the table (UTF-8).
  void SendChat(const std::string& text);
  bool InGame() const { return in_game_; }
  TableRole Role() const { return peer_ ? peer_->Role() : TableRole::TourSeat1; }
  int Seat() const { return seat_; }

 private:
  void OnLost();

  GameController& controller_;
  MainWindow& window_;
  LanConnection connection_;
  std::unique_ptr<TourPeer> peer_;
  TournamentLobby* lobby_ = nullptr;
  std::function<void()> dealt_;
  int seat_ = 0;
  bool in_game_ = false;
};

}  // namespace quorvex
