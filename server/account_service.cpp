#include "account_service.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QRegularExpression>
#include <QSet>
#include <cmath>

#include "account_fields.h"
#include "online/reply_readers.h"
#include "services.h"

namespace quorvex::server {
namespace {

using Names = FieldNames;

QByteArray P(const char* name) {
  return kGameFieldPrefix + name;
}

const char* const kProfileFields[14] = {
    "namei", "name2", "about",    "telephone", "emailo",  "website",    "skype",
    "ok",    "vk",    "telegram", "facebook",  "twitter", "instagramm", "youtube"};
const int kProfileLimits[14] = {20, 20, 50, 20, 50, 50, 50, 50, 50, 50, 60, 50, 50, 50};

// Far beyond any honest value, but bounded.
constexpr qint64 kMaxCounter = 1'000'000'000'000;
constexpr qint64 kMaxZefs = 1'000'000'000;

qint64 Now() {
  return QDateTime::currentSecsSinceEpoch();
}

QByteArray Number(qint64 n) {
  return '$' + QByteArray::number(n) + '$';
}

QByteArray Rating(double rating) {
  return QByteArray::fromStdString(FormatRating(rating));
}

std::optional<double> RatingField(const Form& form, const QByteArray& name) {
  const QByteArray text = form.value(name);
  bool ok = false;
  const double value = text.size() <= 32 ? text.toDouble(&ok) : 0;
  if (!ok || !std::isfinite(value) || std::fabs(value) > double(kMaxCounter)) return std::nullopt;
  return value;
}

std::optional<qint64> Bounded(const Form& form, const QByteArray& name, qint64 min) {
  const auto value = IntegerField(form, name.constData());
  if (!value || *value < min || *value > kMaxCounter) return std::nullopt;
  return value;
}

bool IsCountryCode(const QByteArray& text) {
  static const QRegularExpression code(QStringLiteral("^[1-6]-[0-9]{3}$"));
  return code.match(QString::fromLatin1(text)).hasMatch();
}

}  // namespace

AccountService::AccountService(AccountStore& store, int password_iterations)
    : store_(store), passwords_(password_iterations) {}

ServiceReply AccountService::Handle(const Form& form, const Caller& caller) {
  const Names names = NamesOf(form);
  if (names == Set({"nick", "pw", "city", "country1", "country2", "sex", "email", "dater", "R01",
                    "R02", "R03", "R04", "R05", "R06"}))
    return Register(form, caller);
  if (names == Set({"nick", "pw", "label0"})) return LogIn(form, caller);
  QByteArray reply = kRefusal;
  if (names == Set({"label1"})) {
    const auto count = store_.MemberCount();
    if (count) reply = Number(*count);
  } else if (names == Set({"nick", "pw", P("best")})) {
    reply = ReadRecord(form, caller);
  } else if (names == Set({"nick", "pw", P("kon"), P("best"), P("rating"), P("ses"), P("konl"),
                           P("score"), P("R1"), P("R2")})) {
    reply = SaveRecord(form, caller);
  } else if (names == Set({P("rating")})) {
    reply = RatingPlace(form);
  } else if (names == Set({P("kon")})) {
    reply = RatingTopTen();
  } else if (names == Set({"nick", "labelzefread"})) {
    reply = ReadBalance(form);
  } else if (names == Set({"nick", "labelzefsave", "R04"})) {
    reply = ChangeBalance(form, caller);
  } else if (names == Set({"nick", "labelinforead"})) {
    reply = ReadProfile(form);
  } else {
    Names save = Set({"nick", "labelinfosave"});
    for (const char* field : kProfileFields) save.insert(field);
    if (names == save) reply = SaveProfile(form, caller);
  }
  return {reply, {}};
}

ServiceReply AccountService::Register(const Form& form, const Caller& caller) {
  Member m;
  m.nick = form.value("nick");
  const QByteArray password = form.value("pw");
  m.city = form.value("city");
  m.country1 = form.value("country1");
  m.country2 = form.value("country2");
  m.sex = form.value("sex");
  m.email = form.value("email");
  m.dater = form.value("dater");
  m.r01 = form.value("R01");
  m.r02 = form.value("R02");
  m.r03 = form.value("R03");
  const bool fields_ok = CheckAccountField(m.nick, AccountField::Nick) == 3 &&
                         CheckAccountField(password, AccountField::Password) == 3 &&
                         CheckAccountField(m.city, AccountField::City) >= 2 &&
                         CheckAccountField(m.email, AccountField::EMail) == 3 &&
                         ReplySafe(m.country1, 30) && IsCountryCode(m.country2) &&
                         (m.sex == "M" || m.sex == "W") && ReplySafe(m.r01, 20) &&
                         ReplySafe(m.r02, 20) && ReplySafe(m.r03, 20);
  // A new member starts with nothing: a registration cannot set a balance.
  const bool empty_purse = IntegerField(form, "R04") == 0 && IntegerField(form, "R05") == 0 &&
                           IntegerField(form, "R06") == 0;
  if (!fields_ok || !empty_purse) return {kRefusal, {}};
  // The date is the client's short date text; one that would break the login reply apart is
  // replaced by the server's own.
  if (!ReplySafe(m.dater, 20))
    m.dater = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")).toLatin1();
  // Taken nicks are told before the slow hash is made.
  if (store_.FindMember(NickKey(m.nick))) return {QByteArrayLiteral("$ is#"), {}};
  m.password = passwords_.Hash(password);
  const qint64 now = Now();
  switch (store_.Register(m, caller.address, now)) {
    case Registration::Taken:
      return {QByteArrayLiteral("$ is#"), {}};
    case Registration::Refused:
      return {kRefusal, {}};
    case Registration::Done:
      break;
  }
  const auto member = store_.FindMember(NickKey(m.nick));
  if (!caller.session.isEmpty()) store_.CloseSession(caller.session);
  return {kAccepted, member ? store_.OpenSession(member->id, caller.address, now) : QByteArray()};
}

ServiceReply AccountService::LogIn(const Form& form, const Caller& caller) {
  const auto member = Authenticated(form, caller);
  if (!member) return {kRefusal, {}};
  const auto balance = store_.Balance(member->id);
  if (!balance) return {kRefusal, {}};
  if (!caller.session.isEmpty()) store_.CloseSession(caller.session);
  const QByteArray token = store_.OpenSession(member->id, caller.address, Now());
  if (token.isEmpty()) return {kRefusal, {}};
  const QList<QByteArray> fields{member->city,
                                 member->country1,
                                 member->country2,
                                 member->sex,
                                 member->email,
                                 member->dater,
                                 member->r01,
                                 member->r02,
                                 member->r03,
                                 QByteArray::number(*balance),
                                 QByteArray::number(member->r05),
                                 QByteArray::number(member->r06)};
  return {'$' + fields.join(' ') + '$', token};
}

std::optional<Member> AccountService::Authenticated(const Form& form, const Caller& caller) {
  const QByteArray nick = form.value("nick"), password = form.value("pw");
  // Texts no member can have are refused before any lookup or hash.
  if (CheckAccountField(nick, AccountField::Nick) != 3 ||
      CheckAccountField(password, AccountField::Password) != 3)
    return std::nullopt;
  const qint64 now = Now();
  if (!throttle_.Allowed(caller.address, now)) return std::nullopt;
  auto member = store_.FindMember(NickKey(nick));
  if (!member || !passwords_.Verify(password, member->password)) {
    throttle_.Failed(caller.address, now);
    return std::nullopt;
  }
  throttle_.Succeeded(caller.address);
  return member;
}

std::optional<Session> AccountService::OwnSession(const Form& form, const Caller& caller) {
  if (caller.session.isEmpty()) return std::nullopt;
  auto session = store_.FindSession(caller.session, Now());
  if (!session || session->nick_key != NickKey(form.value("nick"))) return std::nullopt;
  return session;
}

QByteArray AccountService::ReadRecord(const Form& form, const Caller& caller) {
  const auto member = Authenticated(form, caller);
  if (!member) return kRefusal;
  const auto r = store_.ReadRecord(member->id, kGameFieldPrefix);
  if (!r) return kRefusal;
  const QList<QByteArray> fields{QByteArray::number(r->kon),  QByteArray::number(r->best),
                                 Rating(r->rating),           QByteArray::number(r->ses),
                                 QByteArray::number(r->konl), QByteArray::number(r->score),
                                 QByteArray::number(r->r1),   r->r2};
  return '$' + fields.join(' ') + '$';
}

QByteArray AccountService::SaveRecord(const Form& form, const Caller& caller) {
  const auto session = OwnSession(form, caller);
  if (!session) return kRefusal;
  const auto member = Authenticated(form, caller);
  if (!member || member->id != session->member_id) return kRefusal;
  const auto kon = Bounded(form, P("kon"), 0), best = Bounded(form, P("best"), -kMaxCounter),
             ses = Bounded(form, P("ses"), 0), konl = Bounded(form, P("konl"), 0),
             score = Bounded(form, P("score"), -kMaxCounter),
             r1 = Bounded(form, P("R1"), -kMaxCounter);
  const auto rating = RatingField(form, P("rating"));
  const QByteArray r2 = form.value(P("R2"));
  if (!kon || !best || !ses || !konl || !score || !r1 || !rating || !ReplySafe(r2, 30))
    return kRefusal;
  GameRecord record;
  record.kon = *kon;
  record.best = *best;
  record.rating = *rating;
  record.ses = *ses;
  record.konl = *konl;
  record.score = *score;
  record.r1 = *r1;
  record.r2 = r2;
  return store_.SaveRecord(member->id, kGameFieldPrefix, record) ? kAccepted : kRefusal;
}

QByteArray AccountService::RatingPlace(const Form& form) {
  const auto rating = RatingField(form, P("rating"));
  if (!rating) return kRefusal;
  const auto place = store_.RatingPlace(kGameFieldPrefix, *rating);
  return place ? Number(*place) : kRefusal;
}

QByteArray AccountService::RatingTopTen() {
  const auto best = store_.RatingTopTen(kGameFieldPrefix);
  if (!best) return kRefusal;
  if (best->empty()) return QByteArrayLiteral("#");
  QByteArray reply;
  qint64 place = 0;
  for (const RatingEntry& e : *best) {
    // The reader takes field 5 over field 4 for the country: the code, which names the flag.
    const QList<QByteArray> fields{QByteArray::number(++place),
                                   e.nick,
                                   e.city,
                                   e.country1,
                                   e.country2,
                                   e.sex,
                                   Rating(e.rating)};
    reply += '$' + fields.join(' ') + '*';
  }
  return reply;
}

QByteArray AccountService::ReadBalance(const Form& form) {
  const auto member = store_.FindMember(NickKey(form.value("nick")));
  if (!member) return kRefusal;
  const auto zefs = store_.Balance(member->id);
  return zefs ? Number(*zefs) : kRefusal;
}

QByteArray AccountService::ChangeBalance(const Form& form, const Caller& caller) {
  const auto amount = IntegerField(form, "R04");
  if (!amount || *amount == 0 || *amount < -kMaxZefs || *amount > kMaxZefs) return kRefusal;
  if (caller.session.isEmpty()) return kRefusal;
  const auto session = store_.FindSession(caller.session, Now());
  if (!session) return kRefusal;
  const QByteArray nick_key = NickKey(form.value("nick"));
  if (nick_key == session->nick_key) {
    // Only the client's own halves of what the server already did.
    const bool taken = *amount < 0 ? store_.TakePendingDebit(*session, -*amount)
                                   : store_.TakePendingBonus(*session, *amount);
    return taken ? kAccepted : kRefusal;
  }
  if (*amount < 0) return kRefusal;
  const auto recipient = store_.FindMember(nick_key);
  if (!recipient) return kRefusal;
  return store_.Transfer(*session, recipient->id, *amount) == TransferResult::Done ? kAccepted
                                                                                   : kRefusal;
}

QByteArray AccountService::ReadProfile(const Form& form) {
  const auto member = store_.FindMember(NickKey(form.value("nick")));
  if (!member) return kRefusal;
  const auto profile = store_.ReadProfile(member->id);
  if (!profile) return kRefusal;
  QByteArray reply = "$";
  for (size_t i = 0; i < profile->size(); ++i) reply += (i ? "~" : "") + (*profile)[i];
  return reply + '$';
}

QByteArray AccountService::SaveProfile(const Form& form, const Caller& caller) {
  const auto session = OwnSession(form, caller);
  if (!session) return kRefusal;
  Profile profile;
  for (int i = 0; i < 14; ++i) {
    const QByteArray value = form.value(kProfileFields[i]);
    if (!ProfileSafe(value, kProfileLimits[i])) return kRefusal;
    profile[size_t(i)] = value;
  }
  return store_.SaveProfile(session->member_id, profile) ? kAccepted : kRefusal;
}

}  // namespace quorvex::server
