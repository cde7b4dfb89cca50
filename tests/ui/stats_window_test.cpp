// The "WORLD STATS" window: the ten lines, "No Connect", and the like with its nick question.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace quorvex::testing
