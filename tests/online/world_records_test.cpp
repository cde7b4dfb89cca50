// The world lists' requests as the server receives them and their replies as the windows get
// them, and the entry an unrated cycle sends under the passport.
#include <gtest/gtest.h>

#include "online/account_fakes.h"
#include "online/result_offer.h"
#include "online/world_records.h"

namespace quorvex {
namespace {

using testing::Answer;
using testing::NoAnswer;
using testing::QueuedClient;

constexpr const char* kAddress = "http://127.0.0.1:1/records.php";

TEST(WorldRecords, ATopTenOfThreeLeavesTheOtherRowsEmpty) {
  QueuedClient client;
  // Field 2 is the server's entry number; the city of the second entry is Windows-1251.
  client.replies.push_back(Answer(
      "$1 77 2300 Anna 1-026 Riga W 5.7f # #*$2 78 1250 Ivan 1-001 \xCC\xEE\xF1\xEA\xE2\xE0 M "
      "5.7f # #*$3 12 -40 Zoe 3-010 Lima W 5.7f # #*$"));
  WorldRecords records(client, kAddress);
  const RecordList list = records.ReadTopTen(kWindowsList);
  ASSERT_EQ(client.requests.size(), 1u);
  EXPECT_EQ(client.requests[0].body, "gid=47");
  EXPECT_EQ(client.requests[0].url, kAddress);
  EXPECT_EQ(client.requests[0].limit, ExchangeLimit::ShortRead);
  ASSERT_TRUE(list.ok);
  TZefRecord anna;
  anna.GID = 47;
  anna.Place = 1;
  anna.Score = 2300;
  anna.Nick = "Anna";
  anna.Country = "1-026";
  anna.City = "Riga";
  anna.R07 = "W";
  anna.R08 = "5.7f";
  anna.R10 = "#";
  EXPECT_EQ(list.entries[0], anna);
  EXPECT_EQ(list.entries[1].City, "Москва");
  EXPECT_EQ(list.entries[2].Score, -40);
  for (size_t i = 3; i < 10; ++i) {
    EXPECT_TRUE(list.entries[i].Empty()) << i;
    EXPECT_EQ(list.entries[i].GID, 47) << i;
    EXPECT_EQ(list.entries[i].R10, "#*") << i;
  }
}

TEST(WorldRecords, RepliesThatFailOrFillNothing) {
  std::string twelve;
  for (int i = 1; i <= 12; ++i)
    twelve += "$" + std::to_string(i) + " 0 100 N" + std::to_string(i) + " 1-001 X M 5.7f # #*";
  struct Case {
    const char* what;
    HttpReply reply;
    bool ok;
    int filled;
  } const cases[] = {
      {"no answer", NoAnswer(), false, 0},
      {"an empty list", Answer("#"), true, 0},
      // The top ten does not test for a refusal: nothing in it is an entry.
      {"a refusal", Answer("no#"), true, 0},
      {"twelve entries", Answer(twelve), true, 10},
      // The first entry stays; the second keeps its place but not its nick, so it is not shown.
      {"a score that is no number", Answer("$1 1 500 Anna 1-026 Riga W 5.7f # #*$2 2 5x0 Bob"),
       false, 1},
  };
  for (const Case& c : cases) {
    QueuedClient client;
    client.replies.push_back(c.reply);
    const RecordList list = WorldRecords(client, kAddress).ReadTopTen(kAndroidList);
    EXPECT_EQ(list.ok, c.ok) << c.what;
    int filled = 0;
    for (const TZefRecord& entry : list.entries) filled += entry.Empty() ? 0 : 1;
    EXPECT_EQ(filled, c.filled) << c.what;
    EXPECT_EQ(list.entries[9].GID, 147) << c.what;
  }
}

TEST(WorldRecords, OwnEntriesAreAskedAsTheyWereWritten) {
  QueuedClient client;
  client.replies.push_back(Answer("$14 9 700 Old_Bob 1-035 Oslo M 5.7f # #*"));
  WorldRecords records(client, kAddress);
  const RecordList own = records.ReadOwnEntries(kAccountScoreList, "Old Bob", "Oslo");
  ASSERT_TRUE(own.ok);
  EXPECT_EQ(own.entries[0].Place, 14);
  EXPECT_TRUE(own.entries[1].Empty());
  // A blank in the nick travels as the write sends it, so the entries are found.
  EXPECT_EQ(client.requests[0].body, "gid=347&nick=Old_Bob&city=Oslo");
  EXPECT_EQ(client.requests[0].limit, ExchangeLimit::ShortRead);
  RecordEntry written;
  written.list = kAccountScoreList;
  written.nick = "Old Bob";
  written.city = "Oslo";
  EXPECT_EQ(RecordEntryBody(written).substr(0, client.requests[0].body.size() + 1),
            client.requests[0].body + "&");
}

TEST(WorldRecords, TheNumberOfGames) {
  struct Case {
    HttpReply reply;
    std::optional<int64_t> count;
  } const cases[] = {
      {Answer("$1532$"), 1532},
      {Answer("no#"), std::nullopt},
      {Answer("$$"), std::nullopt},
      {NoAnswer(), std::nullopt},
  };
  for (const Case& c : cases) {
    QueuedClient client;
    client.replies.push_back(c.reply);
    EXPECT_EQ(WorldRecords(client, kAddress).ReadCount(kAccountScoreList), c.count) << c.reply.body;
    EXPECT_EQ(client.requests[0].body, "rgid=347");
  }
}

TEST(WorldRecords, APassportResultAndItsPlace) {
  Settings settings;
  settings.TopTenNick = "Anna";
  settings.TopTenCountry = "1-003";
  settings.TopTenCity = "Riga";
  settings.TopTenSex = "W";
  QueuedClient client;
  client.replies.push_back(Answer("$4$"));
  client.replies.push_back(Answer("no#"));
  WorldRecords records(client, kAddress);
  EXPECT_EQ(records.Write(PassportEntry(settings, 1250)), 4);
  EXPECT_EQ(records.Write(PassportEntry(settings, 1250)), std::nullopt);
  EXPECT_EQ(client.requests[0].body,
            "gid=47&nick=Anna&city=Riga&country=1-003&score=1250&R7=W&R8=5.7f&R9=#&R10=#*");
  // A damaged sex letter goes as a man rather than being refused.
  settings.TopTenSex = "?";
  EXPECT_EQ(PassportEntry(settings, 0).sex, 'M');
}

TEST(WorldRecords, WhenTheResultMayBeSent) {
  const std::string cyrillic = "\xC0\xED\xED\xE0";  // "Анна" in Windows-1251
  struct Case {
    std::string nick, city;
    bool edited, sent;
    bool allowed;
  } const cases[] = {
      {"Anna", "Riga", false, false, true},   {cyrillic, "Riga", false, false, true},
      {cyrillic, "Riga", true, false, false}, {"Anna", cyrillic, true, false, true},
      {"A", "Riga", false, false, false},     {"Anna", "R", false, false, false},
      {"Anna", "Riga", true, true, false},    {"Anna", "Riga", false, true, false},
  };
  for (const Case& c : cases) {
    Settings settings;
    settings.TopTenNick = c.nick;
    settings.TopTenCity = c.city;
    EXPECT_EQ(SendAllowed(settings, ResultOffer{c.edited, c.sent}), c.allowed)
        << c.nick << " " << c.city << " " << c.edited << c.sent;
  }
}

}  // namespace
}  // namespace quorvex
