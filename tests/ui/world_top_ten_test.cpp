// "World Top Ten" and the result write after an unrated cycle: what each design reads and draws,
// the failures, the pause, the refresh and the send rules; screenshots of both designs.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <fstream>

#include "records/club_file.h"
#include "support/offline_http.h"
#include "ui/art/resource_library.h"
#include "ui/dialogs/modal_run.h"
#include "ui/dialogs/notice_window.h"
#include "ui/online/list_choice_button.h"
#include "ui/online/passport_window.h"
#include "ui/online/result_write_window.h"
#include "ui/online/tour_kind_panel.h"
#include "ui/online/world_top_ten_window.h"
#include "ui/shot.h"

namespace quorvex {
namespace {

HttpReply Answer(const std::string& body) {
  HttpReply reply;
  reply.ok = true;
  reply.status = 200;
  reply.body = body;
  return reply;
}

// Types a new nick into the passport as the player does.
void TypeNick(QDialog& dialog, const QString& nick) {
  auto* passport = qobject_cast<TFormPassport*>(&dialog);
  if (!passport) return;
  passport->NickEdit()->selectAll();
  for (const QChar c : nick)
    QTest::sendKeyEvent(QTest::Click, passport->NickEdit(), Qt::Key_unknown, QString(c),
                        Qt::NoModifier);
}

bool Has(const std::string& body, const char* part) {
  return body.find(part) != std::string::npos;
}

// A records and account service with a few entries on each list.
HttpReply Services(const HttpRequest& r) {
  const std::string& b = r.body;
  if (Has(b, "kon=0"))
    return Answer("$1 Bob Oslo Norway Norway M 95.36*$2 Ann Riga Latvia Latvia W 80.5*");
  if (Has(b, "rgid=")) return Answer("$1532$");
  if (Has(b, "score=")) return Answer("$7$");
  if (Has(b, "gid=47&nick=")) return Answer("$12 40 900 Incognito 1-001 Moscow M 5.7f # #*");
  if (b == "gid=47")
    return Answer(
        "$1 1 2300 Anna 1-026 Riga W 5.7f # #*$2 5 1250 Ivan 1-001 Moscow M 5.7f # #*$3 9 -40 "
        "Zoe 3-010 Lima W 5.7f # #*");
  if (b == "gid=147") return Answer("$1 3 1800 Kim Korea Seoul M 2.1 # #*");
  if (b == "gid=347") return Answer("$1 4 3100 Bob Norway Oslo M 5.7f # #*");
  if (Has(b, "gid=347&nick=Bob")) return Answer("$1 4 3100 Bob Norway Oslo M 5.7f # #*");
  return Answer("no#");
}

class WorldTopTenTest : public ::testing::Test {
 protected:
  WorldTopTenTest() : account(http, "http://127.0.0.1:1/account.php") {
    http.answer = Services;
    session.user.Nick = "Bob";
    session.user.City = "Oslo";
    context.program_dir = dir.path().toStdString();
  }
  void TearDown() override {
    SetModalHook(nullptr);
    SetNoticeHook(nullptr);
    SetLibraryDirectory(QString());
  }
  size_t Asked(const char* part) const {
    size_t n = 0;
    for (const HttpRequest& r : http.requests) n += Has(r.body, part) ? 1 : 0;
    return n;
  }
  void Shoot(QWidget& window, const std::string& name) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    testing::SaveShot(window.grab().toImage(), name.c_str());
  }

  testing::OfflineHttp http;
  Settings settings;
  OnlineSwitches switches;
  AccountService account;
  AccountSession session;
  QTemporaryDir dir;
  WorldListsContext context{http, settings, switches, account, session, {}};
};

TEST_F(WorldTopTenTest, TheGreyDesignsListsWithTheirCountsAndOwnEntries) {
  TFormWorldTopTen window(context);
  ASSERT_FALSE(window.Purple());
  const TopTenBoard& board = *window.Board();
  // The Windows list: three entries, the rest of the ten not drawn.
  EXPECT_TRUE(window.ChoiceButton(0)->Chosen());
  EXPECT_EQ(board.RowText(0), QStringLiteral("1. Anna Riga 2300"));
  EXPECT_EQ(board.RowText(2), QStringLiteral("3. Zoe Lima -40"));
  EXPECT_EQ(board.Content().rows.size(), 3u);
  EXPECT_EQ(board.Content().rows[0].flag, "1-026");
  EXPECT_EQ(board.Content().rows[0].face, "W");
  EXPECT_EQ(board.Content().count, QStringLiteral("Number of games: 1532"));
  // The own entries under the passport.
  EXPECT_EQ(board.OwnText(0), QStringLiteral("12. Incognito 900"));
  EXPECT_EQ(board.OwnText(1), QString());
  Shoot(window, "world_top_ten_grey");

  // Android and the account: the city with the country, no flag; own entries under the account.
  window.ChoiceButton(1)->clicked();
  EXPECT_EQ(board.RowText(0), QStringLiteral("1. Kim Seoul, Korea 1800"));
  EXPECT_TRUE(board.Content().rows[0].flag.empty());
  EXPECT_FALSE(window.ChoiceButton(0)->Chosen());
  window.Choose(2);
  EXPECT_EQ(board.RowText(0), QStringLiteral("1. Bob Oslo, Norway 3100"));
  EXPECT_EQ(board.OwnText(0), QStringLiteral("1. Bob 3100"));
  EXPECT_EQ(context.list, 347);
  EXPECT_TRUE(window.ChoiceButton(2)->Chosen());
  EXPECT_FALSE(window.ChoiceButton(2)->Animating());
  EXPECT_EQ(Asked("gid=347&nick=Bob&city=Oslo"), 1u);
  Shoot(window, "world_top_ten_grey_account");

  // Without an account there is nobody to look for on its list.
  session.user.Nick.clear();
  TFormWorldTopTen again(context);
  EXPECT_EQ(again.Board()->RowText(0), QStringLiteral("1. Bob Oslo, Norway 3100"));
  EXPECT_FALSE(again.Board()->Content().own_section);
  EXPECT_EQ(Asked("gid=347&nick="), 1u);
}

TEST_F(WorldTopTenTest, NoConnectInPlaceOfTheListsAndNothingOpensWhilePaused) {
  http.answer = nullptr;
  {
    TFormWorldTopTen window(context);
    const BoardContent& c = window.Board()->Content();
    EXPECT_EQ(c.note, QStringLiteral("No Connect"));
    EXPECT_TRUE(c.rows.empty());
    EXPECT_TRUE(c.count.isEmpty());
    EXPECT_EQ(c.own_note, QStringLiteral("No Connect"));
    Shoot(window, "world_top_ten_no_connect");
  }
  http.requests.clear();
  switches.world_top_ten = false;
  QStringList notices;
  SetNoticeHook([&](const QString& line, const QString&, const QString&) { notices << line; });
  int opened = 0;
  SetModalHook([&](QDialog&) { return ++opened, int(QDialog::Accepted); });
  ShowWorldTopTen(context, nullptr);
  OfferResultWrite(context, 500, nullptr);
  EXPECT_EQ(notices,
            QStringList(2, QStringLiteral("World Top Ten Tournament is temporarily unavailable!")));
  EXPECT_EQ(opened, 0);
  EXPECT_TRUE(http.requests.empty());
}

TEST_F(WorldTopTenTest, TheRefreshButtonComesAfterTenSecondsAndReadsAgain) {
  TFormWorldTopTen window(context);
  window.show();
  EXPECT_TRUE(window.RefreshButton()->isHidden());
  EXPECT_TRUE(window.RefreshTimer()->isActive());
  EXPECT_EQ(window.RefreshTimer()->interval(), 10000);
  // The ten seconds, shortened.
  window.RefreshTimer()->start(0);
  QTRY_VERIFY(window.RefreshButton()->isVisible());
  const size_t reads = Asked("gid=47");
  window.RefreshButton()->click();
  EXPECT_GT(Asked("gid=47"), reads);
  EXPECT_TRUE(window.RefreshButton()->isHidden());
  EXPECT_TRUE(window.RefreshTimer()->isActive());
}

TEST_F(WorldTopTenTest, ThePictureDesignsCategories) {
  SetLibraryDirectory(QStringLiteral(QUORVEX_BIN_DIR));  // the purple design's pictures
  settings.DialogPicture = true;
  // Two players in the local club's top ten; the network club file is missing.
  ClubFile club = FreshClubFile();
  club.top_ten_lines[0] = TopTenLine({"Peter", 1840});
  club.top_ten_lines[1] = TopTenLine({"Mary", 920});
  std::ofstream(ClubFilePath(context.program_dir, false), std::ios::binary) << ClubFileText(club);

  context.category = 1;  // opens on the Windows list all the same
  TFormWorldTopTen window(context);
  ASSERT_TRUE(window.Purple());
  ASSERT_EQ(window.Choices(), 7);
  EXPECT_EQ(context.category, 3);
  EXPECT_TRUE(window.ChoiceButton(2)->Animating());
  EXPECT_EQ(window.Board()->Content().title, QStringLiteral("WINDOWS. SCORE. GAMES IN CYCLE"));
  EXPECT_EQ(window.Board()->RowText(0), QStringLiteral("1. Anna Riga 2300"));
  Shoot(window, "world_top_ten_purple");

  // The tournament's category, with the account's own standing read for the place line.
  window.Choose(4);
  EXPECT_EQ(context.category, 5);
  EXPECT_TRUE(window.KindPanel()->isVisibleTo(&window));

  window.Choose(0);
  EXPECT_FALSE(window.ChoiceButton(2)->Animating());
  EXPECT_TRUE(window.ChoiceButton(0)->Animating());
  EXPECT_EQ(window.Board()->Content().title, QStringLiteral("ACCOUNT. RATING. ALL GAMES"));
  EXPECT_EQ(window.Board()->RowText(0), QStringLiteral("1. Bob Oslo 95,360"));
  EXPECT_EQ(window.Board()->Content().rows[1].flag, "1-026");  // Latvia, named
  Shoot(window, "world_top_ten_purple_rating");

  window.Choose(1);
  EXPECT_EQ(window.Board()->RowText(0), QStringLiteral("1. Bob Oslo, Norway 3100"));

  window.Choose(5);
  EXPECT_EQ(window.Board()->Content().title, QStringLiteral("WINDOWS. LOCAL GAMES WITH PC"));
  EXPECT_EQ(window.Board()->RowText(0), QStringLiteral("1. Peter 1840"));
  EXPECT_EQ(window.Board()->RowText(1), QStringLiteral("2. Mary 920"));
  EXPECT_EQ(window.Board()->RowText(9), QStringLiteral("10."));
  Shoot(window, "world_top_ten_purple_club");
  window.Choose(6);
  EXPECT_EQ(window.Board()->RowText(0), QStringLiteral("1."));
  EXPECT_EQ(context.category, 7);
}

TEST_F(WorldTopTenTest, TheResultWriteSendsOnceAndShowsThePlace) {
  settings.TopTenNick = "Anna";
  settings.TopTenCity = "Riga";
  settings.TopTenCountry = "1-003";
  settings.TopTenSex = "W";
  for (const bool purple : {false, true}) {
    SetLibraryDirectory(QStringLiteral(QUORVEX_BIN_DIR));
    settings.DialogPicture = purple;
    http.requests.clear();
    TFormResultWrite window(context, 1250);
    EXPECT_EQ(window.NickText(), QStringLiteral("Anna"));
    EXPECT_EQ(window.CityText(), QStringLiteral("Riga"));
    EXPECT_EQ(window.ScoreText(), QStringLiteral("1250"));
    EXPECT_EQ(window.PlaceText(), QString());
    ASSERT_TRUE(window.SendButton()->isEnabled());
    window.SendButton()->click();
    ASSERT_EQ(http.requests.size(), 1u);
    EXPECT_EQ(http.requests[0].body,
              "gid=47&nick=Anna&city=Riga&country=1-003&score=1250&R7=W&R8=5.7f&R9=#&R10=#*");
    EXPECT_EQ(window.Place(), 7);
    EXPECT_EQ(window.PlaceText(), QStringLiteral("7"));
    EXPECT_FALSE(window.SendButton()->isEnabled());
    Shoot(window, purple ? "result_write_purple" : "result_write_grey");
  }
}

TEST_F(WorldTopTenTest, AFailedSendAndThePassportEditedFromTheWindow) {
  http.answer = nullptr;
  QStringList notices;
  SetNoticeHook([&](const QString& line, const QString&, const QString&) { notices << line; });
  TFormResultWrite window(context, 300);
  window.SendButton()->click();
  EXPECT_EQ(notices, QStringList(QStringLiteral("Unable to write the result of the game!")));
  EXPECT_TRUE(window.SendButton()->isEnabled());
  EXPECT_EQ(window.Place(), -1);

  // A Cyrillic nick typed in the passport: shown, but no longer sent from here.
  SetModalHook([](QDialog& dialog) {
    TypeNick(dialog, QString::fromUtf8("Анна"));
    return int(QDialog::Accepted);
  });
  window.PassportButton()->click();
  EXPECT_EQ(window.NickText(), QString::fromUtf8("Анна"));
  EXPECT_FALSE(window.SendButton()->isEnabled());
  SetModalHook([](QDialog& dialog) {
    TypeNick(dialog, QStringLiteral("Anna"));
    return int(QDialog::Accepted);
  });
  window.PassportButton()->click();
  EXPECT_TRUE(window.SendButton()->isEnabled());
}

}  // namespace
}  // namespace quorvex
