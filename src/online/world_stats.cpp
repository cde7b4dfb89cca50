#include "online/world_stats.h"

#include "online/reply_readers.h"
#include "online/service_request.h"

namespace quorvex {

SessionCounters CountSession(TableRole role, int deals, int32_t balance) {
  SessionCounters c;
  if (role == TableRole::SinglePlayer) {
    c.R[0] = deals;
    c.R[1] = deals > 0 && deals % 20 == 0 ? 1 : 0;
    c.R[2] = balance > 0 ? balance : 0;
    c.R[3] = balance < 0 ? -int64_t(balance) : 0;
  }
  if (role == TableRole::LanServer) c.R[4] = 4;
  if (role == TableRole::TourSeat1) c.R[5] = 1;
  return c;
}

std::string WorldStats::StartBody(bool first_start) {
  return JoinBody({"gid=" + std::to_string(kGameId), "stat1=1",
                   std::string("stat2=") + (first_start ? "1" : "0")});
}

std::string WorldStats::SessionBody(const SessionCounters& counters) {
  std::vector<std::string> pairs{"gid=" + std::to_string(kGameId)};
  for (int i = 0; i < 12; ++i)
    pairs.push_back("R" + std::to_string(i + 1) + "=" + std::to_string(counters.R[size_t(i)]));
  return JoinBody(pairs);
}

std::string WorldStats::LikeBody(const std::string& nick) {
  return JoinBody({"gid=" + std::to_string(kGameId), "stat3=1", "stat4=" + nick});
}

bool WorldStats::ReportStart(bool& install_reported, bool quiet_installation) {
  if (quiet_installation) return false;
  const bool first = !install_reported;
  const HttpReply reply = PostBody(client_, address_, StartBody(first));
  if (first) install_reported = reply.ok && ReadReplyStatus(reply.body);
  return true;
}

bool WorldStats::ReportSession(const SessionCounters& counters) {
  const HttpReply reply = PostBody(client_, address_, SessionBody(counters));
  return reply.ok && ReadReplyStatus(reply.body);
}

bool WorldStats::SendLike(const std::string& nick) {
  const HttpReply reply = PostBody(client_, address_, LikeBody(nick));
  return reply.ok && ReadReplyStatus(reply.body);
}

std::optional<TZefStat> WorldStats::ReadTotals() {
  const HttpReply reply =
      PostFields(client_, address_, {"gid=" + std::to_string(kGameId)}, ExchangeLimit::ShortRead);
  if (!reply.ok) return std::nullopt;
  TZefStat stat;
  const std::vector<ReplyFields> entries = ReadReplyEntries(reply.body, 1);
  if (entries.empty()) return stat;
  const ReplyFields& f = entries[0];
  auto number = [&f](size_t i, int64_t& out) {
    if (i < f.size())
      if (auto v = ParseReplyInteger(f[i])) out = *v;
  };
  number(1, stat.Stat1);
  number(2, stat.Stat2);
  number(3, stat.Stat3);
  if (f.size() > 4) stat.Stat4 = f[4] == "#" ? std::string() : f[4];
  for (size_t i = 0; i < 12; ++i) number(5 + i, stat.StatX[i]);
  number(17, stat.StatY);
  if (f.size() > 18) stat.StatZ = f[18];
  return stat;
}

}  // namespace quorvex
