// The account service's requests as the server receives them, and how each reply layout is
// read, refused or failed.
#include <gtest/gtest.h>

#include <string>

#include "account_fakes.h"
#include "online/account_service.h"
#include "online/user_file.h"

namespace quorvex {
namespace {

using testing::Answer;
using testing::NoAnswer;
using testing::QueuedClient;

constexpr const char* kAddress = "http://127.0.0.1:1/account.php";

TZefUser Bob() {
  TZefUser user;
  user.Nick = "Bob";
  user.Pw = "secret";
  user.City = "Москва";
  user.Country1 = "Russia";
  user.Country2 = "1-001";
  user.Sex = 'M';
  user.EMail = "bob@mail.ru";
  user.DateR = "01.02.2024";
  user.R01 = user.R02 = user.R03 = "xxx";
  return user;
}

TEST(AccountService, RegisterSendsTheMemberAndReadsOkThenIs) {
  struct Case {
    HttpReply reply;
    RegisterResult result;
  } const cases[] = {
      {Answer("$ok$"), RegisterResult::Created},
      {Answer("$is$"), RegisterResult::NickTaken},
      {Answer("ok, but the nick is taken"), RegisterResult::NickTaken},
      {Answer("$error$"), RegisterResult::Failed},
      {NoAnswer(), RegisterResult::Failed},
  };
  for (const Case& c : cases) {
    QueuedClient client;
    client.replies.push_back(c.reply);
    AccountService service(client, kAddress);
    EXPECT_EQ(service.Register(Bob()), c.result) << c.reply.body;
    ASSERT_EQ(client.requests.size(), 1u);
    EXPECT_EQ(client.requests[0].url, kAddress);
    EXPECT_EQ(client.requests[0].body,
              "nick=Bob&pw=secret&city=\xCC\xEE\xF1\xEA\xE2\xE0&country1=Russia&country2=1-001"
              "&sex=M&email=bob@mail.ru&dater=01.02.2024&R01=xxx&R02=xxx&R03=xxx&R04=0&R05=0&"
              "R06=0");
  }
  // A member the field rules refuse never travels: "&" would forge fields of the raw body.
  for (auto spoil : {+[](TZefUser& u) { u.Nick = "Bob&R04=9"; }, +[](TZefUser& u) { u.Pw = "abc"; },
                     +[](TZefUser& u) { u.EMail = "bob@"; }, +[](TZefUser& u) { u.City = ""; }}) {
    QueuedClient client;
    TZefUser user = Bob();
    spoil(user);
    EXPECT_EQ(AccountService(client, kAddress).Register(user), RegisterResult::Failed);
    EXPECT_TRUE(client.requests.empty());
  }
}

TEST(AccountService, LoginReadsTheMemberOrFailsWithItsDefaults) {
  QueuedClient client;
  AccountService service(client, kAddress);
  // A member from Reno with an address at nobody... holds "no" only inside the data.
  client.replies.push_back(Answer("$Reno USA 3-001 W nobody@x.org 05.06.2023 a b c 120 0 -3$"));
  LoginReply reply = service.LogIn("Ann", "pass word");
  EXPECT_EQ(client.requests[0].body, "nick=Ann&&pw=pass+word&&label0=0");
  ASSERT_TRUE(reply.ok);
  EXPECT_EQ(reply.user.Nick, "Ann");
  EXPECT_EQ(reply.user.Pw, "pass word");
  EXPECT_EQ(reply.user.City, "Reno");
  EXPECT_EQ(reply.user.Country1, "USA");
  EXPECT_EQ(reply.user.Country2, "3-001");
  EXPECT_EQ(reply.user.Sex, 'W');
  EXPECT_EQ(reply.user.EMail, "nobody@x.org");
  EXPECT_EQ(reply.user.DateR, "05.06.2023");
  EXPECT_EQ(reply.user.R03, "c");
  EXPECT_EQ(reply.user.R04, 120);
  EXPECT_EQ(reply.user.R06, -3);
  EXPECT_EQ(DecipherPassword(reply.user.PwC), "pass word");

  client.replies.push_back(Answer("$\xCC\xEE\xF1\xEA\xE2\xE0 Russia$"));
  reply = service.LogIn("Ann", "pw12");
  ASSERT_TRUE(reply.ok);
  EXPECT_EQ(reply.user.City, "Москва");
  EXPECT_EQ(reply.user.Country2, "#");  // not in the reply: the login default
  EXPECT_EQ(reply.user.R04, 0);

  TZefUser defaults;
  defaults.Nick = "Ann";
  defaults.Pw = "pw12";
  defaults.City = defaults.Country1 = defaults.Country2 = defaults.EMail = "#";
  defaults.R01 = defaults.R02 = defaults.R03 = "#";
  defaults.Sex = '#';
  defaults.PwC = EncipherPassword("pw12");
  for (const HttpReply& failing :
       {Answer("no$Oslo$"), Answer("$Oslo N 1-001 M a@b.c 1 x x x 12x 0 0$"), Answer("OK"),
        NoAnswer()}) {
    client.replies.push_back(failing);
    reply = service.LogIn("Ann", "pw12");
    EXPECT_FALSE(reply.ok) << failing.body;
    EXPECT_EQ(reply.user, defaults) << failing.body;
  }
}

TEST(AccountService, GameRecordReadAndSave) {
  QueuedClient client;
  AccountService service(client, kAddress);
  const TZefUser user = Bob();
  TZefGame game;
  game.Best = 700;
  game.KonL = 8;
  game.Score = 55;
  game.R2 = "old";

  client.replies.push_back(Answer("$16 900 100,5 3$"));
  ASSERT_TRUE(service.ReadGameRecord(user, game));
  EXPECT_EQ(client.requests[0].body, "nick=Bob&&pw=secret&&qvrx02best=0");
  EXPECT_EQ(game.Kon, 16);
  EXPECT_EQ(game.Best, 900);
  EXPECT_DOUBLE_EQ(game.Rating, 100.5);
  EXPECT_EQ(game.Sessions, 3);
  EXPECT_EQ(game.KonL, 8);   // not in the reply: kept
  EXPECT_EQ(game.Score, 0);  // not in the reply: its default
  EXPECT_EQ(game.R2, "#");

  client.replies.push_back(Answer("$20 900 -19.64 3 0 0 7 r$"));
  ASSERT_TRUE(service.ReadGameRecord(user, game));
  EXPECT_EQ(game.KonL, 0);
  EXPECT_EQ(game.R1, 7);
  EXPECT_EQ(game.R2, "r");
  EXPECT_DOUBLE_EQ(game.Rating, -19.64);

  // A field that does not parse fails the read and leaves the record whole.
  const TZefGame before = game;
  for (const HttpReply& failing : {Answer("$20 900 1.2.3 3$"), Answer("$20 9o0 1 3$"),
                                   Answer("$20 900 1 3 4 5 6x$"), NoAnswer()}) {
    client.replies.push_back(failing);
    EXPECT_FALSE(service.ReadGameRecord(user, game)) << failing.body;
    EXPECT_EQ(game, before) << failing.body;
  }

  game.Kon = 20;
  game.Best = 900;
  game.Rating = 95.36;
  game.Sessions = 4;
  game.KonL = 0;
  game.Score = 0;
  game.R1 = 0;
  game.R2 = "#";
  client.replies = {Answer("$ok$"), Answer("$failed$"), NoAnswer()};
  EXPECT_TRUE(service.SaveGameRecord(user, game));
  EXPECT_EQ(client.requests.back().body,
            "nick=Bob&pw=secret&qvrx02kon=20&qvrx02best=900&qvrx02rating=95.36&qvrx02ses=4&"
            "qvrx02konl=0&qvrx02score=0&qvrx02R1=0&qvrx02R2=#");
  EXPECT_FALSE(service.SaveGameRecord(user, game));
  EXPECT_FALSE(service.SaveGameRecord(user, game));
}

TEST(AccountService, NumbersPlaceAndMemberCount) {
  QueuedClient client;
  AccountService service(client, kAddress);
  client.replies = {Answer("$5$"), Answer("$$"), NoAnswer(), Answer("$1234$"), NoAnswer()};
  EXPECT_EQ(service.ReadRatingPlace(95.36), 5);
  EXPECT_EQ(client.requests[0].body, "qvrx02rating=95.36");
  EXPECT_EQ(service.ReadRatingPlace(0.000001), -1);
  EXPECT_EQ(client.requests[1].body, "qvrx02rating=0");
  EXPECT_EQ(service.ReadRatingPlace(1), -1);
  EXPECT_EQ(service.ReadMemberCount(), 1234);
  EXPECT_EQ(client.requests[3].body, "label1=0");
  EXPECT_EQ(service.ReadMemberCount(), std::nullopt);
}

TEST(AccountService, RatingTopTen) {
  QueuedClient client;
  AccountService service(client, kAddress);
  client.replies.push_back(
      Answer("$1 Ann Oslo 3-001 Norway W 120.5*$2 Bob \xCC\xEE\xF1\xEA\xE2\xE0 1-001 Russia M "
             "99,25*$3 Cy Rome Italy*"));
  TopTenReply reply = service.ReadTopTen();
  EXPECT_EQ(client.requests[0].body, "qvrx02kon=0");
  ASSERT_TRUE(reply.ok);
  EXPECT_EQ(reply.entries[0], (TZefTop10{"Ann", "Oslo", "Norway", 'W', 120.5}));
  EXPECT_EQ(reply.entries[1], (TZefTop10{"Bob", "Москва", "Russia", 'M', 99.25}));
  // A short entry keeps field 4 as the country and the defaults beyond it.
  EXPECT_EQ(reply.entries[2], (TZefTop10{"Cy", "Rome", "Italy", 'M', 0}));
  EXPECT_EQ(reply.entries[3], TZefTop10{});
  EXPECT_EQ(reply.entries[9], TZefTop10{});

  client.replies.push_back(Answer("$1 Ann Oslo 3-001 Norway W 120.5*$2 Bob Oslo 1 Russia M x*"));
  reply = service.ReadTopTen();
  EXPECT_FALSE(reply.ok);
  EXPECT_EQ(reply.entries[0].Nick, "Ann");
  EXPECT_FALSE(service.ReadTopTen().ok);
}

TEST(AccountService, Balance) {
  QueuedClient client;
  AccountService service(client, kAddress);
  client.replies = {Answer("$120$"),  Answer("$-5$"), Answer("no$5$"),
                    Answer("$12 3$"), Answer("none"), NoAnswer()};
  EXPECT_EQ(service.ReadBalance("Bob"), 120);
  EXPECT_EQ(client.requests[0].body, "nick=Bob&&labelzefread=0");
  EXPECT_EQ(service.ReadBalance("Bob"), -5);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(service.ReadBalance("Bob"), std::nullopt) << i;

  client.replies = {Answer("$ok$"), Answer("$no$"), NoAnswer()};
  EXPECT_TRUE(service.ChangeBalance("Ann", -25));
  EXPECT_EQ(client.requests.back().body, "nick=Ann&labelzefsave=0&R04=-25");
  EXPECT_FALSE(service.ChangeBalance("Ann", 25));
  EXPECT_FALSE(service.ChangeBalance("Ann", 25));
}

TEST(AccountService, ProfileReadAndSave) {
  QueuedClient client;
  AccountService service(client, kAddress);
  // "know" inside the data is no refusal; WebSite comes before Skype.
  client.replies.push_back(
      Answer("$Ann~Berg~I know bridge~+47 1~a@b.no~site.no~ann.s~ok~vk~tg~fb~tw~ig~yt$"));
  ProfileReply reply = service.ReadProfile("Ann");
  EXPECT_EQ(client.requests[0].body, "nick=Ann&&labelinforead=0");
  ASSERT_TRUE(reply.ok);
  const TInfo14 expected{"Ann",     "Berg",   "I know bridge",
                         "+47 1",   "a@b.no", "ann.s",
                         "site.no", "ok",     "vk",
                         "tg",      "fb",     "tw",
                         "ig",      "yt"};
  EXPECT_EQ(reply.info, expected);
  for (const HttpReply& failing : {Answer("no such member"), NoAnswer()}) {
    client.replies.push_back(failing);
    reply = service.ReadProfile("Ann");
    EXPECT_FALSE(reply.ok);
    EXPECT_EQ(reply.info, TInfo14{});
  }

  TInfo14 info = expected;
  info.About = "Cost $5~10 & more";
  info.Name2 = "Берг";
  client.replies = {Answer("$ok$"), Answer("$error$")};
  EXPECT_TRUE(service.SaveProfile("Ann", info));
  EXPECT_EQ(client.requests.back().body,
            "nick=Ann&labelinfosave=0&namei=Ann&name2=\xC1\xE5\xF0\xE3&about=Cost  5 10   more&"
            "telephone=+47 1&emailo=a@b.no&website=site.no&skype=ann.s&ok=ok&vk=vk&telegram=tg&"
            "facebook=fb&twitter=tw&instagramm=ig&youtube=yt");
  EXPECT_FALSE(service.SaveProfile("Ann", info));
}

}  // namespace
}  // namespace quorvex
