#include "net/tour_peer.h"

#include "game/deal.h"
#include "locale/cp1251.h"
#include "net/lan_messages.h"

namespace quorvex {

TourPeer::TourPeer(GameController& controller, TableView& view, int seat)
    : controller_(controller), view_(view), seat_(seat == 2 ? 2 : 1) {}

void TourPeer::SendConnect() {
  SendMessage("connect" + std::string(1, SeatDigit()));
}

void TourPeer::SendMessage(const std::string& message) {
  if (link_) link_->SendMessage(FrameTourMessage(message, SeatDigit()));
}

void TourPeer::SendChat(std::string_view text) {
  if (!dealt_once_ || controller_.RelayOver() || text.empty()) return;
  const std::string message = ChatMessage(Utf8ToCp1251Lossy(text, '_'));
  SendMessage(message);
  // What the opponent reads: the relay's frames end the text at the first "#".
  const std::string shown = ReadTourFrame(FrameTourMessage(message, SeatDigit())).text;
  view_.AddChatLine(seat_, Cp1251ToUtf8(shown));
}

void TourPeer::OnBytes(std::string_view bytes) {
  for (const TourFrame& frame : reader_.Feed(bytes)) Handle(frame);
}

void TourPeer::OnLost() {
  controller_.OnRelayLost();
}

void TourPeer::Handle(const TourFrame& frame) {
  // Only the relay's own frames and the opponent's reach this seat.
  const char opponent = seat_ == 1 ? '2' : '1';
  if (frame.kind != TourFrameKind::Deck && frame.seat != opponent && frame.seat != kRelayDigit)
    return;
  // The table's moves are for this seat's game only, never for another one the table holds.
  if (frame.kind != TourFrameKind::Deck && (!dealt_once_ || controller_.Role() != Role())) return;
  switch (frame.kind) {
    case TourFrameKind::Deck: {
      // A tournament game is one deal: only the first deck counts.
      if (dealt_once_) return;
      if (controller_.InSession()) {
        // The player started another game while seated: the deal is not theirs to play.
        if (busy_) busy_();
        return;
      }
      dealt_once_ = true;
      TDealState& state = controller_.MutableState();
      state.Deck = frame.deck;
      state.DeckRank = frame.ranks;
      DealCards(state, Role());
      if (dealt_) dealt_();
      return;
    }
    case TourFrameKind::Begin:
      if (seat_ == 2) controller_.OnPeerBegin();
      return;
    case TourFrameKind::Card:
      controller_.OnPeerCard(frame.number);
      return;
    case TourFrameKind::Collect:
      if (seat_ == 2) controller_.OnPeerCollect();
      return;
    case TourFrameKind::Call:
      controller_.OnPeerCall(frame.number);
      return;
    case TourFrameKind::Close:
      controller_.OnPeerClose();
      return;
    case TourFrameKind::Chat:
      if (!dealt_once_ || frame.seat != opponent) return;
      view_.AddChatLine(opponent - '0', Cp1251ToUtf8(frame.text));
      view_.PlayEffect("WToMenK");
      return;
    case TourFrameKind::GameOver:
      controller_.OnRelayGameOver();
      if (over_) over_();
      return;
    case TourFrameKind::Abandoned:
    case TourFrameKind::TimeUp:
      if (controller_.RelayOver()) return;
      controller_.OnOpponentGone(frame.kind == TourFrameKind::TimeUp);
      if (over_) over_();
      return;
    case TourFrameKind::Connect:
    case TourFrameKind::TimeOut:
    case TourFrameKind::Result:
    case TourFrameKind::Leave:
    case TourFrameKind::Unknown:
      return;
  }
}

}  // namespace quorvex
