#include "net/lan_peer.h"

#include "game/deal.h"
#include "locale/cp1251.h"

namespace quorvex {
LanPeer::LanPeer(GameController& controller, TableView& view, LanRole role, std::string own_name)
    : controller_(controller), view_(view), role_(role), own_name_(std::move(own_name)) {}

char LanPeer::PeerRoleDigit() const {
  return static_cast<char>(role_ == LanRole::Server ? LanRole::Client : LanRole::Server);
}

void LanPeer::Send(const std::string& message) {
  if (link_) link_->SendMessage(message);
}

void LanPeer::SendHandshake() {
  if (role_ == LanRole::Client && state_ == State::Waiting) Send(HandshakeMessage(own_name_));
}

void LanPeer::SendChat(std::string_view text) {
  if (state_ != State::Connected || text.empty()) return;
  const std::string message = ChatMessage(Utf8ToCp1251Lossy(text, '_'));
  Send(message);
  // Each machine draws every line in its own role's colour.
  view_.AddChatLine(role_ == LanRole::Server ? 1 : 2, Cp1251ToUtf8(message.substr(1)));
}

void LanPeer::OnBytes(std::string_view bytes) {
  for (LanMessage& message : reader_.Feed(bytes)) {
    if (state_ == State::Connected && !session_started_) {
      early_.push_back(std::move(message));
    } else {
      Handle(message);
    }
  }
}

void LanPeer::SessionStarted() {
  session_started_ = true;
  std::vector<LanMessage> early;
  early.swap(early_);
  for (const LanMessage& message : early) Handle(message);
}

void LanPeer::Handle(const LanMessage& message) {
  if (state_ == State::Waiting) {
    // Until the two are joined only the handshake counts; anything else is ignored.
    if (role_ == LanRole::Server && message.kind == LanMessageKind::Handshake) {
      peer_name_ = message.name;
      state_ = State::Connected;
      Send(ConnectReplyMessage(own_name_));
      if (connected_) connected_(peer_name_);
    } else if (role_ == LanRole::Client && message.kind == LanMessageKind::ConnectReply) {
      peer_name_ = message.name;
      state_ = State::Connected;
      if (connected_) connected_(peer_name_);
    }
    return;
  }
  const bool from_peer = message.role == 0 || message.role == PeerRoleDigit();
  if (!from_peer) return;
  switch (message.kind) {
    case LanMessageKind::Deck: {
      // Only the server deals; the client plays the deck it was sent.
      if (role_ != LanRole::Client) return;
      TDealState& state = controller_.MutableState();
      state.Deck = message.deck;
      state.DeckRank = message.ranks;
      DealCards(state, TableRole::LanClient);
      controller_.SetDeckReceived();
      controller_.StartDeal(true);
      return;
    }
    case LanMessageKind::Begin:
      if (role_ == LanRole::Client) controller_.OnPeerBegin();
      return;
    case LanMessageKind::Card:
      controller_.OnPeerCard(message.number);
      return;
    case LanMessageKind::Collect:
      if (role_ == LanRole::Client) controller_.OnPeerCollect();
      return;
    case LanMessageKind::Call:
      controller_.OnPeerCall(message.number);
      return;
    case LanMessageKind::Close:
      controller_.OnPeerClose();
      return;
    case LanMessageKind::Chat:
      view_.AddChatLine(role_ == LanRole::Server ? 1 : 2, Cp1251ToUtf8(message.text));
      view_.PlayEffect("WToMenK");
      return;
    case LanMessageKind::Handshake:
    case LanMessageKind::WrongHandshake:
    case LanMessageKind::ConnectReply:
      return;
  }
}

}  // namespace quorvex
