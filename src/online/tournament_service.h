// The requests of the tournament service: the ten tables, the server's state and message, taking
// and giving up a seat, the holder of a seat, a player's standing, the place of a value and the
// top ten of a ranking. Each call is one blocking exchange; a failure is returned, never thrown,
// and leaves the defaults the call names.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "online/http_client.h"
#include "online/tournament_records.h"
#include "online/world_records.h"

namespace quorvex {

struct TableRead {
  // False when the exchange failed or a number did not parse; the tables read before stay.
  bool ok = false;
  // Table t is tables[t - 1]. The reply lists them from table 10 down.
  std::array<TZefTable, kTourTables> tables{};
};

struct ServerInfo {
  bool ok = false;
  char state = 'X';     // 'Y' while the tournament runs
  std::string message;  // UTF-8, with the "_" that stand for blanks still in it
};

// What the service answered to a seat request.
enum class SeatResult {
  Done = 0,
  Failed = 1,  // refused, or no answer
  Taken = 2,   // somebody was faster
};

// The "can" of a seat request.
enum class SeatChange {
  Free = 0,  // after a connection error or a server stop
  Take = 1,
  Leave = 2,
};

class TournamentService {
 public:
  TournamentService(HttpClient& client, std::string address)
      : client_(client), address_(std::move(address)) {}

  TableRead ReadTables();
  ServerInfo ReadServerInfo();
  SeatResult RequestSeat(int seat, int table, SeatChange change, const TZefClient& holder);
  // The holder of a seat; nullopt when the exchange failed or a number did not parse.
  std::optional<TZefClient> ReadSeat(int seat, int table);
  // A player's standing; nullopt when nothing was read.
  std::optional<TourStanding> ReadStanding(const std::string& nick);
  // The place `value` takes in a ranking; nullopt on failure.
  std::optional<int64_t> ReadPlace(TourKind kind, int64_t value);
  // The best ten of a ranking: Place, Nick, City, Country (a code), R07 (the sex letter) and the
  // value as Score.
  RecordList ReadTopTen(TourKind kind);

  // The bodies as the service receives them.
  static std::string SeatBody(int seat, int table, SeatChange change, const TZefClient& holder);
  static std::string PlaceBody(TourKind kind, int64_t value);

  // Cutters of the replies, for the readers above.
  static TableRead ReadTableReply(const std::string& reply);
  static RecordList ReadTopTenReply(const std::string& reply);

 private:
  HttpClient& client_;
  std::string address_;
};

}  // namespace quorvex
