#include "records/history_line.h"

#include <algorithm>
#include <cstdio>

#include "locale/lang_text.h"
#include "records/club_lines.h"
#include "records/rating.h"

namespace quorvex {

namespace {

constexpr size_t kSumWidth = 5;
constexpr size_t kTotalWidth = 10;
constexpr size_t kColumnWidth = 10;
// Code 147 is the game's number 47 plus 100.
constexpr char kGameMark = '\x93';

std::string_view Field(std::string_view line, size_t first, size_t width) {
  if (first >= line.size()) return {};
  return line.substr(first, width);
}

const char* KindMarker(uint8_t kind) {
  switch (static_cast<HistoryKind>(kind)) {
    case HistoryKind::Account:
      return "A#########";
    case HistoryKind::Tournament:
      return "T#########";
    case HistoryKind::Lan:
      return "N#########";
    case HistoryKind::Local:
    default:
      return "L#########";
  }
}

// The rating column holds ratings far beyond the local ±99.99 (tournament ratings); a value that
// could not fit is held to what ten characters show.
std::string RatingColumn(double rating) {
  std::string text = RatingText(rating, kColumnWidth);
  if (text.size() > kColumnWidth) text = RatingText(rating < 0 ? -999999.99 : 9999999.99, 0);
  return text;
}

}  // namespace

std::string HistoryPlayers(std::string_view local, std::string_view opponent) {
  return TrimmedClubName(local) + "/" + TrimmedClubName(opponent);
}

std::string HistoryRecordLine(const HisStr& record, const HistoryStamp& stamp) {
  char time[8];
  std::snprintf(time, sizeof time, "%02d:%02d", std::clamp(stamp.hour, 0, 23),
                std::clamp(stamp.minute, 0, 59));
  std::string line = time;
  line += RightAligned(WithoutControlBytes(stamp.date), kColumnWidth).substr(0, kColumnWidth);
  line += LeftPaddedCut(WithoutControlBytes(record.HName), kHistoryNameWidth);
  line += NumberField(record.HKon, 3);
  line += NumberField(record.HRes, kColumnWidth);
  line += RatingColumn(record.HRei);
  line += KindMarker(record.Ac);
  line += SumsText(SumBytes(line), kSumWidth);
  return line;
}

std::string HistorySummaryLine() {
  std::string line = "$";
  line += kGameMark;
  line += '}';
  line.resize(kHistorySummed, '#');
  line += SumsText(SumBytes(line), kSumWidth);
  return line;
}

std::string HistoryTotalLine(const ByteSums& totals) {
  return SumsText(totals, kTotalWidth);
}

ByteSums HistoryLineSums(std::string_view line) {
  return SumBytes(line.substr(0, std::min(line.size(), kHistorySummed)));
}

HistoryRow ParseHistoryRow(std::string_view line) {
  HistoryRow row;
  row.time = Field(line, 0, 5);
  row.date = Field(line, 5, 10);
  row.player = Field(line, 15, kHistoryNameWidth);
  row.games = Field(line, 66, 3);
  row.result = Field(line, 69, kColumnWidth);
  row.rating = Field(line, 79, kColumnWidth);
  // The rows of the kinds' table: "Local", "Net", "Account", "Tourney".
  const std::string_view marker = Field(line, 89, 1);
  const size_t kind = std::string_view("LNAT").find(marker.empty() ? ' ' : marker[0]);
  if (kind != std::string_view::npos) row.type = Text(Tx::HistoryKinds, static_cast<int>(kind));
  return row;
}

}  // namespace quorvex
