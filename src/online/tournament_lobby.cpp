#include "online/tournament_lobby.h"

#include <algorithm>

#include "locale/lang_text.h"

namespace quorvex {
namespace {

// Characters, not bytes: the message may be in any script.
size_t Characters(const std::string& utf8) {
  return size_t(std::count_if(utf8.begin(), utf8.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

}  // namespace

std::string SeatButton::Text() const {
  switch (caption) {
    case SeatCaption::ServerOff:
      return quorvex::Text(Tx::ServerOff);
    case SeatCaption::TakePlace:
      return quorvex::Text(Tx::TakeThePlace);
    case SeatCaption::LogOff:
      return quorvex::Text(Tx::LogOff);
    case SeatCaption::Holder:
      return holder;
    case SeatCaption::Free:
      return quorvex::Text(Tx::FreeSeat);
  }
  return std::string();
}

TournamentLobby::TournamentLobby(TournamentService& service, LobbyRelay& relay, LobbyHooks& hooks,
                                 std::function<std::string()> public_address)
    : service_(service), relay_(relay), hooks_(hooks), public_address_(std::move(public_address)) {}

void TournamentLobby::Open(const TZefClient& identity) {
  // A seat of an earlier visit is over: the relay frees it when its match ends.
  my_table_ = my_seat_ = 0;
  stage_ = RelayStage::Idle;
  relay_error_ = false;
  Refresh();
  own_ = identity;
  if (const std::optional<TourStanding> standing = service_.ReadStanding(identity.Nick)) {
    own_.Score = standing->Score;
    own_.Kon = standing->Kon;
    own_.Rating = standing->Rating;
  }
  own_.IP = public_address_ ? public_address_() : std::string();
  ReadResults();
}

void TournamentLobby::Tick() {
  ReadResults();
  Refresh();
}

void TournamentLobby::ReadResults() {
  results_.nick = own_.Nick;
  results_.score = own_.Score;
  results_.place = service_.ReadPlace(TourKind::Score, own_.Score);
  results_.rating = own_.Rating;
  results_.games = own_.Kon;
  results_.city = own_.City;
}

void TournamentLobby::Refresh() {
  // A table the reply no longer lists is shown as before any read, not as it last was.
  TableRead read = service_.ReadTables();
  tables_ = read.tables;
  const ServerInfo info = service_.ReadServerInfo();
  // Without an answer the state is unknown: the lamp goes off with the seats.
  server_on_ = info.ok ? info.state : 'X';
  if (info.ok) {
    welcome_ = info.message;
    std::replace(welcome_.begin(), welcome_.end(), '_', ' ');
  } else {
    welcome_ = Text(Tx::NoConnect);
  }
  reads_ok_ = read.ok && info.ok;
  relay_address_ = tables_[0].IP;
  relay_base_port_ = tables_[0].Port - 1;
  if ((!reads_ok_ || !ServerOn()) && my_table_ != 0) {
    service_.RequestSeat(my_seat_, my_table_, SeatChange::Free, TZefClient::Vacant("X"));
    Unseat();
  }
}

int TournamentLobby::WelcomeStep() const {
  const size_t length = Characters(welcome_);
  return length > 54 ? 2 : length > 39 ? 1 : 0;
}

SeatButton TournamentLobby::Seat(int table, int seat) const {
  SeatButton button;
  if (table < 1 || table > kTourTables || (seat != 1 && seat != 2) || !reads_ok_ || !ServerOn())
    return button;
  const TZefTable& t = tables_[size_t(table - 1)];
  const bool seated = my_table_ != 0;
  const bool first_taken = SeatTaken(t.Nick1);
  if (seat == 1) {
    if (first_taken && my_table_ == table && my_seat_ == 1) {
      button.caption = SeatCaption::LogOff;
      button.enabled = true;
    } else if (first_taken) {
      button.caption = SeatCaption::Holder;
      button.holder = t.Nick1 + " : " + std::to_string(t.Score1);
    } else {
      button.caption = SeatCaption::TakePlace;
      button.enabled = !seated;
    }
  } else if (SeatTaken(t.Nick2)) {
    button.caption = SeatCaption::Holder;
    button.holder = t.Nick2 + " : " + std::to_string(t.Score2);
  } else if (first_taken) {
    button.caption = SeatCaption::TakePlace;
    button.enabled = !seated;
  } else {
    button.caption = SeatCaption::Free;
  }
  return button;
}

void TournamentLobby::ClickSeat(int table, int seat) {
  const SeatButton button = Seat(table, seat);
  if (!button.enabled) return;
  if (button.caption == SeatCaption::LogOff) {
    if (service_.RequestSeat(seat, table, SeatChange::Leave, TZefClient::Vacant("X")) !=
        SeatResult::Done) {
      hooks_.PlayErrorSound();
      return;
    }
    my_table_ = my_seat_ = 0;
    relay_.Send("disA");
    relay_.Close();
    Refresh();
    stage_ = RelayStage::Idle;
    return;
  }
  if (seat == 2) {
    const std::optional<TZefClient> first = service_.ReadSeat(1, table);
    // Two seats from one address would let one player play both hands. An address nobody knows
    // (the echo failed) matches nothing; a relay on this machine is a local test.
    if (first && !own_.IP.empty() && first->IP == own_.IP && relay_address_ != kLoopback) {
      hooks_.ShowMessage(Text(Tx::SameIpOccupied));
      return;
    }
  }
  if (service_.RequestSeat(seat, table, SeatChange::Take, own_) != SeatResult::Done) {
    hooks_.PlayErrorSound();
    return;
  }
  Connect(table, seat);
}

void TournamentLobby::Connect(int table, int seat) {
  my_table_ = table;
  my_seat_ = seat;
  stage_ = RelayStage::Opening;
  relay_.Open(relay_address_, int(relay_base_port_ + table), seat);
  Refresh();
}

void TournamentLobby::OnRelayConnected() {
  if (stage_ == RelayStage::Opening) stage_ = RelayStage::Connected;
}

void TournamentLobby::ErrorTick() {
  if (!relay_error_) return;
  relay_error_ = false;
  // An error of a connection the player already gave up frees nothing.
  if (my_table_ == 0) return;
  hooks_.ShowMessage(Text(Tx::ServerConnectionError));
  const int table = my_table_;
  const int seat = my_seat_;
  service_.RequestSeat(seat, table, SeatChange::Free, TZefClient::Vacant("M"));
  // Seat 1 holds the table: its partner cannot play on without it.
  if (seat == 1) service_.RequestSeat(2, table, SeatChange::Free, TZefClient::Vacant("M"));
  Unseat();
  Refresh();
}

void TournamentLobby::Unseat() {
  my_table_ = my_seat_ = 0;
  stage_ = RelayStage::Idle;
  // A relay left open for a seat the player no longer holds could still deliver a match.
  relay_.Close();
}

}  // namespace quorvex
