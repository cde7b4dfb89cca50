#include "ui/table/tour_game.h"

#include "ui/table/main_window.h"

namespace quorvex {

TourGame::TourGame(GameController& controller, MainWindow& window)
    : controller_(controller), window_(window) {
  connect(&connection_, &LanConnection::Joined, this, [this] {
    if (!peer_) return;
    peer_->SendConnect();
    if (lobby_) lobby_->OnRelayConnected();
  });
  connect(&connection_, &LanConnection::BytesArrived, this, [this](const QByteArray& bytes) {
    if (peer_) peer_->OnBytes(std::string_view(bytes.constData(), size_t(bytes.size())));
  });
  connect(&connection_, &LanConnection::Lost, this, &TourGame::OnLost);
}

TourGame::~TourGame() {
  connection_.Close();
  controller_.SetPeerLink(nullptr);
}

void TourGame::Open(const std::string& address, int port, int seat) {
  Close();
  seat_ = seat == 2 ? 2 : 1;
  in_game_ = false;
  peer_ = std::make_unique<TourPeer>(controller_, window_, seat_);
  peer_->SetLink(&connection_);
  peer_->SetDealt([this] {
    controller_.SetPeerLink(peer_.get());
    if (dealt_) dealt_();
  });
  peer_->SetOver([this] {
    if (lobby_) lobby_->SetGameOver();
  });
  peer_->SetBusy([this] {
    // Leaving the relay gives the match to the opponent; the lobby frees the seat.
    connection_.Close();
    if (lobby_) lobby_->OnRelayError();
  });
  if (port <= 0 || port > 65535) {
    // A table record without a port: the connection fails like an unreachable relay.
    if (lobby_) lobby_->OnRelayError();
    return;
  }
  connection_.ConnectTo(QString::fromStdString(address), quint16(port));
}

void TourGame::Send(const std::string& message) {
  if (peer_) peer_->SendMessage(message);
}

void TourGame::Close() {
  connection_.Close();
  in_game_ = false;
  controller_.SetPeerLink(nullptr);
}

void TourGame::SendChat(const std::string& text) {
  if (peer_ && in_game_) peer_->SendChat(text);
}

void TourGame::OnLost() {
  if (!peer_) return;
  if (!peer_->Dealt()) {
    // Still in the lobby: the lobby's error timer frees the seat.
    if (lobby_) lobby_->OnRelayError();
    return;
  }
  in_game_ = false;
  if (controller_.InSession()) peer_->OnLost();
}

}  // namespace quorvex
