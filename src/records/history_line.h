// The lines of a history file. A record line is 114 characters: time, date, name, deals, result,
// rating and the kind marker in fixed columns over positions 1..99, then the three byte sums of
// those 99 bytes. After the records come a summary line and a total line.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "records/fixed_fields.h"

namespace quorvex {

inline constexpr size_t kHistoryLineLength = 114;
inline constexpr size_t kHistorySummed = 99;  // positions 1..99 carry the sums
inline constexpr size_t kHistoryNameWidth = 51;
inline constexpr size_t kHistoryTotalLength = 30;

// Kind of game of a session.
enum class HistoryKind : uint8_t { Local = 0, Account = 1, Tournament = 2, Lan = 3 };

// One finished session.
struct HisStr {
  std::string HName;  // the player, or "local/opponent" in LAN and tournament games (Windows-1251)
  int32_t HKon = 0;   // deals of the session
  int32_t HRes = 0;   // the session's result in points
  double HRei = 0;    // rating after the session
  uint8_t Ac = 0;     // a HistoryKind
};

// "local/opponent", each name without the blanks that pad it.
std::string HistoryPlayers(std::string_view local, std::string_view opponent);

// When the session ended, as the system shows it: the date in the system's short format
// (Windows-1251 bytes).
struct HistoryStamp {
  int hour = 0;
  int minute = 0;
  std::string date;
};

// The 114-character record line.
std::string HistoryRecordLine(const HisStr& record, const HistoryStamp& stamp);
// "$", the game's mark, "}", "#" up to position 99, then its own sums.
std::string HistorySummaryLine();
// The three totals, ten digits each.
std::string HistoryTotalLine(const ByteSums& totals);
// The sums of positions 1..99 of a line, as its checksum columns hold them.
ByteSums HistoryLineSums(std::string_view line);

// A record line split into the columns of the history window.
struct HistoryRow {
  std::string time;
  std::string date;
  std::string player;
  std::string games;
  std::string result;
  std::string rating;
  std::string type;  // "Local", "Net", "Account", "Tourney"; empty for another marker
};
HistoryRow ParseHistoryRow(std::string_view line);

}  // namespace quorvex
