// One side of a LAN game: the handshake that joins the two machines, then every message of the
// other machine turned into the controller's call, and the chat both ways.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "game/controller.h"
#include "game/platform.h"
#include "game/table_view.h"
#include "net/lan_messages.h"
#include "net/lan_reader.h"

namespace quorvex {

class LanPeer {
 public:
  enum class State { Waiting, Connected };

  // `own_name` is the local player's name as the club keeps it.
  LanPeer(GameController& controller, TableView& view, LanRole role, std::string own_name);

  // Where this side's messages go: the socket's writer.
  void SetLink(PeerLink* link) { link_ = link; }
  // Called once when the two machines are joined, with the other player's name.
  void SetConnected(std::function<void(const std::string&)> connected) {
    connected_ = std::move(connected);
  }

  // The client's first words as soon as its socket can write.
  void SendHandshake();
  // Bytes of one read from the other machine. The game's messages wait until this side's
  // session has started.
  void OnBytes(std::string_view bytes);
  // This side's session is running: the messages that came early are handled now.
  void SessionStarted();
  // A chat line typed here (UTF-8): sent in the code page of the wire, characters it lacks as
  // "_", and shown in the history at once.
  void SendChat(std::string_view text);

  State GetState() const { return state_; }
  const std::string& PeerName() const { return peer_name_; }
  size_t DroppedBytes() const { return reader_.Dropped(); }

 private:
  void Handle(const LanMessage& message);
  void Send(const std::string& message);
  // The other machine's role digit, the only one its moves may carry.
  char PeerRoleDigit() const;

  GameController& controller_;
  TableView& view_;
  LanRole role_;
  std::string own_name_;
  PeerLink* link_ = nullptr;
  LanReader reader_;
  State state_ = State::Waiting;
  std::string peer_name_;
  std::function<void(const std::string&)> connected_;
  bool session_started_ = false;
  std::vector<LanMessage> early_;
};

}  // namespace quorvex
