#include "tournament_service.h"

#include <QDateTime>
#include <QList>
#include <chrono>

#include "account_fields.h"
#include "services.h"

namespace quorvex::server {
namespace {

constexpr qint64 kGameId = 47;

const QByteArray kSeatTaken = QByteArrayLiteral("$ is#");
const QByteArray kWelcome = QByteArrayLiteral("Welcome to the world online tournament of Quorvex!");
const QByteArray kClosed = QByteArrayLiteral("The tournament is closed.");

qint64 SteadyMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// The lobby cuts its replies at spaces: every text travels as one word, spaces as "_".
QByteArray OneWord(const QByteArray& text) {
  QByteArray word = text;
  for (char& c : word) {
    const auto u = static_cast<unsigned char>(c);
    if (u <= 0x20 || u == 0x7F || c == '$' || c == '*' || c == '~') c = '_';
  }
  return word.isEmpty() ? QByteArrayLiteral("X") : word;
}

QByteArray Number(qint64 n) {
  return '$' + QByteArray::number(n) + '$';
}

}  // namespace

TournamentService::TournamentService(Storage& storage, AccountStore& accounts, QString relay_host,
                                     quint16 relay_port, Clock clock)
    : accounts_(accounts),
      standings_(storage),
      relay_host_(std::move(relay_host)),
      relay_port_(relay_port),
      clock_(clock ? std::move(clock) : Clock(SteadyMs)) {}

qint64 TournamentService::Now() {
  const qint64 now = clock_();
  seats_.Expire(now);
  return now;
}

QByteArray TournamentService::Handle(const Form& form, const Caller& caller) {
  const FieldNames names = NamesOf(form);
  const auto gid = IntegerField(form, "gid");
  if (names == Set({"readtable10", "gid"}))
    return gid == kGameId && IntegerField(form, "readtable10") == kGameId ? Tables(caller)
                                                                          : kRefusal;
  if (names == Set({"serverinforead", "gid"})) return gid == kGameId ? ServerInfo() : kRefusal;
  for (int seat = 1; seat <= 2; ++seat) {
    const QByteArray s = QByteArray::number(seat);
    if (names == Set({"readclient" + s, "gid", "num"}))
      return gid == kGameId ? ReadSeat(form, seat, caller) : kRefusal;
    if (names == Set({"clienton" + s, "gid", "num", "can", "nick" + s, "score" + s, "kon" + s,
                      "rating" + s, "country" + s, "city" + s, "sex" + s, "ip" + s}))
      return gid == kGameId ? SeatRequest(form, seat, caller) : kRefusal;
  }
  if (names == Set({"readrating47", "nick"})) return ReadRating(form);
  if (names == Set({"places47", "score1"})) return Place(RankKind::Score, form, "score1");
  if (names == Set({"placer47", "rating1"})) return Place(RankKind::Rating, form, "rating1");
  if (names == Set({"placek47", "kon1"})) return Place(RankKind::Games, form, "kon1");
  if (names == Set({"top10s47", "nick"})) return TopTen(RankKind::Score);
  if (names == Set({"top10r47", "nick"})) return TopTen(RankKind::Rating);
  if (names == Set({"top10k47", "nick"})) return TopTen(RankKind::Games);
  return kRefusal;
}

QList<QByteArray> TournamentService::SeatFields(int table, int seat, const Caller& caller) const {
  const Occupant* o = seats_.At(table, seat);
  if (!o) return {"X", "0", "0", "0", "X", "X", "M", "X"};
  // A player's address is shown to the player alone: the lobby compares its own with seat 1's.
  return {o->nick,
          QByteArray::number(o->standing.score),
          QByteArray::number(o->standing.games),
          QByteArray::number(o->standing.rating),
          OneWord(o->country),
          OneWord(o->city),
          o->sex == "W" ? QByteArrayLiteral("W") : QByteArrayLiteral("M"),
          o->address == caller.address ? OneWord(o->address.toLatin1()) : QByteArrayLiteral("X")};
}

QByteArray TournamentService::Tables(const Caller& caller) {
  Now();
  const QByteArray host = Open() ? OneWord(relay_host_.toUtf8()) : QByteArrayLiteral("0.0.0.0");
  QByteArray reply;
  // The lobby fills its tables from the last to the first.
  for (int t = kTournamentTables; t >= 1; --t) {
    const bool free = Open() && !seats_.Running(t) && (!seats_.At(t, 1) || !seats_.At(t, 2));
    QList<QByteArray> fields{QByteArray::number(t),
                             host,
                             QByteArray::number(Open() ? relay_port_ + t : 0),
                             free ? QByteArrayLiteral("Y") : QByteArrayLiteral("N"),
                             QByteArrayLiteral("0"),
                             QByteArrayLiteral("X")};
    fields << SeatFields(t, 1, caller) << SeatFields(t, 2, caller);
    reply += '$' + fields.join(' ') + '*';
  }
  return reply;
}

QByteArray TournamentService::ServerInfo() const {
  return Open() ? "$Y " + OneWord(kWelcome) + '$' : "$X " + OneWord(kClosed) + '$';
}

QByteArray TournamentService::SeatRequest(const Form& form, int seat, const Caller& caller) {
  const QByteArray s = QByteArray::number(seat);
  const auto table = IntegerField(form, "num"), can = IntegerField(form, "can");
  if (!Open() || !table || !TournamentSeats::Valid(int(*table), seat) || !can || *can < 0 ||
      *can > 2)
    return kRefusal;
  // The client's record of the player is not used, but it must be one.
  for (const char* number : {"score", "kon", "rating"})
    if (!IntegerField(form, (number + s).constData())) return kRefusal;
  for (const char* text : {"nick", "country", "city", "ip"})
    if (!CleanText(form.value(text + s), 40)) return kRefusal;
  const QByteArray sex = form.value("sex" + s), nick = form.value("nick" + s);
  if (sex != "M" && sex != "W" && sex != "X") return kRefusal;
  if (caller.session.isEmpty()) return kRefusal;
  const auto session = accounts_.FindSession(caller.session, QDateTime::currentSecsSinceEpoch());
  if (!session) return kRefusal;
  const qint64 now = Now();
  if (*can == 1) {
    if (NickKey(nick) != session->nick_key) return kRefusal;
    const auto member = accounts_.FindMember(session->nick_key);
    if (!member) return kRefusal;
    const auto standing = standings_.Read(member->id);
    if (!standing) return kRefusal;
    const Occupant who{member->id,  member->nick, member->country1, member->city,
                       member->sex, *standing,    caller.address};
    switch (seats_.Take(int(*table), seat, who, now)) {
      case TakeResult::Taken:
        return kAccepted;
      case TakeResult::Held:
        return kSeatTaken;
      case TakeResult::Refused:
        break;
    }
    return kRefusal;
  }
  // Leaving and freeing after an error carry an empty record ("X"), or the player's own.
  if (nick != "X" && NickKey(nick) != session->nick_key) return kRefusal;
  return seats_.Leave(int(*table), seat, session->member_id) ? kAccepted : kRefusal;
}

QByteArray TournamentService::ReadSeat(const Form& form, int seat, const Caller& caller) {
  const auto table = IntegerField(form, "num");
  if (!table || !TournamentSeats::Valid(int(*table), seat)) return kRefusal;
  Now();
  return '$' + SeatFields(int(*table), seat, caller).join(' ') + '$';
}

QByteArray TournamentService::ReadRating(const Form& form) {
  const QByteArray nick = form.value("nick");
  if (CheckAccountField(nick, AccountField::Nick) != 3) return kRefusal;
  const auto member = accounts_.FindMember(NickKey(nick));
  if (!member) return kRefusal;
  const auto s = standings_.Read(member->id);
  if (!s) return kRefusal;
  return '$' + QByteArray::number(s->score) + ' ' + QByteArray::number(s->games) + ' ' +
         QByteArray::number(s->rating) + '$';
}

QByteArray TournamentService::Place(RankKind kind, const Form& form, const char* field) {
  const auto value = IntegerField(form, field);
  if (!value) return kRefusal;
  const auto place = standings_.Place(kind, *value);
  return place ? Number(*place) : kRefusal;
}

QByteArray TournamentService::TopTen(RankKind kind) {
  const auto best = standings_.TopTen(kind);
  if (!best) return kRefusal;
  if (best->empty()) return QByteArrayLiteral("#");
  QByteArray reply;
  for (const RankedMember& e : *best) {
    const QList<QByteArray> fields{
        QByteArray::number(e.place), e.nick,         OneWord(e.city),
        OneWord(e.country_code),     OneWord(e.sex), QByteArray::number(e.value)};
    reply += '$' + fields.join(' ') + '*';
  }
  return reply;
}

std::optional<SeatHolder> TournamentService::Holder(int table, int seat) {
  Now();
  const Occupant* o = seats_.At(table, seat);
  if (!o) return std::nullopt;
  return SeatHolder{QString::fromLatin1(o->nick), o->address};
}

void TournamentService::SeatConnected(int table, int seat) {
  Now();
  seats_.Joined(table, seat);
}

void TournamentService::MatchStarted(int table) {
  seats_.Started(table);
}

void TournamentService::RecordMatch(const MatchRecord& match) {
  std::optional<Member> members[2];
  for (int i = 0; i < 2; ++i) members[i] = accounts_.FindMember(NickKey(match.nick[i].toLatin1()));
  const bool ok =
      members[0] && members[1] && match.forfeit_by >= 0 && match.forfeit_by <= 2 &&
      standings_.RecordMatch(members[0]->id, members[1]->id, match.balance1, match.forfeit_by);
  if (!ok)
    qWarning("quorvex-server: the match of table %d (%s, %s) could not be recorded", match.table,
             qPrintable(match.nick[0]), qPrintable(match.nick[1]));
}

void TournamentService::FreeSeat(int table, int seat) {
  seats_.Ended(table, seat);
}

}  // namespace quorvex::server
