// The tournament lobby against a scripted tournament service: what the seat buttons show, taking
// and leaving a seat, and freeing it when the server stops or the relay connection fails.
#include <gtest/gtest.h>

#include <map>

#include "online/account_fakes.h"
#include "online/tournament_lobby.h"

namespace quorvex {
namespace {

using testing::Answer;
using testing::NoAnswer;

// One table entry of the tables reply.
std::string Entry(int row, const std::string& nick1, int score1, const std::string& ip1,
                  const std::string& nick2 = "X", const std::string& relay = "10.0.0.1") {
  return "$" + std::to_string(row) + " " + relay + " 9001 Y 0 X " + nick1 + " " +
         std::to_string(score1) + " 3 1500 Latvia Riga W " + ip1 + " " + nick2 + " 0 0 0 X X M X*";
}

// The tournament service, answering each kind of request with what the test set.
class Service : public HttpClient {
 public:
  HttpReply Exchange(const HttpRequest& request) override {
    const std::string& body = request.body;
    if (!request.post) return echo;
    requests.push_back(body);
    for (const auto& [start, reply] : replies)
      if (body.rfind(start, 0) == 0) return reply;
    return NoAnswer();
  }
  // The requests whose body starts with `start`.
  std::vector<std::string> Sent(const std::string& start) const {
    std::vector<std::string> sent;
    for (const std::string& body : requests)
      if (body.rfind(start, 0) == 0) sent.push_back(body);
    return sent;
  }
  // Ten tables, all free, unless the test lists some; the first entry is table 10.
  void Tables(std::vector<std::string> entries = {}) {
    std::string reply;
    for (int i = 0; i < kTourTables; ++i)
      reply += i < int(entries.size()) ? entries[size_t(i)] : Entry(i + 1, "X", 0, "X");
    replies["readtable10"] = Answer(reply + "$");
  }

  std::map<std::string, HttpReply> replies = {
      {"serverinforead", Answer("$Y Welcome!$")},
      {"clienton", Answer("$ok#")},
      {"readrating", Answer("$120 3 1516$")},
      {"place", Answer("$4$")},
  };
  HttpReply echo = Answer("5.6.7.8");
  std::vector<std::string> requests;
};

class Relay : public LobbyRelay {
 public:
  void Open(const std::string& address, int port, int seat) override {
    log.push_back("open " + address + ":" + std::to_string(port) + " seat " + std::to_string(seat));
  }
  void Send(const std::string& message) override { log.push_back("send " + message); }
  void Close() override { log.push_back("close"); }
  std::vector<std::string> log;
};

class Hooks : public LobbyHooks {
 public:
  void PlayErrorSound() override { notes.push_back("sound"); }
  void ShowMessage(const std::string& text) override { notes.push_back(text); }
  std::vector<std::string> notes;
};

class Lobby : public ::testing::Test {
 protected:
  Lobby() { http.Tables(); }

  void Open() { lobby.Open(kEve); }
  // Seats the player at `table`, `seat` with the service agreeing.
  void Sit(int table, int seat) {
    lobby.ClickSeat(table, seat);
    ASSERT_EQ(lobby.MyTable(), table);
    ASSERT_EQ(lobby.MySeat(), seat);
    http.requests.clear();
    relay.log.clear();
  }

  const TZefClient kEve{"Eve", 0, 0, 0, "Latvia", "Riga", "W", ""};
  Service http;
  TournamentService service{http, "http://127.0.0.1:1/tournament.php"};
  Relay relay;
  Hooks hooks;
  TournamentLobby lobby{service, relay, hooks, [this] { return http.Exchange(GetEcho()).body; }};

 private:
  static HttpRequest GetEcho() {
    HttpRequest get;
    get.post = false;
    return get;
  }
};

TEST_F(Lobby, ThreeEntriesFillTheTopTablesAndLeaveTheRelayUnknown) {
  http.replies["readtable10"] =
      Answer(Entry(1, "Ann", 120, "1.1.1.1") + Entry(2, "Bob", 5, "2.2.2.2") +
             Entry(3, "Cid", 9, "3.3.3.3") + "$");
  Open();
  EXPECT_EQ(lobby.Table(10).Nick1, "Ann");
  EXPECT_EQ(lobby.Table(9).Nick1, "Bob");
  EXPECT_EQ(lobby.Table(8).Nick1, "Cid");
  for (int t = 1; t <= 7; ++t) EXPECT_EQ(lobby.Table(t), TZefTable{}) << t;
  EXPECT_EQ(lobby.RelayAddress(), "0.0.0.0");
  EXPECT_EQ(lobby.RelayBasePort(), -1);
}

TEST_F(Lobby, OpeningReadsTheStandingAndTheResults) {
  Open();
  EXPECT_EQ(lobby.Own(), (TZefClient{"Eve", 120, 3, 1516, "Latvia", "Riga", "W", "5.6.7.8"}));
  EXPECT_EQ(lobby.Results().place, 4);
  EXPECT_EQ(lobby.Results().rating, 1516);
  EXPECT_EQ(lobby.Results().games, 3);
  EXPECT_EQ(http.Sent("place"), std::vector<std::string>{"places47=0&score1=120"});
  EXPECT_EQ(lobby.Welcome(), "Welcome!");
  EXPECT_TRUE(lobby.ServerOn());
  EXPECT_EQ(lobby.RelayAddress(), "10.0.0.1");
  EXPECT_EQ(lobby.RelayBasePort(), 9000);

  http.replies["place"] = NoAnswer();
  lobby.Tick();
  EXPECT_EQ(lobby.Results().place, std::nullopt);
}

TEST_F(Lobby, SeatButtonsOfAPlayerWhoIsNotSeated) {
  // Table 7 (fourth entry) holds Ann at seat 1, table 6 is full.
  http.Tables({Entry(1, "X", 0, "X"), Entry(2, "X", 0, "X"), Entry(3, "X", 0, "X"),
               Entry(4, "Ann", 120, "1.1.1.1"), Entry(5, "Bob", -40, "2.2.2.2", "Zoe")});
  Open();
  EXPECT_EQ(lobby.Seat(7, 1), (SeatButton{SeatCaption::Holder, "Ann : 120", false}));
  EXPECT_EQ(lobby.Seat(7, 2), (SeatButton{SeatCaption::TakePlace, "", true}));
  EXPECT_EQ(lobby.Seat(6, 1), (SeatButton{SeatCaption::Holder, "Bob : -40", false}));
  EXPECT_EQ(lobby.Seat(6, 2), (SeatButton{SeatCaption::Holder, "Zoe : 0", false}));
  EXPECT_EQ(lobby.Seat(1, 1), (SeatButton{SeatCaption::TakePlace, "", true}));
  EXPECT_EQ(lobby.Seat(1, 2), (SeatButton{SeatCaption::Free, "", false}));
  EXPECT_TRUE(lobby.ControlsEnabled());

  // Seated at table 1, the player sees "Log off" there and can take no other seat.
  Sit(1, 1);
  http.Tables({Entry(1, "X", 0, "X"), Entry(2, "X", 0, "X"), Entry(3, "X", 0, "X"),
               Entry(4, "Ann", 120, "1.1.1.1"), Entry(5, "X", 0, "X"), Entry(6, "X", 0, "X"),
               Entry(7, "X", 0, "X"), Entry(8, "X", 0, "X"), Entry(9, "X", 0, "X"),
               Entry(10, "Eve", 120, "5.6.7.8")});
  lobby.Refresh();
  EXPECT_EQ(lobby.Seat(1, 1), (SeatButton{SeatCaption::LogOff, "", true}));
  EXPECT_EQ(lobby.Seat(1, 2), (SeatButton{SeatCaption::TakePlace, "", false}));
  EXPECT_EQ(lobby.Seat(7, 2), (SeatButton{SeatCaption::TakePlace, "", false}));
  EXPECT_EQ(lobby.Seat(2, 1), (SeatButton{SeatCaption::TakePlace, "", false}));
  EXPECT_FALSE(lobby.ControlsEnabled());
  // A click on a button that is off does nothing.
  lobby.ClickSeat(7, 2);
  EXPECT_TRUE(http.Sent("clienton").empty());
}

TEST_F(Lobby, ServerOffOrNoAnswerShowsEverySeatOff) {
  struct Case {
    const char* what;
    HttpReply tables;
    HttpReply info;
    const char* welcome;
  } const cases[] = {
      {"server stopped", Answer("$1 a 1 Y 0 X X 0 0 0 X X M X X 0 0 0 X X M X*$"),
       Answer("$N Back_soon$"), "Back soon"},
      {"no tables", NoAnswer(), Answer("$Y Hello$"), "Hello"},
      {"no server info", Answer("$1 a 1 Y 0 X X 0 0 0 X X M X X 0 0 0 X X M X*$"), NoAnswer(),
       "No Connect"},
  };
  for (const Case& c : cases) {
    http.replies["readtable10"] = c.tables;
    http.replies["serverinforead"] = c.info;
    lobby.Refresh();
    EXPECT_EQ(lobby.Welcome(), c.welcome) << c.what;
    EXPECT_FALSE(lobby.ServerOn() && c.info.ok && c.tables.ok) << c.what;
    for (int t = 1; t <= kTourTables; ++t)
      for (int s = 1; s <= 2; ++s)
        EXPECT_EQ(lobby.Seat(t, s), SeatButton{}) << c.what << " " << t << "/" << s;
  }
}

TEST_F(Lobby, TakingSeatOneOpensTheRelayOfItsTable) {
  Open();
  lobby.ClickSeat(4, 1);
  EXPECT_EQ(http.Sent("clienton"),
            std::vector<std::string>{"clienton1=0&gid=47&num=4&can=1&nick1=Eve&score1=120&kon1=3&"
                                     "rating1=1516&country1=Latvia&city1=Riga&sex1=W&ip1=5.6.7.8"});
  EXPECT_EQ(relay.log, std::vector<std::string>{"open 10.0.0.1:9004 seat 1"});
  EXPECT_EQ(lobby.RelayState(), RelayStage::Opening);
  lobby.OnRelayConnected();
  EXPECT_EQ(lobby.RelayState(), RelayStage::Connected);
  lobby.SetGameOver();
  EXPECT_EQ(lobby.RelayState(), RelayStage::GameOver);
}

TEST_F(Lobby, ARefusedSeatOnlySounds) {
  for (const char* reply : {"$is#", "$no#"}) {
    http.replies["clienton"] = Answer(reply);
    Open();
    lobby.ClickSeat(2, 1);
    EXPECT_EQ(lobby.MyTable(), 0) << reply;
    EXPECT_EQ(lobby.RelayState(), RelayStage::Idle) << reply;
    EXPECT_TRUE(relay.log.empty()) << reply;
    EXPECT_EQ(hooks.notes, std::vector<std::string>{"sound"}) << reply;
    hooks.notes.clear();
  }
}

TEST_F(Lobby, ServerGoingOffFreesASeatedPlayer) {
  Open();
  Sit(3, 1);
  http.replies["serverinforead"] = Answer("$N Maintenance$");
  lobby.Refresh();
  EXPECT_EQ(http.Sent("clienton"),
            std::vector<std::string>{"clienton1=0&gid=47&num=3&can=0&nick1=X&score1=0&kon1=0&"
                                     "rating1=0&country1=X&city1=X&sex1=X&ip1=X"});
  EXPECT_EQ(lobby.MyTable(), 0);
  EXPECT_EQ(lobby.MySeat(), 0);
  EXPECT_EQ(lobby.RelayState(), RelayStage::Idle);
  EXPECT_TRUE(lobby.ControlsEnabled());
  EXPECT_EQ(relay.log, std::vector<std::string>{"close"});
}

TEST_F(Lobby, LeavingSeatOneSaysGoodbyeBeforeClosing) {
  Open();
  Sit(5, 1);
  http.Tables({Entry(1, "X", 0, "X"), Entry(2, "X", 0, "X"), Entry(3, "X", 0, "X"),
               Entry(4, "X", 0, "X"), Entry(5, "X", 0, "X"), Entry(6, "Eve", 120, "5.6.7.8")});
  lobby.Refresh();
  http.requests.clear();

  // Refused: still seated, nothing said on the relay.
  http.replies["clienton"] = Answer("$no#");
  lobby.ClickSeat(5, 1);
  EXPECT_EQ(lobby.MyTable(), 5);
  EXPECT_TRUE(relay.log.empty());
  EXPECT_EQ(hooks.notes, std::vector<std::string>{"sound"});

  http.replies["clienton"] = Answer("$ok#");
  lobby.ClickSeat(5, 1);
  EXPECT_EQ(http.Sent("clienton").back(),
            "clienton1=0&gid=47&num=5&can=2&nick1=X&score1=0&kon1=0&rating1=0&country1=X&city1=X&"
            "sex1=X&ip1=X");
  EXPECT_EQ(relay.log, (std::vector<std::string>{"send disA", "close"}));
  EXPECT_EQ(lobby.MyTable(), 0);
  EXPECT_EQ(lobby.RelayState(), RelayStage::Idle);
}

TEST_F(Lobby, SeatTwoBesideThePlayersOwnAddress) {
  struct Case {
    const char* what;
    std::string holder_ip;
    std::string relay;
    std::string echo;
    bool refused;
  } const cases[] = {
      {"same address", "5.6.7.8", "10.0.0.1", "5.6.7.8", true},
      {"another address", "9.9.9.9", "10.0.0.1", "5.6.7.8", false},
      {"a relay on this machine", "5.6.7.8", "127.0.0.1", "5.6.7.8", false},
      // Nobody's address is known: that is no proof of one player on both seats.
      {"no echo", "", "10.0.0.1", "", false},
  };
  for (const Case& c : cases) {
    http.requests.clear();
    relay.log.clear();
    hooks.notes.clear();
    std::vector<std::string> entries(10, Entry(1, "X", 0, "X", "X", c.relay));
    entries[9] = Entry(10, "Ann", 120, c.holder_ip.empty() ? "X" : c.holder_ip, "X", c.relay);
    http.Tables(entries);
    http.replies["readclient1"] = Answer("$Ann 120 3 1500 Latvia Riga W " + c.holder_ip + "$");
    http.echo = c.echo.empty() ? NoAnswer() : Answer(c.echo);
    Open();
    lobby.ClickSeat(1, 2);
    EXPECT_EQ(http.Sent("readclient1"), std::vector<std::string>{"readclient1=0&&gid=47&&num=1"})
        << c.what;
    if (c.refused) {
      EXPECT_EQ(
          hooks.notes,
          std::vector<std::string>{"This table is already occupied by a player with your IP!"})
          << c.what;
      EXPECT_TRUE(http.Sent("clienton").empty()) << c.what;
      EXPECT_EQ(lobby.MyTable(), 0) << c.what;
    } else {
      EXPECT_EQ(lobby.MySeat(), 2) << c.what;
      EXPECT_EQ(relay.log, std::vector<std::string>{"open " + c.relay + ":9001 seat 2"}) << c.what;
    }
  }
}

TEST_F(Lobby, RelayErrorFreesTheSeatOnTheNextErrorTick) {
  struct Case {
    int seat;
    std::vector<std::string> freed;
  } const cases[] = {
      // Seat 1 holds the table: both seats are freed.
      {1,
       {"clienton1=0&gid=47&num=2&can=0&nick1=X&score1=0&kon1=0&rating1=0&country1=X&city1=X&"
        "sex1=M&ip1=X",
        "clienton2=0&gid=47&num=2&can=0&nick2=X&score2=0&kon2=0&rating2=0&country2=X&city2=X&"
        "sex2=M&ip2=X"}},
      {2,
       {"clienton2=0&gid=47&num=2&can=0&nick2=X&score2=0&kon2=0&rating2=0&country2=X&city2=X&"
        "sex2=M&ip2=X"}},
  };
  for (const Case& c : cases) {
    hooks.notes.clear();
    std::vector<std::string> entries(10, Entry(1, "X", 0, "X"));
    if (c.seat == 2) entries[8] = Entry(9, "Ann", 5, "1.1.1.1");  // table 2
    http.Tables(entries);
    Open();
    Sit(2, c.seat);
    lobby.ErrorTick();  // no error yet
    EXPECT_TRUE(http.requests.empty());
    lobby.OnRelayError();
    lobby.ErrorTick();
    EXPECT_EQ(http.Sent("clienton"), c.freed) << c.seat;
    EXPECT_EQ(hooks.notes, std::vector<std::string>{"Server connection error!"}) << c.seat;
    EXPECT_EQ(lobby.MyTable(), 0);
    EXPECT_EQ(lobby.RelayState(), RelayStage::Idle);
    EXPECT_FALSE(lobby.RelayError());
    EXPECT_FALSE(http.Sent("readtable10").empty()) << "refreshed";
  }
  // An error after the player left frees nothing.
  http.requests.clear();
  hooks.notes.clear();
  lobby.OnRelayError();
  lobby.ErrorTick();
  EXPECT_TRUE(http.requests.empty());
  EXPECT_TRUE(hooks.notes.empty());
}

TEST_F(Lobby, WelcomeLineFontSteps) {
  struct Case {
    std::string message;
    int step;
  } const cases[] = {
      {std::string(39, 'a'), 0},
      {std::string(40, 'a'), 1},
      {std::string(54, 'a'), 1},
      {std::string(55, 'a'), 2},
      // Characters count, not bytes: 39 Cyrillic letters are 78 bytes.
      {std::string(39, '\xC0'), 0},
  };
  for (const Case& c : cases) {
    http.replies["serverinforead"] = Answer("$Y " + c.message + "$");
    lobby.Refresh();
    EXPECT_EQ(lobby.WelcomeStep(), c.step) << c.message;
  }
}

}  // namespace
}  // namespace quorvex
