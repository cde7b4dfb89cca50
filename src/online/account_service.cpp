#include "online/account_service.h"

#include "online/reply_fields.h"

#include <vector>

#include "online/account_field_check.h"
#include "online/reply_readers.h"
#include "online/service_request.h"
#include "online/user_file.h"
#include "online/wire_text.h"

namespace quorvex {

namespace {

std::string Field(const char* name) {
  return std::string(kGameFieldPrefix) + name;
}

// A profile text for the raw body: "$" and "~" would cut the reply it is read back from, "&"
// the body it is sent in.
std::string ProfileText(const std::string& text) {
  std::string bytes = WireText(text);
  for (char& c : bytes)
    if (c == '$' || c == '~' || c == '&') c = ' ';
  return bytes;
}

void TakeLetter(const ReplyFields& fields, size_t index, char& out) {
  if (index < fields.size() && !fields[index].empty()) out = fields[index][0];
}

TZefUser LoginDefaults(const std::string& nick, const std::string& password) {
  TZefUser user;
  user.Nick = nick;
  user.Pw = password;
  user.City = user.Country1 = user.Country2 = user.EMail = "#";
  user.R01 = user.R02 = user.R03 = "#";
  user.Sex = '#';
  user.DateR = "00.00.0000";
  user.PwC = EncipherPassword(password);
  return user;
}

}  // namespace

RegisterResult AccountService::Register(const TZefUser& user) {
  if (AccountFieldCheck(user.Nick, AccountField::Nick) < kAccountCyrillic ||
      AccountFieldCheck(user.City, AccountField::City) < kAccountCyrillic ||
      AccountFieldCheck(user.Pw, AccountField::Password) != kAccountLatin ||
      AccountFieldCheck(user.EMail, AccountField::EMail) != kAccountLatin)
    return RegisterResult::Failed;
  const std::string body = JoinBody({
      "nick=" + WireText(user.Nick),
      "pw=" + WireText(user.Pw),
      "city=" + WireText(user.City),
      "country1=" + WireText(user.Country1),
      "country2=" + WireText(user.Country2),
      std::string("sex=") + user.Sex,
      "email=" + WireText(user.EMail),
      "dater=" + WireText(user.DateR),
      "R01=" + WireText(user.R01),
      "R02=" + WireText(user.R02),
      "R03=" + WireText(user.R03),
      "R04=" + std::to_string(user.R04),
      "R05=" + std::to_string(user.R05),
      "R06=" + std::to_string(user.R06),
  });
  const HttpReply reply = PostBody(client_, address_, body);
  if (!reply.ok) return RegisterResult::Failed;
  // "is" is tested after "ok", so a reply holding both is a taken nick.
  RegisterResult result = RegisterResult::Failed;
  if (HasReplyCode(reply.body, "ok")) result = RegisterResult::Created;
  if (HasReplyCode(reply.body, "is")) result = RegisterResult::NickTaken;
  return result;
}

LoginReply AccountService::LogIn(const std::string& nick, const std::string& password) {
  LoginReply result;
  result.user = LoginDefaults(nick, password);
  const HttpReply reply = PostFields(
      client_, address_, {"nick=" + WireText(nick), "pw=" + WireText(password), "label0=0"});
  if (!reply.ok || IsRefusal(reply.body)) return result;
  const ReplyFields f = ReadReplyFields(reply.body);
  // A reply without any data (an error page that came with a success status) is no login.
  if (f.size() < 2) return result;

  TZefUser user = result.user;
  TakeReplyText(f, 1, user.City);
  TakeReplyText(f, 2, user.Country1);
  TakeReplyText(f, 3, user.Country2);
  TakeLetter(f, 4, user.Sex);
  TakeReplyText(f, 5, user.EMail);
  TakeReplyText(f, 6, user.DateR);
  TakeReplyText(f, 7, user.R01);
  TakeReplyText(f, 8, user.R02);
  TakeReplyText(f, 9, user.R03);
  if (!TakeReplyNumber(f, 10, user.R04) || !TakeReplyNumber(f, 11, user.R05) ||
      !TakeReplyNumber(f, 12, user.R06))
    return result;
  result.user = std::move(user);
  result.ok = true;
  return result;
}

std::optional<int64_t> AccountService::ReadMemberCount() {
  const HttpReply reply = PostBody(client_, address_, "label1=0");
  if (!reply.ok) return std::nullopt;
  return ReadReplyNumber(reply.body);
}

bool AccountService::ReadGameRecord(const TZefUser& user, TZefGame& game) {
  const HttpReply reply =
      PostFields(client_, address_,
                 {"nick=" + WireText(user.Nick), "pw=" + WireText(user.Pw), Field("best=0")});
  if (!reply.ok) return false;
  const ReplyFields f = ReadReplyFields(reply.body);

  TZefGame read = game;
  read.Kon = read.Score = read.Sessions = read.R1 = 0;
  read.Rating = 0;
  read.PlayNow = 'N';
  read.R2 = "#";
  if (!TakeReplyNumber(f, 1, read.Kon) || !TakeReplyNumber(f, 2, read.Best)) return false;
  if (f.size() > 3) {
    const std::optional<double> rating = ParseRating(f[3]);
    if (!rating) return false;
    read.Rating = *rating;
  }
  if (!TakeReplyNumber(f, 4, read.Sessions) || !TakeReplyNumber(f, 5, read.KonL) ||
      !TakeReplyNumber(f, 6, read.Score) || !TakeReplyNumber(f, 7, read.R1))
    return false;
  TakeReplyText(f, 8, read.R2);
  game = std::move(read);
  return true;
}

bool AccountService::SaveGameRecord(const TZefUser& user, const TZefGame& game) {
  const std::string body = JoinBody({
      "nick=" + WireText(user.Nick),
      "pw=" + WireText(user.Pw),
      Field("kon=") + std::to_string(game.Kon),
      Field("best=") + std::to_string(game.Best),
      Field("rating=") + FormatRating(game.Rating),
      Field("ses=") + std::to_string(game.Sessions),
      Field("konl=") + std::to_string(game.KonL),
      Field("score=") + std::to_string(game.Score),
      Field("R1=") + std::to_string(game.R1),
      Field("R2=") + WireText(game.R2),
  });
  const HttpReply reply = PostBody(client_, address_, body);
  return reply.ok && HasReplyCode(reply.body, "ok");
}

int64_t AccountService::ReadRatingPlace(double rating) {
  const HttpReply reply = PostBody(client_, address_, Field("rating=") + FormatRating(rating));
  if (!reply.ok) return -1;
  return ReadReplyNumber(reply.body).value_or(-1);
}

TopTenReply AccountService::ReadTopTen() {
  TopTenReply result;
  const HttpReply reply = PostFields(client_, address_, {Field("kon=0")});
  if (!reply.ok) return result;
  const std::vector<ReplyFields> entries = ReadReplyEntries(reply.body, result.entries.size());
  for (size_t i = 0; i < entries.size(); ++i) {
    const ReplyFields& f = entries[i];
    TZefTop10& entry = result.entries[i];
    TakeReplyText(f, 2, entry.Nick);
    TakeReplyText(f, 3, entry.City);
    TakeReplyText(f, 4, entry.Country);
    TakeReplyText(f, 5, entry.Country);
    TakeLetter(f, 6, entry.Sex);
    if (f.size() > 7) {
      const std::optional<double> rating = ParseRating(f[7]);
      // The entries read so far stay; the flag tells the list is not whole.
      if (!rating) return result;
      entry.Rating = *rating;
    }
  }
  result.ok = true;
  return result;
}

std::optional<int64_t> AccountService::ReadBalance(const std::string& nick) {
  const HttpReply reply =
      PostFields(client_, address_, {"nick=" + WireText(nick), "labelzefread=0"});
  if (!reply.ok || IsRefusal(reply.body)) return std::nullopt;
  // The whole framed value, not cut: a NUL separator never occurs in a number.
  const ReplyFields f = ReadReplyFields(reply.body, '\0');
  if (f.size() < 2) return std::nullopt;
  const std::optional<long long> value = ParseReplyInteger(f[1]);
  if (!value) return std::nullopt;
  return *value;
}

bool AccountService::ChangeBalance(const std::string& nick, int64_t amount) {
  const HttpReply reply = PostBody(
      client_, address_,
      JoinBody({"nick=" + WireText(nick), "labelzefsave=0", "R04=" + std::to_string(amount)}));
  return reply.ok && HasReplyCode(reply.body, "ok");
}

ProfileReply AccountService::ReadProfile(const std::string& nick) {
  ProfileReply result;
  const HttpReply reply =
      PostFields(client_, address_, {"nick=" + WireText(nick), "labelinforead=0"});
  if (!reply.ok || IsRefusal(reply.body)) return result;
  const ReplyFields f = ReadReplyFields(reply.body, '~');
  TInfo14& info = result.info;
  std::string* const order[] = {&info.Name1,      &info.Name2,    &info.About,    &info.Telephone,
                                &info.EMailO,     &info.WebSite,  &info.Skype,    &info.OK,
                                &info.VK,         &info.Telegram, &info.FaceBook, &info.Twitter,
                                &info.Instagramm, &info.YouTube};
  for (size_t i = 0; i < std::size(order); ++i) TakeReplyText(f, i + 1, *order[i]);
  result.ok = true;
  return result;
}

bool AccountService::SaveProfile(const std::string& nick, const TInfo14& info) {
  const std::string body = JoinBody({
      "nick=" + WireText(nick),
      "labelinfosave=0",
      "namei=" + ProfileText(info.Name1),
      "name2=" + ProfileText(info.Name2),
      "about=" + ProfileText(info.About),
      "telephone=" + ProfileText(info.Telephone),
      "emailo=" + ProfileText(info.EMailO),
      "website=" + ProfileText(info.WebSite),
      "skype=" + ProfileText(info.Skype),
      "ok=" + ProfileText(info.OK),
      "vk=" + ProfileText(info.VK),
      "telegram=" + ProfileText(info.Telegram),
      "facebook=" + ProfileText(info.FaceBook),
      "twitter=" + ProfileText(info.Twitter),
      "instagramm=" + ProfileText(info.Instagramm),
      "youtube=" + ProfileText(info.YouTube),
  });
  const HttpReply reply = PostBody(client_, address_, body);
  return reply.ok && HasReplyCode(reply.body, "ok");
}

}  // namespace quorvex
