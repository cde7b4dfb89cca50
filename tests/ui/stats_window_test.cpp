// The "WORLD STATS" window: the ten lines, "No Connect", and the like with its nick question.
#include <gtest/gtest.h>

#include <QApplication>
#include <QInputDialog>
#include <QPushButton>

#include "locale/lang_text.h"
#include "support/offline_http.h"
#include "ui/dialogs/modal_run.h"
#include "ui/online/stats_window.h"

namespace quorvex::testing {
namespace {

HttpReply Answer(const std::string& body) {
  HttpReply reply;
  reply.ok = true;
  reply.status = 200;
  reply.body = body;
  return reply;
}

TEST(StatsWindow, TenLinesOrNoConnect) {
  OfflineHttp http;
  Settings settings;
  WorldStats stats(http, "http://127.0.0.1:1/stats.php");
  {
    TFormStats offline(stats, settings, {});
    EXPECT_EQ(offline.Line(0), QStringLiteral("Number of starts: No Connect"));
    EXPECT_EQ(offline.Line(9), QStringLiteral("Games played Online: "));
  }
  http.answer = [](const HttpRequest&) {
    return Answer("$12 5 3 Ann 40 2 700 90 8 1 0 0 0 0 0 0 0 #*");
  };
  TFormStats window(stats, settings, {});
  EXPECT_EQ(window.Line(0), QStringLiteral("Number of starts: 12"));
  EXPECT_EQ(window.Line(3), QStringLiteral("Last Like: Ann"));
  EXPECT_EQ(window.Line(4), QStringLiteral("Games played with PC: 40"));
  EXPECT_EQ(window.Line(8), QStringLiteral("Games played Net: 8"));
}

TEST(StatsWindow, ALikeAsksForANickOnceAndIsKept) {
  OfflineHttp http;
  http.answer = [](const HttpRequest& request) {
    return Answer(request.body.find("stat3") != std::string::npos
                      ? "$ ok#"
                      : "$1 1 0 # 0 0 0 0 0 0 0 0 0 0 0 0 0 #*");
  };
  Settings settings;
  ASSERT_EQ(settings.TopTenNick, "Incognito");
  WorldStats stats(http, "http://127.0.0.1:1/stats.php");
  int saved = 0;
  TFormStats window(stats, settings, [&saved] { ++saved; });
  ASSERT_TRUE(window.LikeButton()->isEnabled());
  // The first answer is no nick at all: asked again.
  std::vector<QString> answers{QStringLiteral("x"), QStringLiteral("Anna")};
  size_t asked = 0;
  SetModalHook([&](QDialog& dialog) {
    auto* ask = qobject_cast<QInputDialog*>(&dialog);
    if (!ask || asked >= answers.size()) return int(QDialog::Rejected);
    ask->setTextValue(answers[asked++]);
    return int(QDialog::Accepted);
  });
  window.LikeButton()->click();
  SetModalHook(nullptr);
  EXPECT_EQ(asked, 2u);
  EXPECT_EQ(settings.TopTenNick, "Anna");
  EXPECT_TRUE(settings.StatsVoteSent);
  EXPECT_FALSE(window.LikeButton()->isEnabled());
  EXPECT_EQ(window.Line(2), QStringLiteral("Likes: 1"));
  EXPECT_EQ(saved, 1);
  EXPECT_EQ(http.requests.back().body, "gid=47&stat3=1&stat4=Anna");
}

TEST(StatsWindow, EveryRequestUnderTheWaitCursorToTheSettingsAddress) {
  OfflineHttp http;
  std::vector<bool> waiting;
  http.answer = [&waiting](const HttpRequest& request) {
    const QCursor* cursor = QApplication::overrideCursor();
    waiting.push_back(cursor && cursor->shape() == Qt::WaitCursor);
    return Answer(request.body.find("stat3") != std::string::npos ? "$ ok#" : "$1 1 0 #*");
  };
  Settings settings;
  settings.StatsAddress.plain = "http://127.0.0.1:9/elsewhere/stats.php";
  settings.TopTenNick = "Anna";
  TFormStats window(http, settings, {});
  window.LikeButton()->click();
  ASSERT_EQ(http.requests.size(), 2u);
  for (const HttpRequest& request : http.requests)
    EXPECT_EQ(request.url, "http://127.0.0.1:9/elsewhere/stats.php");
  EXPECT_EQ(waiting, (std::vector<bool>{true, true}));
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(window.Line(3), QStringLiteral("Last Like: Anna"));
}

TEST(StatsWindow, ANickThatCannotBeSentIsAskedForAndCancelSendsNothing) {
  OfflineHttp http;
  http.answer = [](const HttpRequest&) { return Answer("$ ok#"); };
  for (const char* stored : {"Incognito", "A&stat3=9"}) {
    Settings settings;
    settings.TopTenNick = stored;
    WorldStats stats(http, "http://127.0.0.1:1/stats.php");
    TFormStats window(stats, settings, {});
    http.requests.clear();
    QString offered;
    SetModalHook([&offered](QDialog& dialog) {
      if (auto* ask = qobject_cast<QInputDialog*>(&dialog)) offered = ask->textValue();
      return int(QDialog::Rejected);
    });
    window.LikeButton()->click();
    SetModalHook(nullptr);
    EXPECT_EQ(offered, QString::fromLatin1(stored));
    EXPECT_TRUE(http.requests.empty()) << stored;
    EXPECT_FALSE(settings.StatsVoteSent);
    EXPECT_EQ(settings.TopTenNick, stored);
    EXPECT_TRUE(window.LikeButton()->isEnabled());
  }
  // A refused like changes nothing either.
  http.answer = [](const HttpRequest&) { return Answer("no"); };
  Settings settings;
  settings.TopTenNick = "Anna";
  int saved = 0;
  TFormStats window(http, settings, [&saved] { ++saved; });
  window.LikeButton()->click();
  EXPECT_TRUE(window.LikeButton()->isEnabled());
  EXPECT_FALSE(settings.StatsVoteSent);
  EXPECT_EQ(saved, 0);
}

}  // namespace
}  // namespace quorvex::testing
