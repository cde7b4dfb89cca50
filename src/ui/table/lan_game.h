// A LAN game from the Welcome dialog's Ok to the end of its session: the socket, the waiting
// dialog, the handshake, the messages both ways, the chat line, and a lost connection.
#pragma once

#include <QObject>
#include <memory>
#include <string>

#include "game/controller.h"
#include "net/lan_peer.h"
#include "settings/settings.h"
#include "ui/dialogs/player_dialog.h"
#include "ui/table/lan_connection.h"

namespace quorvex {

class MainWindow;
class TFormWait;

class LanGame : public QObject {
  Q_OBJECT

 public:
  LanGame(GameController& controller, MainWindow& window, Settings& settings);
  ~LanGame() override;

  // Opens the connection Ok asked for and waits in the waiting dialog. True when the other
  // machine has joined: the caller then starts the session with Role() and PeerName(), and
  // calls SessionStarted.
  bool Open(const LanEntry& entry, const std::string& own_name);
  void SessionStarted();
  // Switches the sockets off (the session ended or was left).
  void Close();
  // A chat line typed at the table (UTF-8).
  void SendChat(const std::string& text);
  bool InGame() const { return in_game_; }

  TableRole Role() const;
  const std::string& PeerName() const { return peer_name_; }
  LanConnection& Connection() { return connection_; }
  LanPeer* Peer() { return peer_.get(); }
  TFormWait* WaitDialog() { return wait_; }

 private:
  void OnLost();

  GameController& controller_;
  MainWindow& window_;
  Settings& settings_;
  LanConnection connection_;
  std::unique_ptr<LanPeer> peer_;
  TFormWait* wait_ = nullptr;  // lives as long as the window
  LanRole role_ = LanRole::Server;
  std::string peer_name_;
  bool in_game_ = false;
};

}  // namespace quorvex
