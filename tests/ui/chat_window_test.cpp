// The chat window, the checks behind the menu's signs, the news, the adverts and "Support us!",
// against a chat kept in memory.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "locale/lang_text.h"
#include "online/chat_state_files.h"
#include "online/reply_readers.h"
#include "shot.h"
#include "support/offline_http.h"
#include "ui/art/resource_library.h"
#include "ui/dialogs/modal_run.h"
#include "ui/dialogs/notice_window.h"
#include "ui/online/advert_sign.h"
#include "ui/online/adverts_window.h"
#include "ui/online/browser_open.h"
#include "ui/online/chat_news.h"
#include "ui/online/chat_panel.h"
#include "ui/online/chat_window.h"
#include "ui/online/notice_sign.h"
#include "ui/online/support_window.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;

HttpReply Answer(const std::string& body) {
  HttpReply reply;
  reply.ok = true;
  reply.status = 200;
  reply.body = body;
  return reply;
}

// The records service's chat and the news page, in memory.
class ChatServer : public HttpClient {
 public:
  struct Message {
    int64_t number;
    std::string nick, country, city, sex, time, text;
  };

  HttpReply Exchange(const HttpRequest& request) override {
    requests.push_back(request);
    if (!request.post) {
      if (request.url.ends_with("/news.html")) return Answer(news);
      return HttpReply();
    }
    if (request.body == "gid=100") {
      if (!readable) return HttpReply();
      std::string reply = messages.empty() ? "#" : "";
      for (size_t i = 0; i < messages.size() && i < 10; ++i) {
        const Message& m = messages[messages.size() - 1 - i];
        reply += "$" + std::to_string(i + 1) + " 9 " + std::to_string(m.number) + " " + m.nick +
                 " " + m.country + " " + m.city + " " + m.sex + " 5.7f " + m.time + " " + m.text +
                 "*";
      }
      return Answer(reply);
    }
    if (request.body.starts_with("gid=100&")) {
      ++writes;
      Message m;
      m.number = std::stoll(Field(request.body, "score"));
      m.nick = Field(request.body, "nick");
      m.country = Field(request.body, "country");
      m.city = Field(request.body, "city");
      m.sex = Field(request.body, "R7");
      m.time = Field(request.body, "R9");
      m.text = Field(request.body, "R10");
      m.text.pop_back();  // the entry's "*"
      messages.push_back(m);
      return Answer("$1$");
    }
    return Answer("no#");
  }

  static std::string Field(const std::string& body, const std::string& name) {
    const size_t at = body.find("&" + name + "=");
    const size_t from = at + name.size() + 2;
    return body.substr(from, body.find('&', from) - from);
  }

  void Add(int64_t number, const std::string& text) {
    messages.push_back({number, "Anna", "1-026", "Riga", number % 2 ? "W" : "M",
                        "12:05_11.12.2026_Quorvex", text});
  }

  std::vector<HttpRequest> requests;
  std::vector<Message> messages;  // oldest first
  bool readable = true;
  int writes = 0;
  std::string news = "<p hidden>ZefNews00003</p>";
};

class ChatTest : public ::testing::Test {
 protected:
  ChatTest() {
    folder = fs::temp_directory_path() /
             ("quorvex-chat-ui-" + std::to_string(::getpid()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
    context.state_folder = folder;
    context.news_address = "http://127.0.0.1:1/news.html";
    context.play_effect = [this](const std::string& effect) { sounds.push_back(effect); };
    context.redraw_signs = [this] { ++redraws; };
    settings.TopTenNick = "Bob";
    settings.TopTenCity = "Oslo";
    settings.TopTenCountry = "1-035";
    SetNoticeHook(
        [this](const QString& line, const QString&, const QString&) { notices.push_back(line); });
    SetBrowserHook([this](const QUrl& url) { opened.push_back(url.toString()); });
  }
  ~ChatTest() override {
    SetNoticeHook(nullptr);
    SetBrowserHook(nullptr);
    SetModalHook(nullptr);
    SetCurrentLanguage(0);
    fs::remove_all(folder);
  }
  std::string StateFile() const {
    std::ifstream in(folder / kChatStateFileName, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  fs::path folder;
  ChatServer server;
  Settings settings;
  ChatContext context{server, settings, {}, {}, true, {}, {}, {}, {}};
  std::vector<std::string> sounds;
  std::vector<QString> notices;
  std::vector<QString> opened;
  int redraws = 0;
};

TEST_F(ChatTest, PanelsInEitherOrderWithTheNewMarked) {
  for (int n = 1; n <= 12; ++n) server.Add(n, "Hello_all_" + std::to_string(n));
  context.notices.chat_checked = true;
  context.notices.seen_chat = 10;
  TFormChat window(context);
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Zef Games Chat"));
  EXPECT_EQ(window.Panel(0)->FirstLine(),
            QStringLiteral("12. Riga : 12:05 11.12.2026 Quorvex 5.7f : Anna"));
  EXPECT_EQ(window.Panel(0)->SecondLine(), QStringLiteral("Hello all 12"));
  EXPECT_TRUE(window.Panel(0)->MarkedNew());
  EXPECT_TRUE(window.Panel(1)->MarkedNew());
  EXPECT_FALSE(window.Panel(2)->MarkedNew());
  EXPECT_EQ(window.Panel(9)->FirstLine().left(3), QStringLiteral("3. "));
  EXPECT_TRUE(window.RefreshButton()->isHidden());

  // The newest at the bottom: kept in the state file, and not changed again before the tick.
  window.BottomBox()->click();
  EXPECT_EQ(window.Panel(9)->FirstLine().left(4), QStringLiteral("12. "));
  EXPECT_EQ(window.Panel(0)->FirstLine().left(3), QStringLiteral("3. "));
  EXPECT_FALSE(window.BottomBox()->isEnabled());
  EXPECT_EQ(StateFile(), "1\r\n1\r\n0\r\n");
  window.OpenOnNewBox()->click();
  EXPECT_EQ(StateFile(), "1\r\n1\r\n1\r\n");
  window.FifteenSecondTick();
  EXPECT_TRUE(window.BottomBox()->isEnabled());
  EXPECT_FALSE(window.RefreshButton()->isHidden());

  // Fewer messages than panels leave the rest empty; a failed read shows "No Connect".
  server.messages.resize(3);
  window.RefreshButton()->click();
  EXPECT_TRUE(window.RefreshButton()->isHidden());
  EXPECT_EQ(window.Panel(9)->FirstLine().left(3), QStringLiteral("3. "));
  EXPECT_TRUE(window.Panel(6)->FirstLine().isEmpty());
  server.readable = false;
  window.FifteenSecondTick();
  window.RefreshButton()->click();
  EXPECT_EQ(window.Panel(0)->FirstLine(), QStringLiteral("No Connect"));
  EXPECT_TRUE(window.Panel(9)->FirstLine().isEmpty());
}

TEST_F(ChatTest, SendingAndTheFifteenSecondRhythm) {
  for (int n = 1; n <= 12; ++n) server.Add(n, "x");
  TFormChat window(context);
  ASSERT_TRUE(window.MessageLine()->isEnabled());
  EXPECT_EQ(window.MessageLine()->maxLength(), 80);
  window.FifteenSecondTick();
  QTest::keyClicks(window.MessageLine(), QStringLiteral("Hi, all?"));
  QTest::keyClick(window.MessageLine(), Qt::Key_Return);
  ASSERT_EQ(server.writes, 1);
  const ChatServer::Message& sent = server.messages.back();
  EXPECT_EQ(sent.number, 13);
  EXPECT_EQ(sent.text, "Hi,_all_");
  EXPECT_EQ(sent.nick, "Bob");
  EXPECT_EQ(sent.city, "Oslo");
  EXPECT_EQ(sent.country, "1-035");
  EXPECT_EQ(sent.sex, "M");
  EXPECT_TRUE(sent.time.ends_with("_Quorvex")) << sent.time;
  EXPECT_EQ(sent.time.find(' '), std::string::npos);
  EXPECT_EQ(window.Panel(0)->SecondLine(), QStringLiteral("Hi, all "));
  EXPECT_FALSE(window.Panel(0)->MarkedNew());  // the player's own message is seen
  // The line is empty and waits for the next tick, Passport or not; the refresh button too.
  EXPECT_TRUE(window.MessageLine()->text().isEmpty());
  EXPECT_FALSE(window.MessageLine()->isEnabled());
  EXPECT_TRUE(window.RefreshButton()->isHidden());
  EXPECT_EQ(context.notices.newest_chat, 13);
  EXPECT_EQ(StateFile(), "13\r\n0\r\n0\r\n");
  SetModalHook([](QDialog&) { return int(QDialog::Accepted); });
  window.PassportButton()->click();
  EXPECT_FALSE(window.MessageLine()->isEnabled());
  window.FifteenSecondTick();
  EXPECT_TRUE(window.MessageLine()->isEnabled());
  EXPECT_FALSE(window.RefreshButton()->isHidden());

  // Only a passport the lists accept may write; the passport window re-judges it.
  settings.TopTenNick = "B";
  window.FifteenSecondTick();
  EXPECT_FALSE(window.MessageLine()->isEnabled());
  SetModalHook([this](QDialog&) {
    settings.TopTenNick = "\xC1\xEE\xE1";  // "Боб": Cyrillic nicks may chat
    return int(QDialog::Accepted);
  });
  window.PassportButton()->click();
  EXPECT_TRUE(window.MessageLine()->isEnabled());
  // Blanks only are no message.
  QTest::keyClicks(window.MessageLine(), QStringLiteral("   "));
  window.SendButton()->click();
  EXPECT_EQ(server.writes, 1);
}

TEST_F(ChatTest, SendingWhileTheListCannotBeRead) {
  server.Add(1, "x");
  TFormChat window(context);
  server.readable = false;
  QTest::keyClicks(window.MessageLine(), QStringLiteral("Hello"));
  window.SendButton()->click();
  EXPECT_EQ(server.writes, 0);
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0], QStringLiteral("Unable to send a message!"));
  EXPECT_EQ(window.MessageLine()->text(), QStringLiteral("Hello"));
  EXPECT_TRUE(window.MessageLine()->isEnabled());
}

TEST_F(ChatTest, ChecksSignsAndOpeningTheChatAndTheNews) {
  // At the menu: the chat state file is made with 1, 0, 0; message 2 and news 3 light both signs.
  server.Add(1, "a");
  server.Add(2, "b");
  CheckOnMenu(context);
  EXPECT_EQ(StateFile(), "1\r\n0\r\n0\r\n");
  EXPECT_TRUE(SignsShown(context).news);
  EXPECT_TRUE(SignsShown(context).chat);
  EXPECT_EQ(redraws, 1);

  // The chat opens with its sound; while it is open its sign is hidden; every message is seen.
  bool shown_while_open = true;
  int windows = 0;
  SetModalHook([&](QDialog& dialog) {
    ++windows;
    auto* chat = dynamic_cast<TFormChat*>(&dialog);
    EXPECT_NE(chat, nullptr);
    if (chat) {
      EXPECT_TRUE(chat->Panel(0)->MarkedNew());
    }
    shown_while_open = SignsShown(context).chat;
    return int(QDialog::Accepted);
  });
  ShowChat(context, nullptr);
  EXPECT_EQ(windows, 1);
  EXPECT_FALSE(shown_while_open);
  EXPECT_FALSE(SignsShown(context).chat);
  EXPECT_EQ(sounds, std::vector<std::string>{"WOpenFo"});
  EXPECT_EQ(StateFile(), "2\r\n0\r\n0\r\n");

  // Paused by the configuration file: only the message.
  context.chat_available = false;
  ShowChat(context, nullptr);
  EXPECT_EQ(windows, 1);
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0], QStringLiteral("Chat is temporarily unavailable!"));
  context.chat_available = true;

  // The news sign opens the page and the news counts as seen.
  OpenNews(context);
  EXPECT_EQ(opened, std::vector<QString>{QStringLiteral("http://127.0.0.1:1/news.html")});
  EXPECT_FALSE(SignsShown(context).news);
  EXPECT_EQ(ReadNewsSeen(folder), 3);
  // A failed news check later forgets nothing.
  server.news = "down";
  CheckNews(context);
  OpenNews(context);
  EXPECT_EQ(ReadNewsSeen(folder), 3);

  // The timer: the chat every 90th tick. A new message sounds; during a game with the option on
  // the window opens by itself.
  WriteChatState(folder, {2, false, true});
  server.Add(3, "c");
  for (int tick = 1; tick < 90; ++tick) NoticeTick(context, false, true, nullptr);
  EXPECT_FALSE(context.notices.chat_waiting);
  NoticeTick(context, false, true, nullptr);
  ASSERT_GE(sounds.size(), 2u);
  EXPECT_EQ(sounds[sounds.size() - 2], "WToMenK");
  EXPECT_EQ(sounds.back(), "WOpenFo");
  EXPECT_EQ(windows, 2);
  EXPECT_FALSE(context.notices.chat_waiting);
  // Without a game the sign is lit and the window waits for the player.
  server.Add(4, "d");
  for (int tick = 1; tick <= 90; ++tick) NoticeTick(context, true, false, nullptr);
  EXPECT_TRUE(SignsShown(context).chat);
  EXPECT_EQ(windows, 2);
}

TEST_F(ChatTest, SignsBlinkAndLookRight) {
  QWidget menu;
  menu.setFixedSize(470, 120);
  menu.setStyleSheet(QStringLiteral("background: #c0c0c0;"));
  auto* news = new NoticeSign(NoticeSign::Kind::News, &menu);
  auto* chat = new NoticeSign(NoticeSign::Kind::Chat, &menu);
  EXPECT_TRUE(news->isHidden());
  news->SetShown(true);
  EXPECT_FALSE(news->isHidden());
  const QString first = news->SirenPicture();
  news->Blink();
  EXPECT_NE(news->SirenPicture(), first);
  news->Blink();
  EXPECT_EQ(news->SirenPicture(), first);
  for (const char* picture :
       {"GNews072", "GChat072", "GSirenaB", "GSirenaR", "GNew", "GAdvGames", "GAdvSupport"}) {
    QImage image;
    EXPECT_TRUE(LoadLibraryPicture(QLatin1String(picture), QString(), image)) << picture;
  }

  news->move(6, 10);
  chat->move(108, 10);
  chat->SetShown(true);
  chat->Blink();
  auto* games = new AdvertSign(AdvertSign::Kind::OtherGames, &menu);
  auto* support = new AdvertSign(AdvertSign::Kind::SupportUs, &menu);
  games->move(212, 24);
  support->move(340, 24);
  EXPECT_EQ(support->Caption(), QStringLiteral("Support us!"));
  testing::SaveShot(menu.grab().toImage(), "menu_signs");
}

// A catalogue of `count` entries whose pictures are small SVGs.
std::string Catalogue(int count, const std::string& link = "https://games.example/") {
  char head[32];
  std::snprintf(head, sizeof head, "SecAdv0000=%03d##\r\n", count);
  std::string text = head;
  for (int k = 1; k <= count; ++k) {
    char n[8];
    std::snprintf(n, sizeof n, "%03d", k);
    text += std::string("SecAdv") + n + "I=http://127.0.0.1:1/adverts/p" + std::to_string(k) +
            ".svg##SecAdv" + n + "N=Game " + std::to_string(k) + "##SecAdv" + n + "L=" + link +
            std::to_string(k) + "##\r\n";
  }
  return text;
}

class FixedRandom : public Random {
 public:
  void Reseed() override {}
  int Below(int n) override { return n > 1 ? 1 : 0; }
};

TEST_F(ChatTest, AdvertsOfOtherGames) {
  testing::OfflineHttp http;
  std::string catalogue;
  http.answer = [&](const HttpRequest& request) {
    if (request.url.ends_with("/adverts.txt")) return Answer(catalogue);
    if (request.url.find("/adverts/") != std::string::npos) {
      // The real catalogue's pictures where the sources are at hand, a plain one otherwise.
      const fs::path name = fs::path(request.url).filename();
      std::ifstream file(fs::path(__FILE__).parent_path() / "../../server/templates/adverts" / name,
                         std::ios::binary);
      std::stringstream bytes;
      bytes << file.rdbuf();
      if (!bytes.str().empty()) return Answer(bytes.str());
      return Answer(
          "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"200\" height=\"120\">"
          "<rect width=\"200\" height=\"120\" fill=\"#2a7\"/></svg>");
    }
    return HttpReply();
  };
  FixedRandom random;
  const std::string address = "http://127.0.0.1:1/adverts.txt";

  // Three entries, or no catalogue at all: "No Connect" everywhere and nothing to click.
  for (const std::string& text : {Catalogue(3), std::string()}) {
    catalogue = text;
    TFormAdverts adverts(http, settings, random, address);
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(adverts.Slot(i)->text(), QStringLiteral("No Connect"));
      EXPECT_FALSE(adverts.Slot(i)->isEnabled());
    }
  }

  catalogue = Catalogue(5);
  {
    TFormAdverts adverts(http, settings, random, address);
    std::set<QString> names;
    for (int i = 0; i < 4; ++i) {
      names.insert(adverts.Slot(i)->text());
      EXPECT_TRUE(adverts.Slot(i)->isEnabled());
      EXPECT_FALSE(adverts.Slot(i)->icon().isNull());
    }
    EXPECT_EQ(names.size(), 4u);
    adverts.Slot(2)->click();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], adverts.SlotLink(2));
    EXPECT_TRUE(opened[0].startsWith(QStringLiteral("https://games.example/")));
  }
  // A link that is no web page never opens.
  catalogue = Catalogue(4, "javascript:alert(");
  {
    TFormAdverts adverts(http, settings, random, address);
    EXPECT_FALSE(adverts.Slot(0)->isEnabled());
    EXPECT_TRUE(adverts.SlotLink(0).isEmpty());
  }

  // The catalogue the server serves, in two designs.
  std::ifstream real(fs::path(__FILE__).parent_path() / "../../server/templates/adverts.txt",
                     std::ios::binary);
  std::stringstream real_text;
  real_text << real.rdbuf();
  catalogue = real_text.str();
  size_t base;
  while ((base = catalogue.find("{{BASE}}")) != std::string::npos)
    catalogue.replace(base, 8, "http://127.0.0.1:1");
  SetLibraryDirectory(QStringLiteral(QUORVEX_BIN_DIR));
  for (const bool purple : {false, true}) {
    settings.DialogPicture = purple;
    TFormAdverts adverts(http, settings, random, address);
    adverts.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&adverts));
    testing::SaveShot(adverts.grab().toImage(), purple ? "adverts_purple" : "adverts_grey");
  }
}

TEST_F(ChatTest, SupportUsAndTheChatInTwoDesigns) {
  {
    TFormSupport support(settings);
    EXPECT_EQ(support.windowTitle(), QStringLiteral("Support us!"));
    EXPECT_TRUE(support.WayLink(0).isEmpty());
    EXPECT_TRUE(support.WayLink(1).startsWith(QStringLiteral("mailto:")));
    EXPECT_TRUE(support.WayLink(2).startsWith(QStringLiteral("http")));
    emit support.WayText(2)->linkActivated(support.WayLink(2));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], support.WayLink(2));
  }

  for (int n = 1; n <= 12; ++n)
    server.Add(n, n % 3 ? "Good_game_everybody!"
                        : "\xCF\xF0\xE8\xE2\xE5\xF2,_\xEA\xE0\xEA_\xE4\xE5\xEB\xE0!");
  server.messages[10].nick = "\xC0\xED\xFF";  // "Аня"
  server.messages[10].city = "\xD0\xE8\xE3\xE0";
  server.messages[10].country = "1-001";
  context.notices.chat_checked = true;
  context.notices.seen_chat = 10;
  SetLibraryDirectory(QStringLiteral(QUORVEX_BIN_DIR));
  const struct {
    bool purple;
    int language;
    const char* name;
  } cases[] = {{false, 0, "grey"}, {true, 0, "purple"}, {false, 1, "russian"}};
  for (const auto& c : cases) {
    SetCurrentLanguage(c.language);
    settings.DialogPicture = c.purple;
    TFormChat chat(context);
    chat.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&chat));
    for (const QWidget* child : chat.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      if (!child->isHidden()) {
        EXPECT_GE(child->geometry().top(), chat.HeaderHeight()) << c.name;
      }
    testing::SaveShot(chat.grab().toImage(), (std::string("chat_") + c.name).c_str());
    TFormSupport support(settings);
    support.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&support));
    testing::SaveShot(support.grab().toImage(), (std::string("support_") + c.name).c_str());
  }
}

}  // namespace
}  // namespace quorvex
