#include "services.h"

#include <QDateTime>
#include <QList>
#include <QSet>
#include <chrono>

#include "account_fields.h"
#include "account_service.h"
#include "online/chat_text.h"

namespace quorvex::server {
namespace {

QByteArray EntriesReply(const std::vector<Entry>& entries) {
  if (entries.empty()) return QByteArrayLiteral("#");
  QByteArray reply;
  for (const Entry& e : entries) {
    reply += '$';
    const QList<QByteArray> fields{QByteArray::number(e.place),
                                   QByteArray::number(e.rid),
                                   QByteArray::number(e.score),
                                   e.nick,
                                   e.country,
                                   e.city,
                                   e.r07,
                                   e.r08,
                                   e.r09,
                                   e.r10};
    reply += fields.join(' ');
    reply += '*';
  }
  return reply;
}

QByteArray NumberReply(qint64 n) {
  return '$' + QByteArray::number(n) + '$';
}

constexpr qint64 kAccountList = 347;
constexpr qint64 kChatList = 100;

qint64 SteadyMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// The account list's bonus in Zefs for a place.
qint64 Bonus(qint64 place) {
  return place == 1 ? 25 : place >= 2 && place <= 10 ? 10 : 0;
}

}  // namespace

bool KnownList(qint64 gid) {
  return gid == 47 || gid == 147 || gid == 347 || gid == 100;
}

Services::Services(Storage& storage, AccountStore& accounts)
    : storage_(storage), accounts_(accounts) {
  storage_.OnListChanged([this](qint64 gid) { top_ten_.remove(gid); });
}

Services::~Services() {
  storage_.OnListChanged({});
}

QByteArray Services::TopTen(qint64 gid) {
  const auto cached = top_ten_.constFind(gid);
  if (cached != top_ten_.constEnd()) return *cached;
  const auto best = storage_.Best(gid, 10);
  if (!best) return kRefusal;
  const QByteArray reply = EntriesReply(*best);
  top_ten_.insert(gid, reply);
  return reply;
}

bool Services::NextChatNumber(qint64 number) {
  // A message is numbered after the newest; a number far ahead would hold the top of the list
  // and run the numbers out. Two writers who read the same newest may both take the next one.
  const auto newest = storage_.Best(kChatList, 1);
  if (!newest) return false;
  const qint64 last = newest->empty() ? 0 : newest->front().score;
  return number >= 1 && number <= last + 1;
}

QByteArray Services::WriteEntry(const Form& form, qint64 gid, const Caller& caller) {
  Entry e;
  e.gid = gid;
  const auto score = IntegerField(form, "score");
  if (!score) return kRefusal;
  e.score = *score;
  e.nick = form.value("nick");
  e.city = form.value("city");
  e.country = form.value("country");
  e.r07 = form.value("R7");
  e.r08 = form.value("R8");
  e.r09 = form.value("R9");
  e.r10 = form.value("R10");
  // The body's last value ends with the record's "*".
  if (e.r10.endsWith('*')) e.r10.chop(1);
  if (!CleanText(e.nick, 20) || !CleanText(e.city, 40) || !CleanText(e.country, 40) ||
      (e.r07 != "M" && e.r07 != "W") || !CleanText(e.r08, 10) || !CleanText(e.r09, 100) ||
      !CleanText(e.r10, 120))
    return kRefusal;
  const bool chat = gid == kChatList;
  if (chat && (!IsChatText(std::string_view(e.r10.constData(), size_t(e.r10.size()))) ||
               !chat_flood_.Allowed(caller.address, SteadyMs()) || !NextChatNumber(e.score)))
    return kRefusal;
  std::optional<Session> session;
  if (gid == kAccountList && !caller.session.isEmpty()) {
    session = accounts_.FindSession(caller.session, QDateTime::currentSecsSinceEpoch());
    if (session && session->nick_key != NickKey(e.nick)) session.reset();
  }
  const auto place = storage_.WriteEntry(e, [&](qint64 at) {
    return !session || Bonus(at) == 0 ||
           accounts_.PayBonus(*session, kGameFieldPrefix, Bonus(at)).has_value();
  });
  if (!place) return kRefusal;
  if (chat) chat_flood_.Wrote(caller.address, SteadyMs());
  return NumberReply(*place);
}

QByteArray Services::Records(const Form& form, const Caller& caller) {
  const QSet<QByteArray> names = NamesOf(form);
  if (names == Set({"rgid"})) {
    const auto gid = IntegerField(form, "rgid");
    if (!gid || !KnownList(*gid)) return kRefusal;
    const auto count = storage_.Count(*gid);
    return count ? NumberReply(*count) : kRefusal;
  }
  const auto gid = IntegerField(form, "gid");
  if (!gid || !KnownList(*gid)) return kRefusal;
  if (names == Set({"gid"})) return TopTen(*gid);
  if (names == Set({"gid", "nick", "city"})) {
    const QByteArray nick = form.value("nick"), city = form.value("city");
    if (!CleanText(nick, 20) || !CleanText(city, 40)) return kRefusal;
    const auto own = storage_.Best(*gid, 10, &nick, &city);
    return own ? EntriesReply(*own) : kRefusal;
  }
  if (names == Set({"gid", "nick", "city", "country", "score", "R7", "R8", "R9", "R10"}))
    return WriteEntry(form, *gid, caller);
  return kRefusal;
}

QByteArray Services::Stats(const Form& form) {
  const QSet<QByteArray> names = NamesOf(form);
  const auto gid = IntegerField(form, "gid");
  if (!gid || *gid < 1 || *gid > 999) return kRefusal;
  if (names == Set({"gid"})) {
    const auto stats = storage_.Stats(*gid);
    if (!stats) return kRefusal;
    QList<QByteArray> fields{
        QByteArray::number(stats->starts), QByteArray::number(stats->installs),
        QByteArray::number(stats->likes),
        stats->last_like.isEmpty() ? QByteArrayLiteral("#") : stats->last_like};
    for (qint64 sum : stats->sums) fields << QByteArray::number(sum);
    fields << QByteArrayLiteral("0") << QByteArrayLiteral("#");
    return '$' + fields.join(' ') + '*';
  }
  if (names == Set({"gid", "stat1", "stat2"})) {
    const auto one = IntegerField(form, "stat1"), first = IntegerField(form, "stat2");
    if (one != 1 || !first || (*first != 0 && *first != 1)) return kRefusal;
    return storage_.AddStart(*gid, *first == 1) ? kAccepted : kRefusal;
  }
  if (names == Set({"gid", "stat3", "stat4"})) {
    const QByteArray nick = form.value("stat4");
    if (IntegerField(form, "stat3") != 1 || !CleanText(nick, 20)) return kRefusal;
    return storage_.AddLike(*gid, nick) ? kAccepted : kRefusal;
  }
  QSet<QByteArray> session = Set({"gid"});
  for (int i = 1; i <= 12; ++i) session.insert("R" + QByteArray::number(i));
  if (names == session) {
    std::array<qint64, 12> counters{};
    for (int i = 0; i < 12; ++i) {
      const auto value = IntegerField(form, ("R" + QByteArray::number(i + 1)).constData());
      if (!value || *value < 0 || *value > 1000000) return kRefusal;
      counters[size_t(i)] = *value;
    }
    return storage_.AddSession(*gid, counters) ? kAccepted : kRefusal;
  }
  return kRefusal;
}

}  // namespace quorvex::server
