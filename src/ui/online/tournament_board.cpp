#include "ui/online/tournament_board.h"

#include "locale/lang_text.h"
#include "online/tournament_service.h"

namespace quorvex {
namespace {

QString Qs(const std::string& text) {
  return QString::fromUtf8(text.c_str());
}

}  // namespace

BoardContent ReadTournamentBoard(HttpClient& http, const std::string& address, TourKind kind,
                                 const std::optional<TourStanding>& own) {
  BoardContent content;
  TournamentService service(http, address);
  const RecordList top = service.ReadTopTen(kind);
  if (top.ok) {
    for (const TZefRecord& entry : top.entries) {
      if (entry.Empty()) continue;
      BoardRow row;
      row.place = QString::number(entry.Place) + QLatin1Char('.');
      row.flag = entry.Country;
      row.face = entry.R07 == "M" ? "M" : "W";
      row.nick = Qs(entry.Nick);
      row.city = Qs(entry.City);
      row.score = QString::number(entry.Score);
      content.rows.push_back(row);
    }
  } else {
    content.note = Qs(Text(Tx::NoConnect));
  }
  if (!own) return content;
  if (const std::optional<int64_t> place = service.ReadPlace(kind, StandingValue(*own, kind))) {
    content.count = Qs(Text(Tx::YourPlace)) + QStringLiteral(": ") + QString::number(*place);
    content.place_line = true;
    if (*place >= 1 && *place <= TopTenBoard::kRows) content.medal = int(*place);
  }
  return content;
}

}  // namespace quorvex
