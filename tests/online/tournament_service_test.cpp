// The tournament service's requests as the server receives them and their replies as the lobby
// and the tournament top ten get them.
#include <gtest/gtest.h>

#include "online/account_fakes.h"
#include "online/tournament_service.h"

namespace quorvex {
namespace {

using testing::Answer;
using testing::NoAnswer;
using testing::QueuedClient;

constexpr const char* kAddress = "http://127.0.0.1:1/tournament.php";

TEST(TournamentService, RequestBodiesAndLimits) {
  QueuedClient client;
  TournamentService service(client, kAddress);
  TZefClient ann{"Ann", 120, 3, 1516, "Latvia", "Рига", "W", "5.6.7.8"};
  service.ReadTables();
  service.ReadServerInfo();
  service.RequestSeat(2, 4, SeatChange::Take, ann);
  service.RequestSeat(1, 10, SeatChange::Free, TZefClient::Vacant("X"));
  service.ReadSeat(1, 4);
  service.ReadStanding("Ann");
  service.ReadPlace(TourKind::Score, -40);
  service.ReadPlace(TourKind::Rating, 1516);
  service.ReadPlace(TourKind::Games, 3);
  service.ReadTopTen(TourKind::Rating);
  const std::vector<std::pair<std::string, ExchangeLimit>> expected = {
      {"readtable10=47&&gid=47", ExchangeLimit::ShortRead},
      {"serverinforead=0&&gid=47", ExchangeLimit::ShortRead},
      // The city goes as Windows-1251 bytes, unescaped.
      {"clienton2=0&gid=47&num=4&can=1&nick2=Ann&score2=120&kon2=3&rating2=1516&country2=Latvia&"
       "city2=\xD0\xE8\xE3\xE0&sex2=W&ip2=5.6.7.8",
       ExchangeLimit::Normal},
      {"clienton1=0&gid=47&num=10&can=0&nick1=X&score1=0&kon1=0&rating1=0&country1=X&city1=X&"
       "sex1=X&ip1=X",
       ExchangeLimit::Normal},
      {"readclient1=0&&gid=47&&num=4", ExchangeLimit::Normal},
      {"readrating47=0&nick=Ann", ExchangeLimit::Normal},
      {"places47=0&score1=-40", ExchangeLimit::Normal},
      {"placer47=0&rating1=1516", ExchangeLimit::Normal},
      {"placek47=0&kon1=3", ExchangeLimit::Normal},
      {"top10r47=0&&nick=z", ExchangeLimit::ShortRead},
  };
  ASSERT_EQ(client.requests.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(client.requests[i].body, expected[i].first) << i;
    EXPECT_EQ(client.requests[i].limit, expected[i].second) << i;
    EXPECT_EQ(client.requests[i].url, kAddress) << i;
    EXPECT_TRUE(client.requests[i].post) << i;
  }
}

TEST(TournamentService, SeatRequestResults) {
  struct Case {
    HttpReply reply;
    SeatResult result;
  } const cases[] = {
      {Answer("$ok#"), SeatResult::Done},
      {Answer("$is#"), SeatResult::Taken},
      // "is" is asked after "ok" and wins.
      {Answer("$okis#"), SeatResult::Taken},
      {Answer("$no#"), SeatResult::Failed},
      {Answer(""), SeatResult::Failed},
      {NoAnswer(), SeatResult::Failed},
  };
  for (const Case& c : cases) {
    QueuedClient client;
    client.replies.push_back(c.reply);
    EXPECT_EQ(TournamentService(client, kAddress)
                  .RequestSeat(1, 1, SeatChange::Take, TZefClient::Vacant("M")),
              c.result)
        << c.reply.body;
  }
}

TEST(TournamentService, TableReplyFillsFromTableTenDown) {
  // Field 1 is the service's row number; seat 2 of the first entry is free.
  const std::string reply =
      "$1 10.0.0.1 9011 Y 0 X Ann 120 3 1516 Latvia \xD0\xE8\xE3\xE0 W 5.6.7.8 X 0 0 0 X X M X*"
      "$2 10.0.0.1 9011 Y 0 X Bob -40 7 1480 USA Boston M 1.2.3.4 Zoe 200 9 1530 Peru Lima W "
      "4.4.4.4*$";
  const TableRead read = TournamentService::ReadTableReply(reply);
  ASSERT_TRUE(read.ok);
  const TZefTable& ten = read.tables[9];
  EXPECT_EQ(ten.IP, "10.0.0.1");
  EXPECT_EQ(ten.Port, 9011);
  EXPECT_EQ(ten.Nick1, "Ann");
  EXPECT_EQ(ten.Score1, 120);
  EXPECT_EQ(ten.Rating1, 1516);
  EXPECT_EQ(ten.City1, "Рига");
  EXPECT_EQ(ten.IP1, "5.6.7.8");
  EXPECT_FALSE(SeatTaken(ten.Nick2));
  EXPECT_EQ(read.tables[8].Nick2, "Zoe");
  EXPECT_EQ(read.tables[8].Kon2, 9);
  EXPECT_EQ(read.tables[8].Sex2, "W");
  EXPECT_EQ(read.tables[7], TZefTable{});

  // A score that is no number fails the read; the table before it stays.
  const TableRead broken = TournamentService::ReadTableReply(
      "$1 10.0.0.1 9011 Y 0 X Ann 120 3 1516 Latvia Riga W 5.6.7.8 X 0 0 0 X X M X*"
      "$2 10.0.0.1 9011 Y 0 X Bob 4o 7 1480 USA Boston M 1.2.3.4 X 0 0 0 X X M X*$");
  EXPECT_FALSE(broken.ok);
  EXPECT_EQ(broken.tables[9].Nick1, "Ann");
}

TEST(TournamentService, ReadsOfOneAnswer) {
  QueuedClient client;
  TournamentService service(client, kAddress);
  client.replies = {Answer("$Y Welcome_to_the_tournament!$"),
                    Answer("$Ann 120 3 1516 Latvia Riga W"
                           "omen 5.6.7.8$"),
                    Answer("$Bob$"),
                    Answer("$120 3 1516$"),
                    Answer("#"),
                    Answer("$7$"),
                    Answer("$$"),
                    NoAnswer()};
  const ServerInfo info = service.ReadServerInfo();
  EXPECT_TRUE(info.ok);
  EXPECT_EQ(info.state, 'Y');
  EXPECT_EQ(info.message, "Welcome_to_the_tournament!");

  // The sex is its first letter.
  EXPECT_EQ(service.ReadSeat(1, 4),
            (TZefClient{"Ann", 120, 3, 1516, "Latvia", "Riga", "W", "5.6.7.8"}));
  // What the reply leaves out keeps its default.
  EXPECT_EQ(service.ReadSeat(1, 4), (TZefClient{"Bob", 0, 0, 0, "", "", "M", ""}));

  EXPECT_EQ(service.ReadStanding("Ann"), (TourStanding{120, 3, 1516}));
  EXPECT_EQ(service.ReadStanding("Ann"), std::nullopt);

  EXPECT_EQ(service.ReadPlace(TourKind::Score, 120), 7);
  EXPECT_EQ(service.ReadPlace(TourKind::Score, 120), std::nullopt);
  EXPECT_FALSE(service.ReadServerInfo().ok);
}

TEST(TournamentService, TopTenOfFourLeavesSixRowsEmpty) {
  QueuedClient client;
  client.replies.push_back(
      Answer("$1 Ann Riga 1-026 W 320*$2 Bob Boston 3-034 M 200*$3 Eve Lima 4-010 W 150*"
             "$4 \xC8\xE2\xE0\xED \xCC\xEE\xF1\xEA\xE2\xE0 1-001 M -40*$"));
  const RecordList list = TournamentService(client, kAddress).ReadTopTen(TourKind::Score);
  ASSERT_TRUE(list.ok);
  EXPECT_EQ(list.entries[0].Place, 1);
  EXPECT_EQ(list.entries[0].Nick, "Ann");
  EXPECT_EQ(list.entries[0].City, "Riga");
  EXPECT_EQ(list.entries[0].Country, "1-026");
  EXPECT_EQ(list.entries[0].R07, "W");
  EXPECT_EQ(list.entries[0].Score, 320);
  EXPECT_EQ(list.entries[3].Nick, "Иван");
  EXPECT_EQ(list.entries[3].Score, -40);
  for (size_t i = 4; i < 10; ++i) EXPECT_TRUE(list.entries[i].Empty()) << i;

  QueuedClient failing;
  failing.replies.push_back(NoAnswer());
  EXPECT_FALSE(TournamentService(failing, kAddress).ReadTopTen(TourKind::Games).ok);
  failing.replies.push_back(Answer("$1 Ann Riga 1-026 W 3x0*$"));
  EXPECT_FALSE(TournamentService(failing, kAddress).ReadTopTen(TourKind::Games).ok);
}

}  // namespace
}  // namespace quorvex
