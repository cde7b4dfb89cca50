// The world statistics: a start report once per run, the counters of every finished session,
// one "like" per installation, and the totals the "WORLD STATS" window shows.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "game/deal_state.h"
#include "online/http_client.h"

namespace quorvex {

inline constexpr int kGameId = 47;

// The totals the server keeps for this game.
struct TZefStat {
  int64_t GID = kGameId;
  int64_t Stat1 = 0;  // starts
  int64_t Stat2 = 0;  // unique starts: installations
  int64_t Stat3 = 0;  // likes
  std::string Stat4;  // nick of the last like
  std::array<int64_t, 12> StatX{};
  int64_t StatY = 0;
  std::string StatZ;
};

// R1..R12 of a finished session.
struct SessionCounters {
  std::array<int64_t, 12> R{};
};
SessionCounters CountSession(TableRole role, int deals, int32_t balance);

class WorldStats {
 public:
  WorldStats(HttpClient& client, std::string address)
      : client_(client), address_(std::move(address)) {}

  // Once per run. A first start (not yet reported) sends 1 and the flag takes the answer; later
  // starts send 0 and ignore it. An installation whose club file carries the "idd" mark
  // (`quiet_installation`) reports nothing. Whether a report was sent: the settings file is
  // written after one.
  bool ReportStart(bool& install_reported, bool quiet_installation = false);
  bool ReportSession(const SessionCounters& counters);
  bool SendLike(const std::string& nick);
  // The totals; nullopt when they could not be read.
  std::optional<TZefStat> ReadTotals();

  // The bodies, as the server receives them.
  static std::string StartBody(bool first_start);
  static std::string SessionBody(const SessionCounters& counters);
  static std::string LikeBody(const std::string& nick);

 private:
  HttpClient& client_;
  std::string address_;
};

}  // namespace quorvex
