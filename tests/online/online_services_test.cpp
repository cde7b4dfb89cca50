// What the services send, as the server receives it, and how the configuration file and the
// statistics are handled; through a client that keeps the requests and answers as told.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "online/configuration.h"
#include "online/public_address.h"
#include "online/service_request.h"
#include "online/string_cipher.h"
#include "online/world_stats.h"

namespace quorvex {
namespace {

class ScriptedClient : public HttpClient {
 public:
  HttpReply Exchange(const HttpRequest& request) override {
    requests.push_back(request);
    HttpReply reply;
    reply.ok = answers_ok;
    reply.status = answers_ok ? 200 : 0;
    reply.body = answer;
    return reply;
  }
  std::vector<HttpRequest> requests;
  std::string answer;
  bool answers_ok = true;
};

TEST(ServiceRequests, TheTwoBodiesOfTheProtocol) {
  EXPECT_EQ(FieldsBody({"nick=A", "pw=B", "label0=0"}), "nick=A&&pw=B&&label0=0");
  EXPECT_EQ(FieldsBody({"nick=a b", "pw=x&y"}), "nick=a+b&&pw=x%26y");
  EXPECT_EQ(JoinBody({"gid=47", "nick=Anna", "city=Riga", "country=1-003", "score=1250", "R7=W",
                      "R8=5.7f", "R9=#", "R10=#*"}),
            "gid=47&nick=Anna&city=Riga&country=1-003&score=1250&R7=W&R8=5.7f&R9=#&R10=#*");
  ScriptedClient client;
  PostFields(client, "http://127.0.0.1:1/x", {"gid=47"}, ExchangeLimit::ShortRead);
  ASSERT_EQ(client.requests.size(), 1u);
  EXPECT_EQ(client.requests[0].user_agent, "ZefSpecAccess");
  EXPECT_EQ(client.requests[0].content_type, "application/x-www-form-urlencoded");
  EXPECT_EQ(client.requests[0].limit, ExchangeLimit::ShortRead);
}

TEST(Configuration, PausesAndAddressesFromTheFile) {
  const std::string records =
      Encipher("http://elsewhere.example/records.php", AddressKey(ServiceAddress::TopTen));
  const std::string stats =
      Encipher("http://elsewhere.example/stats.php", AddressKey(ServiceAddress::Stats));
  const std::string account =
      Encipher("http://elsewhere.example/account.php", AddressKey(ServiceAddress::Account));
  struct Case {
    const char* what;
    std::optional<std::string> text;
    bool top_ten, chat;
    bool moved_records, moved_stats, moved_account;
  } const cases[] = {
      {"no file", std::nullopt, true, true, false, false, false},
      {"pause beats a new address", "WTGamesPause#WTGamesPatt=" + records + "#", false, true, false,
       false, false},
      {"every address moved",
       "WTGamesPatt=" + records + "#StatPath=" + stats + "#AccPath=" + account + "#", true, true,
       true, true, true},
      {"chat paused, a damaged address kept", "CTGamesPause#StatPath=garbage#", true, false, false,
       false, false},
  };
  for (const Case& c : cases) {
    Settings settings;
    OnlineSwitches switches;
    switches.account.plain = "http://before.example/";  // a file resets the account address
    ApplyConfiguration(c.text, settings, switches);
    EXPECT_EQ(switches.world_top_ten, c.top_ten) << c.what;
    EXPECT_EQ(switches.chat, c.chat) << c.what;
    EXPECT_EQ(settings.TopTenAddress.plain == "http://elsewhere.example/records.php",
              c.moved_records)
        << c.what;
    EXPECT_EQ(settings.StatsAddress.plain == "http://elsewhere.example/stats.php", c.moved_stats)
        << c.what;
    if (c.text) {
      EXPECT_EQ(switches.account.plain == "http://elsewhere.example/account.php", c.moved_account)
          << c.what;
    } else {
      EXPECT_EQ(switches.account.plain, "http://before.example/");
    }
  }
}

TEST(Configuration, ReadFromItsBuiltInAddressAndAFailedReadKeepsEverything) {
  ScriptedClient client;
  Settings settings;
  const StoredAddress stats_before = settings.StatsAddress;
  OnlineSwitches switches;
  switches.world_top_ten = false;  // left from an earlier read
  switches.account.plain = "http://before.example/";
  client.answers_ok = false;
  client.answer = "StatPath=" +
                  Encipher("http://elsewhere.example/stats.php", AddressKey(ServiceAddress::Stats));
  FetchConfiguration(client, settings, switches);
  ASSERT_EQ(client.requests.size(), 1u);
  EXPECT_FALSE(client.requests[0].post);
  EXPECT_EQ(client.requests[0].url, BuiltInStoredAddress(ServiceAddress::ConfigFile).plain);
  EXPECT_TRUE(client.requests[0].url.ends_with("/config.txt"));
  EXPECT_EQ(settings.StatsAddress, stats_before);
  EXPECT_EQ(switches.account.plain, "http://before.example/");
  EXPECT_TRUE(switches.world_top_ten);
  EXPECT_TRUE(switches.chat);
  client.answers_ok = true;
  FetchConfiguration(client, settings, switches);
  EXPECT_EQ(settings.StatsAddress.plain, "http://elsewhere.example/stats.php");
}

TEST(PublicAddress, TheEchoedAddressOrNothing) {
  struct Case {
    const char* body;
    bool ok;
    const char* address;
  } const cases[] = {
      {"203.0.113.9", true, "203.0.113.9"},
      {" 203.0.113.9\r\n", true, "203.0.113.9"},
      {"2001:db8::1\n", true, "2001:db8::1"},
      {"<html>Not here</html>", true, ""},
      {"", true, ""},
      {"203.0.113.9", false, ""},
  };
  for (const Case& c : cases) {
    ScriptedClient client;
    client.answer = c.body;
    client.answers_ok = c.ok;
    EXPECT_EQ(FetchPublicAddress(client), c.address) << c.body;
    ASSERT_EQ(client.requests.size(), 1u);
    EXPECT_FALSE(client.requests[0].post);
    EXPECT_TRUE(client.requests[0].url.ends_with("/ip.php"));
  }
}

TEST(WorldStats, ReportsAndTotals) {
  // A session of 20 deals against the computer won by 350 points.
  const SessionCounters won = CountSession(TableRole::SinglePlayer, 20, 350);
  EXPECT_EQ(WorldStats::SessionBody(won),
            "gid=47&R1=20&R2=1&R3=350&R4=0&R5=0&R6=0&R7=0&R8=0&R9=0&R10=0&R11=0&R12=0");
  EXPECT_EQ(CountSession(TableRole::SinglePlayer, 3, -90).R[3], 90);
  EXPECT_EQ(CountSession(TableRole::LanServer, 4, 100).R, (std::array<int64_t, 12>{0, 0, 0, 0, 4}));
  EXPECT_EQ(CountSession(TableRole::LanClient, 4, 100).R, (std::array<int64_t, 12>{}));
  // A tournament game counts only the seat-1 machine's game, never deals or points.
  EXPECT_EQ(CountSession(TableRole::TourSeat1, 4, 100).R,
            (std::array<int64_t, 12>{0, 0, 0, 0, 0, 1}));
  EXPECT_EQ(CountSession(TableRole::TourSeat2, 4, -100).R, (std::array<int64_t, 12>{}));
  EXPECT_EQ(CountSession(TableRole::SinglePlayer, 0, 0).R, (std::array<int64_t, 12>{}));

  ScriptedClient client;
  WorldStats stats(client, "http://127.0.0.1:1/stats.php");
  // A first start is reported as one and the flag takes the answer; later starts send 0.
  bool reported = false;
  client.answer = "$ ok#";
  stats.ReportStart(reported);
  EXPECT_TRUE(reported);
  EXPECT_EQ(client.requests.back().body, "gid=47&stat1=1&stat2=1");
  client.answer = "$ no#";
  stats.ReportStart(reported);
  EXPECT_TRUE(reported);
  EXPECT_EQ(client.requests.back().body, "gid=47&stat1=1&stat2=0");
  bool refused = false;
  stats.ReportStart(refused);
  EXPECT_FALSE(refused);
  // An installation marked "idd" in its club file reports nothing at all.
  const size_t sent = client.requests.size();
  bool quiet = false;
  client.answer = "$ ok#";
  EXPECT_FALSE(stats.ReportStart(quiet, true));
  EXPECT_FALSE(quiet);
  EXPECT_EQ(client.requests.size(), sent);
  EXPECT_EQ(client.requests.back().url, "http://127.0.0.1:1/stats.php");

  client.answer = "$10 4 2 Ann 60 3 900 120 8 2 0 0 0 0 0 0 0 #*";
  const std::optional<TZefStat> totals = stats.ReadTotals();
  ASSERT_TRUE(totals.has_value());
  EXPECT_EQ(totals->Stat1, 10);
  EXPECT_EQ(totals->Stat4, "Ann");
  EXPECT_EQ(totals->StatX[0], 60);
  EXPECT_EQ(totals->StatX[5], 2);
  EXPECT_EQ(client.requests.back().limit, ExchangeLimit::ShortRead);
  client.answers_ok = false;
  EXPECT_FALSE(stats.ReadTotals().has_value());
}

}  // namespace
}  // namespace quorvex
