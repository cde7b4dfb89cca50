#include "online/tournament_service.h"

#include <vector>

#include "online/reply_fields.h"
#include "online/reply_readers.h"
#include "online/service_request.h"
#include "online/wire_text.h"
#include "online/world_stats.h"

namespace quorvex {
namespace {

const std::string kGid = std::to_string(kGameId);

std::string Digit(int n) {
  return std::to_string(n);
}

// Fills the fields of one seat from the reply's fields `first` .. `first` + 7.
bool TakeSeat(const ReplyFields& f, size_t first, std::string& nick, int64_t& score, int64_t& kon,
              int64_t& rating, std::string& country, std::string& city, std::string& sex,
              std::string& ip) {
  TakeReplyText(f, first, nick);
  if (!TakeReplyNumber(f, first + 1, score) || !TakeReplyNumber(f, first + 2, kon) ||
      !TakeReplyNumber(f, first + 3, rating))
    return false;
  TakeReplyText(f, first + 4, country);
  TakeReplyText(f, first + 5, city);
  TakeReplyText(f, first + 6, sex);
  TakeReplyText(f, first + 7, ip);
  return true;
}

}  // namespace

TableRead TournamentService::ReadTableReply(const std::string& reply) {
  TableRead result;
  const std::vector<ReplyFields> entries = ReadReplyEntries(reply, kTourTables);
  for (size_t i = 0; i < entries.size(); ++i) {
    const ReplyFields& f = entries[i];
    // The first entry is table 10. Field 1 is the service's own row number.
    TZefTable& t = result.tables[size_t(kTourTables) - 1 - i];
    TakeReplyText(f, 2, t.IP);
    if (!TakeReplyNumber(f, 3, t.Port)) return result;
    TakeReplyText(f, 4, t.Free);
    if (!TakeReplyNumber(f, 5, t.R1)) return result;
    TakeReplyText(f, 6, t.R2);
    if (!TakeSeat(f, 7, t.Nick1, t.Score1, t.Kon1, t.Rating1, t.Country1, t.City1, t.Sex1, t.IP1) ||
        !TakeSeat(f, 15, t.Nick2, t.Score2, t.Kon2, t.Rating2, t.Country2, t.City2, t.Sex2, t.IP2))
      return result;
  }
  result.ok = true;
  return result;
}

TableRead TournamentService::ReadTables() {
  const HttpReply reply = PostFields(client_, address_, {"readtable10=" + kGid, "gid=" + kGid},
                                     ExchangeLimit::ShortRead);
  if (!reply.ok) return TableRead{};
  return ReadTableReply(reply.body);
}

ServerInfo TournamentService::ReadServerInfo() {
  ServerInfo info;
  // Asked right after the tables, under the same short limit: a refresh must not hang.
  const HttpReply reply =
      PostFields(client_, address_, {"serverinforead=0", "gid=" + kGid}, ExchangeLimit::ShortRead);
  if (!reply.ok) return info;
  const ReplyFields f = ReadReplyFields(reply.body);
  if (f.size() > 1 && !f[1].empty()) info.state = f[1][0];
  TakeReplyText(f, 2, info.message);
  info.ok = true;
  return info;
}

std::string TournamentService::SeatBody(int seat, int table, SeatChange change,
                                        const TZefClient& holder) {
  const std::string s = Digit(seat);
  // Sent unescaped: the account's rules keep "&" and "=" out of nicks and cities.
  return JoinBody(
      {"clienton" + s + "=0", "gid=" + kGid, "num=" + Digit(table), "can=" + Digit(int(change)),
       "nick" + s + "=" + WireText(holder.Nick), "score" + s + "=" + std::to_string(holder.Score),
       "kon" + s + "=" + std::to_string(holder.Kon),
       "rating" + s + "=" + std::to_string(holder.Rating),
       "country" + s + "=" + WireText(holder.Country), "city" + s + "=" + WireText(holder.City),
       "sex" + s + "=" + WireText(holder.Sex), "ip" + s + "=" + WireText(holder.IP)});
}

SeatResult TournamentService::RequestSeat(int seat, int table, SeatChange change,
                                          const TZefClient& holder) {
  const HttpReply reply = PostBody(client_, address_, SeatBody(seat, table, change, holder));
  if (!reply.ok) return SeatResult::Failed;
  // "is" is asked after "ok" and wins over it.
  SeatResult result = HasReplyCode(reply.body, "ok") ? SeatResult::Done : SeatResult::Failed;
  if (HasReplyCode(reply.body, "is")) result = SeatResult::Taken;
  return result;
}

std::optional<TZefClient> TournamentService::ReadSeat(int seat, int table) {
  const std::string s = Digit(seat);
  const HttpReply reply = PostFields(
      client_, address_, {"readclient" + s + "=0", "gid=" + kGid, "num=" + Digit(table)});
  if (!reply.ok) return std::nullopt;
  const ReplyFields f = ReadReplyFields(reply.body);
  TZefClient holder;
  if (!TakeSeat(f, 1, holder.Nick, holder.Score, holder.Kon, holder.Rating, holder.Country,
                holder.City, holder.Sex, holder.IP))
    return std::nullopt;
  if (holder.Sex.size() > 1) holder.Sex.resize(1);
  return holder;
}

std::optional<TourStanding> TournamentService::ReadStanding(const std::string& nick) {
  const HttpReply reply =
      PostBody(client_, address_, JoinBody({"readrating" + kGid + "=0", "nick=" + WireText(nick)}));
  if (!reply.ok) return std::nullopt;
  const ReplyFields f = ReadReplyFields(reply.body);
  // Without the score nothing was read.
  if (f.size() < 2) return std::nullopt;
  TourStanding standing;
  if (!TakeReplyNumber(f, 1, standing.Score) || !TakeReplyNumber(f, 2, standing.Kon) ||
      !TakeReplyNumber(f, 3, standing.Rating))
    return std::nullopt;
  return standing;
}

std::string TournamentService::PlaceBody(TourKind kind, int64_t value) {
  const char* name = kind == TourKind::Score    ? "score1="
                     : kind == TourKind::Rating ? "rating1="
                                                : "kon1=";
  return "place" + std::string(1, char(kind)) + kGid + "=0&" + name + std::to_string(value);
}

std::optional<int64_t> TournamentService::ReadPlace(TourKind kind, int64_t value) {
  const HttpReply reply = PostBody(client_, address_, PlaceBody(kind, value));
  if (!reply.ok) return std::nullopt;
  const std::optional<long long> place = ReadReplyNumber(reply.body);
  if (!place) return std::nullopt;
  return *place;
}

RecordList TournamentService::ReadTopTenReply(const std::string& reply) {
  RecordList result;
  for (TZefRecord& entry : result.entries) entry.GID = kGameId;
  const std::vector<ReplyFields> entries = ReadReplyEntries(reply, result.entries.size());
  for (size_t i = 0; i < entries.size(); ++i) {
    const ReplyFields& f = entries[i];
    TZefRecord& entry = result.entries[i];
    if (!TakeReplyNumber(f, 1, entry.Place)) return result;
    TakeReplyText(f, 2, entry.Nick);
    TakeReplyText(f, 3, entry.City);
    TakeReplyText(f, 4, entry.Country);
    TakeReplyText(f, 5, entry.R07);
    if (!TakeReplyNumber(f, 6, entry.Score)) return result;
  }
  result.ok = true;
  return result;
}

RecordList TournamentService::ReadTopTen(TourKind kind) {
  const HttpReply reply =
      PostFields(client_, address_, {"top10" + std::string(1, char(kind)) + kGid + "=0", "nick=z"},
                 ExchangeLimit::ShortRead);
  if (!reply.ok) {
    RecordList failed;
    for (TZefRecord& entry : failed.entries) entry.GID = kGameId;
    return failed;
  }
  return ReadTopTenReply(reply.body);
}

}  // namespace quorvex
