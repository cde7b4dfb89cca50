// The lobby of the world online tournament, without its window: the ten tables as last read, the
// server's state and message, the local player's seat, and what the seat buttons, the "My
// results" panel and the lamp show. The window draws this state and forwards clicks and timer
// ticks; the game's side of the relay connection tells it when the connection opened, failed or
// the match ended.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "online/tournament_records.h"
#include "online/tournament_service.h"

namespace quorvex {

// The relay connection of the game, as the lobby uses it.
class LobbyRelay {
 public:
  virtual ~LobbyRelay() = default;
  // Opens the relay connection to address:port for `seat`. The game's side sends "connect" +
  // seat when it can write (then calls TournamentLobby::OnRelayConnected) and reports a
  // connection error through TournamentLobby::OnRelayError.
  virtual void Open(const std::string& address, int port, int seat) = 0;
  // One message, framed by the relay side with the seat Open was given.
  virtual void Send(const std::string& message) = 0;
  virtual void Close() = 0;
};

// The lobby's sounds and boxes.
class LobbyHooks {
 public:
  virtual ~LobbyHooks() = default;
  virtual void PlayErrorSound() = 0;
  virtual void ShowMessage(const std::string& text) = 0;
};

// What a seat button says.
enum class SeatCaption {
  ServerOff,  // "Server Off"
  TakePlace,  // "Take the place of"
  LogOff,     // "Log off": the local player's own seat 1
  Holder,     // the holder's nick and score
  Free,       // "Free": seat 2 while seat 1 is free
};

struct SeatButton {
  SeatCaption caption = SeatCaption::ServerOff;
  std::string holder;  // "Ann : 120" for SeatCaption::Holder
  bool enabled = false;

  // The caption in the current language.
  std::string Text() const;
  bool operator==(const SeatButton&) const = default;
};

// The "My results" panel.
struct MyResults {
  std::string nick;
  int64_t score = 0;
  std::optional<int64_t> place;  // "No Connect" without it
  int64_t rating = 0;
  int64_t games = 0;
  std::string city;
};

enum class RelayStage {
  Idle = 0,       // not seated
  Opening = 1,    // seated, the relay connection being opened
  Connected = 2,  // "connect" sent
  GameOver = 10,  // the relay said the match is over
};

class TournamentLobby {
 public:
  static constexpr const char* kLoopback = "127.0.0.1";

  // `public_address` answers the machine's public address (empty when unknown).
  TournamentLobby(TournamentService& service, LobbyRelay& relay, LobbyHooks& hooks,
                  std::function<std::string()> public_address);

  // Opening the lobby for the account `identity` (nick, country name, city, sex): not seated,
  // the tables read, the player's standing read.
  void Open(const TZefClient& identity);
  // The refresh timer's tick and the "Refresh" button: the results panel, then the tables.
  void Tick();
  // Reads the tables and the server's state; frees a seated player whose server is gone.
  void Refresh();
  // A click on seat `seat` (1, 2) of table `table` (1..10); nothing when that button is off.
  void ClickSeat(int table, int seat);
  // The error timer's tick: frees the seat after a relay connection error.
  void ErrorTick();
  // Reads the place of the own score for the results panel.
  void ReadResults();

  // The game's side of the relay connection.
  void OnRelayConnected();
  void OnRelayError() { relay_error_ = true; }
  void SetGameOver() { stage_ = RelayStage::GameOver; }

  SeatButton Seat(int table, int seat) const;
  const TZefTable& Table(int table) const { return tables_[size_t(table - 1)]; }
  // The welcome line: the server's message, or "No Connect" after a failed read.
  const std::string& Welcome() const { return welcome_; }
  // 0 the normal font, 1 smaller beyond 39 characters, 2 smaller still beyond 54.
  int WelcomeStep() const;
  bool ServerOn() const { return server_on_ == 'Y'; }
  // "Refresh", "Close" and "Top 10", and whether the window may close.
  bool ControlsEnabled() const { return !(my_table_ != 0 && ServerOn()); }
  const MyResults& Results() const { return results_; }
  const TZefClient& Own() const { return own_; }

  int MyTable() const { return my_table_; }
  int MySeat() const { return my_seat_; }
  RelayStage RelayState() const { return stage_; }
  const std::string& RelayAddress() const { return relay_address_; }
  int64_t RelayBasePort() const { return relay_base_port_; }
  bool RelayError() const { return relay_error_; }

 private:
  void Connect(int table, int seat);
  void Unseat();

  TournamentService& service_;
  LobbyRelay& relay_;
  LobbyHooks& hooks_;
  std::function<std::string()> public_address_;

  std::array<TZefTable, kTourTables> tables_{};
  bool reads_ok_ = false;
  char server_on_ = 'X';
  std::string welcome_;
  std::string relay_address_ = "0.0.0.0";
  int64_t relay_base_port_ = -1;

  int my_table_ = 0;
  int my_seat_ = 0;
  RelayStage stage_ = RelayStage::Idle;
  bool relay_error_ = false;

  TZefClient own_;
  MyResults results_;
};

}  // namespace quorvex
