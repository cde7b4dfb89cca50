// The chat and the news: the text rules, the two state files, the checks that light the signs,
// reading and sending messages, the adverts catalogue and the timer's rhythm.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "account_fakes.h"
#include "online/advert_catalogue.h"
#include "online/chat_news_checks.h"
#include "online/chat_service.h"
#include "online/chat_state_files.h"
#include "online/chat_text.h"
#include "online/notice_ticks.h"
#include "state_folder.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;
using testing::Answer;
using testing::NoAnswer;
using testing::QueuedClient;

constexpr const char* kRecords = "http://127.0.0.1:1/records.php";

class ChatFiles : public testing::StateFolderTest {
 protected:
  ChatFiles() : StateFolderTest("quorvex-chat-") {}
};

// Ten messages of a chat whose newest is `newest`, as the records service answers.
std::string ChatList(int newest, int count = 10) {
  std::string reply;
  for (int i = 0; i < count; ++i)
    reply += "$" + std::to_string(i + 1) + " 77 " + std::to_string(newest - i) +
             " Anna 1-003 Riga W 5.7f 12:05_11.12.2026_Quorvex Hello_" + std::to_string(i) + "*";
  return reply;
}

TEST(ChatText, WhatIsSentAndShown) {
  const struct {
    const char* typed;
    const char* sent;
  } cases[] = {
      {"Hi, all?", "Hi,_all_"},
      {"Привет, Ёжик!", "Привет,_Ёжик!"},  // Russian letters travel as they are
      {"(a-b.c@d_e)", "(a-b.c@d_e)"},
      {"a&b=c$d*e#f~g+h%i", "a_b_c_d_e_f_g_h_i"},  // what would cut the body or the entry
      {"tab\there", "tab_here"},
      // Each character the set lacks is one "_", whatever its length in bytes.
      {"ça ß ☺ 😀", "_a______"},
      {"bad\xff\xc3", "bad__"},  // bytes that are no characters
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ChatSendText(c.typed), c.sent) << c.typed;
  EXPECT_EQ(ChatShownText(ChatSendText("Hi, all?")), "Hi, all ");
  // At most 80 characters, counted as characters, not bytes.
  EXPECT_EQ(ChatSendText(std::string(81, 'x')), std::string(80, 'x'));
  std::string russian;
  for (int i = 0; i < 81; ++i) russian += "ж";
  EXPECT_EQ(ChatSendText(russian), russian.substr(0, 160));

  // The writing time keeps the time and date signs; a blank never reaches the entry.
  EXPECT_EQ(ChatTimeText("12:05:33", "11.12.2026"), "12:05:33_11.12.2026_Quorvex");
  EXPECT_EQ(ChatTimeText("2:05 PM", "12/11/26", "Quorvex 2"), "2:05_PM_12/11/26_Quorvex_2");

  // The server's check, on the Windows-1251 bytes.
  const struct {
    std::string bytes;
    bool taken;
  } checks[] = {{"Hi,_all_", true},
                {"\xcf\xf0\xe8\xe2\xe5\xf2", true},  // "Привет"
                {"", false},
                {std::string(80, 'x'), true},
                {std::string(81, 'x'), false},
                {"Hi, all", false},
                {"#", false},
                {"a:b", false}};
  for (const auto& c : checks) EXPECT_EQ(IsChatText(c.bytes), c.taken) << c.bytes;
}

TEST_F(ChatFiles, AMissingChatStateIsCreatedAndADamagedOneRebuilt) {
  EXPECT_EQ(ReadChatState(dir), (ChatState{1, false, false}));
  EXPECT_EQ(Get(kChatStateFileName), "1\r\n0\r\n0\r\n");

  const struct {
    const char* file;
    ChatState read;
    const char* rebuilt;  // nullptr: left as it was
  } cases[] = {
      {"25\r\n1\r\n0\r\n", {25, true, false}, nullptr},
      {"25\n0\n1\n", {25, false, true}, nullptr},
      {"abc\r\n1\r\n1\r\n", {0, true, true}, "0\r\n1\r\n1\r\n"},
      {"99999999999999999999999\r\n1\r\n1\r\n", {0, true, true}, "0\r\n1\r\n1\r\n"},
      {"-4\r\n0\r\n0\r\n", {0, false, false}, "0\r\n0\r\n0\r\n"},
      {"7", {7, false, false}, "7\r\n0\r\n0\r\n"},
      {"7\r\nyes\r\n1\r\n", {7, false, true}, "7\r\n0\r\n1\r\n"},
      {"", {0, false, false}, "0\r\n0\r\n0\r\n"},
      {"\x01\xff\x00garbage", {0, false, false}, "0\r\n0\r\n0\r\n"},
  };
  for (const auto& c : cases) {
    Put(kChatStateFileName, c.file);
    EXPECT_EQ(ReadChatState(dir), c.read) << c.file;
    EXPECT_EQ(Get(kChatStateFileName), c.rebuilt ? c.rebuilt : c.file) << c.file;
  }

  ASSERT_TRUE(WriteChatState(dir, {123, true, false}));
  EXPECT_EQ(Get(kChatStateFileName), "123\r\n1\r\n0\r\n");
  EXPECT_EQ(ReadChatState(dir), (ChatState{123, true, false}));
  // A folder that cannot take the file: the write says so, the read gives the defaults.
  EXPECT_FALSE(WriteChatState(dir / "missing", {}));
  fs::remove(dir / kChatStateFileName);
  fs::create_directory(dir / kChatStateFileName);
  EXPECT_EQ(ReadChatState(dir), ChatState{});
}

TEST_F(ChatFiles, NewsStateFile) {
  EXPECT_EQ(ReadNewsSeen(dir), 0);
  EXPECT_FALSE(fs::exists(dir / kNewsStateFileName));
  ASSERT_TRUE(WriteNewsSeen(dir, 12));
  EXPECT_EQ(Get(kNewsStateFileName), "12\r\n");
  EXPECT_EQ(ReadNewsSeen(dir), 12);
  Put(kNewsStateFileName, "twelve");
  EXPECT_EQ(ReadNewsSeen(dir), 0);
  EXPECT_EQ(Get(kNewsStateFileName), "0\r\n");
}

TEST(NewsPage, TheNumberAfterTheMarker) {
  const struct {
    const char* page;
    int64_t number;
  } cases[] = {
      {"<p hidden>ZefNews00012</p>", 12},
      {"no marker here", 0},
      {"ZefNews12ab3", 0},
      {"ZefNews42", 42},
      {"ZefNews", 0},
      {"ZefNews99999123", 99999},
      {"zefnews00012", 0},
      {"ZefNews -0012", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(NewsNumberInPage(c.page), c.number) << c.page;
}

TEST_F(ChatFiles, TheChecksAgainstWhatWasSeen) {
  // The first chat check creates the state file with 1, 0, 0: message 1 is no news, 2 is.
  QueuedClient client;
  client.replies = {Answer(ChatList(1, 1)), Answer(ChatList(2, 2)), NoAnswer()};
  ChatCheck chat = CheckChat(client, kRecords, dir);
  EXPECT_EQ(Get(kChatStateFileName), "1\r\n0\r\n0\r\n");
  EXPECT_EQ(chat.newest, 1);
  EXPECT_FALSE(chat.Waiting());
  chat = CheckChat(client, kRecords, dir);
  EXPECT_EQ(chat.newest, 2);
  EXPECT_TRUE(chat.Waiting());
  EXPECT_EQ(client.requests[0].body, "gid=100");
  EXPECT_EQ(client.requests[0].limit, ExchangeLimit::ShortRead);
  // A failed read is nothing new.
  chat = CheckChat(client, kRecords, dir);
  EXPECT_EQ(chat.newest, 0);
  EXPECT_FALSE(chat.Waiting());

  // The news: "00012" on the page against a missing news file; a page without the marker or a
  // failed download never lights the sign.
  client.requests.clear();
  client.replies = {Answer("<p>ZefNews00012</p>"), Answer("<p>News</p>"), NoAnswer()};
  NewsCheck news = CheckNews(client, "http://127.0.0.1:1/news.html", dir);
  EXPECT_EQ(news.newest, 12);
  EXPECT_TRUE(news.Waiting());
  EXPECT_FALSE(client.requests[0].post);
  EXPECT_FALSE(CheckNews(client, "http://127.0.0.1:1/news.html", dir).Waiting());
  EXPECT_FALSE(CheckNews(client, "http://127.0.0.1:1/news.html", dir).Waiting());
  WriteNewsSeen(dir, 12);
  client.replies = {Answer("ZefNews00012"), Answer("ZefNews00013")};
  EXPECT_FALSE(CheckNews(client, "http://127.0.0.1:1/news.html", dir).Waiting());
  EXPECT_TRUE(CheckNews(client, "http://127.0.0.1:1/news.html", dir).Waiting());
}

TEST(ChatList, RowsFromTheRecordsService) {
  QueuedClient client;
  client.replies = {Answer(ChatList(57, 3))};
  ChatRead read = ReadChat(client, kRecords);
  ASSERT_TRUE(read.ok);
  EXPECT_EQ(read.Newest(), 57);
  ASSERT_EQ(read.messages.size(), 10u);
  const ChatRecord& first = read.messages[0];
  EXPECT_EQ(first.Place, 1);
  EXPECT_EQ(first.Score, 57);
  EXPECT_EQ(first.Nick, "Anna");
  EXPECT_EQ(first.Country, "1-003");
  EXPECT_EQ(first.City, "Riga");
  EXPECT_EQ(first.R07, "W");
  EXPECT_EQ(first.R08, "5.7f");
  EXPECT_EQ(first.R09, "12:05_11.12.2026_Quorvex");
  EXPECT_EQ(first.R10, "Hello_0");
  EXPECT_EQ(read.messages[2].Score, 55);
  EXPECT_TRUE(read.messages[3].Empty());
  EXPECT_FALSE(read.messages[2].Empty());

  // Windows-1251 texts come back as UTF-8.
  client.replies = {
      Answer("$1 5 9 \xc0\xed\xff 1-001 \xcc\xee\xf1\xea\xe2\xe0 M 5.7f t "
             "\xcf\xf0\xe8\xe2\xe5\xf2!*")};
  read = ReadChat(client, kRecords);
  EXPECT_EQ(read.messages[0].Nick, "Аня");
  EXPECT_EQ(read.messages[0].R10, "Привет!");

  // An empty chat is read; a refusal, a broken number or no answer is a failure that keeps the
  // rows read before it.
  client.replies = {Answer("#"), Answer("no#"),
                    Answer("$1 5 9 Anna 1-001 Riga W 5.7f t x*$2 5 nine Bob 1-001 Oslo M 5.7f t "
                           "y*"),
                    NoAnswer()};
  read = ReadChat(client, kRecords);
  EXPECT_TRUE(read.ok);
  EXPECT_EQ(read.Newest(), 0);
  EXPECT_FALSE(ReadChat(client, kRecords).ok);
  read = ReadChat(client, kRecords);
  EXPECT_FALSE(read.ok);
  EXPECT_EQ(read.messages[0].Nick, "Anna");
  EXPECT_EQ(read.Newest(), 0);
  EXPECT_FALSE(ReadChat(client, kRecords).ok);
}

TEST(ChatList, SendingAMessage) {
  const ChatSender anna{"Anna", "Riga", "1-003", 'W'};
  QueuedClient client;
  client.replies = {Answer(ChatList(7)), Answer("$4$")};
  EXPECT_EQ(SendChatMessage(client, kRecords, anna, "Hi, all?", "12:05:33_11.12.2026_Quorvex"), 8);
  ASSERT_EQ(client.requests.size(), 2u);
  EXPECT_EQ(client.requests[1].body,
            "gid=100&nick=Anna&city=Riga&country=1-003&score=8&R7=W&R8=5.7f&R9=12:05:33_11.12.2026_"
            "Quorvex&R10=Hi,_all_*");

  // An empty chat starts at 1; Russian texts travel in Windows-1251.
  client.requests.clear();
  client.replies = {Answer("#"), Answer("$1$")};
  EXPECT_EQ(SendChatMessage(client, kRecords, anna, "Привет", "t"), 1);
  EXPECT_EQ(client.requests[1].body.substr(client.requests[1].body.find("R10=")),
            "R10=\xcf\xf0\xe8\xe2\xe5\xf2*");

  // The list cannot be read: nothing is written. A refused write or an empty text sends nothing.
  const struct {
    const char* what;
    std::deque<HttpReply> replies;
    const char* typed;
    size_t requests;
  } failures[] = {
      {"list unread", {NoAnswer(), Answer("$1$")}, "Hello", 1},
      {"list refused", {Answer("no#"), Answer("$1$")}, "Hello", 1},
      {"write refused", {Answer(ChatList(7)), Answer("no#")}, "Hello", 2},
      {"write unanswered", {Answer(ChatList(7)), NoAnswer()}, "Hello", 2},
      {"empty", {Answer(ChatList(7)), Answer("$1$")}, "", 0},
  };
  for (const auto& f : failures) {
    QueuedClient failing;
    failing.replies = f.replies;
    EXPECT_EQ(SendChatMessage(failing, kRecords, anna, f.typed, "t"), std::nullopt) << f.what;
    EXPECT_EQ(failing.requests.size(), f.requests) << f.what;
  }
}

class CountingRandom : public Random {
 public:
  void Reseed() override {}
  int Below(int n) override { return int(next_++ % unsigned(n)); }

 private:
  unsigned next_ = 0;
};

class HighestRandom : public Random {
 public:
  void Reseed() override {}
  int Below(int n) override { return n - 1; }
};

TEST(AdvertCatalogue, EntriesAndFourDifferentChoices) {
  std::string text = "SecAdv0000=005##\r\n";
  for (int k = 1; k <= 5; ++k) {
    const std::string n = "00" + std::to_string(k);
    text += "SecAdv" + n + "I=http://h/p" + std::to_string(k) + ".svg##SecAdv" + n + "N=Game " +
            std::to_string(k) + "##SecAdv" + n + "L=https://g" + std::to_string(k) + ".org/##\r\n";
  }
  const std::optional<std::vector<Advert>> adverts = ReadAdvertCatalogue(text);
  ASSERT_TRUE(adverts);
  ASSERT_EQ(adverts->size(), 5u);
  EXPECT_EQ((*adverts)[0], (Advert{"http://h/p1.svg", "Game 1", "https://g1.org/"}));
  EXPECT_EQ((*adverts)[4], (Advert{"http://h/p5.svg", "Game 5", "https://g5.org/"}));

  // Entries the count names but the file lacks are empty; too few entries, or no count, is
  // no catalogue.
  const std::optional<std::vector<Advert>> more = ReadAdvertCatalogue("SecAdv0000=012##");
  ASSERT_TRUE(more);
  EXPECT_EQ(more->size(), 12u);
  EXPECT_EQ((*more)[11], Advert{});
  for (const char* bad : {"SecAdv0000=003##SecAdv001I=x##", "SecAdv0000=000##", "SecAdv0000=4##",
                          "SecAdv0000=0a5##", "SecAdv0000=", "", "<html>404</html>"})
    EXPECT_FALSE(ReadAdvertCatalogue(bad)) << bad;

  CountingRandom counting;
  HighestRandom highest;
  for (Random* random : {static_cast<Random*>(&counting), static_cast<Random*>(&highest)}) {
    for (size_t count = 4; count <= 9; ++count) {
      for (int round = 0; round < 20; ++round) {
        const auto chosen = ChooseAdverts(count, *random);
        const std::set<size_t> different(chosen.begin(), chosen.end());
        EXPECT_EQ(different.size(), 4u) << count;
        EXPECT_LT(*different.rbegin(), count);
      }
    }
  }
}

TEST(NoticeTicks, NewsEveryThirdTickChatEveryNinetieth) {
  NoticeTicks ticks;
  int news = 0, chat = 0;
  for (int tick = 1; tick <= 180; ++tick) {
    const NoticeTicks::Due due = ticks.Tick(true, false, false);
    news += due.news;
    chat += due.chat;
    EXPECT_EQ(due.news, tick % 3 == 0) << tick;
    EXPECT_EQ(due.chat, tick % 90 == 0) << tick;
  }
  EXPECT_EQ(news, 60);
  EXPECT_EQ(chat, 2);
  // Nothing is looked for while its sign is lit; the news only while the menu is shown.
  NoticeTicks quiet;
  for (int tick = 1; tick <= 90; ++tick) {
    const NoticeTicks::Due due = quiet.Tick(tick % 2 == 0, tick > 45, true);
    EXPECT_FALSE(due.chat);
    EXPECT_EQ(due.news, tick % 3 == 0 && tick % 2 == 0 && tick <= 45) << tick;
  }
}

}  // namespace
}  // namespace quorvex
