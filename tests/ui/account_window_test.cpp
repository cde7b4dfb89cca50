// The club's account window against an account service in memory: what it reads as it opens,
// the rules of its buttons, creating an account, logging in and out, the user file, the Zefs,
// the profile editor and the President's lines.
#include <gtest/gtest.h>

#include <unistd.h>
#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <fstream>

#include "account_server_fake.h"
#include "locale/lang_text.h"
#include "online/user_file.h"
#include "shot.h"
#include "ui/art/resource_library.h"
#include "ui/dialogs/modal_run.h"
#include "ui/online/account_pictures.h"
#include "ui/online/account_window.h"
#include "ui/online/browser_open.h"
#include "ui/online/profile_editor.h"
#include "ui/online/profile_view.h"

namespace quorvex {
namespace {

using testing::FakeAccountServer;

std::string Jpeg(QSize size, QColor colour, const char* format = "JPEG") {
  QImage image(size, QImage::Format_RGB32);
  image.fill(colour);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format);
  return bytes.toStdString();
}

// Typed key by key, as a player types (the window drops keys a field cannot hold).
void Type(QLineEdit* box, const QString& text) {
  box->selectAll();
  for (const QChar c : text)
    QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

class AccountWindowTest : public ::testing::Test {
 protected:
  AccountWindowTest() {
    SetCurrentLanguage(0);
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    SetBrowserHook([this](const QUrl& address) { opened.push_back(address.toString()); });

    FakeAccountServer::Member ann;
    ann.pw = "annpass";
    ann.sex = "W";
    ann.balance = 50;
    ann.profile =
        "Ann~Berg~I play bridge~47 1234~ann@club.no~ann.no~ann.skype~ok.ru/ann~vk.com/ann~"
        "@ann~javascript:alert(1)~x.com/ann~instagram.com/ann~youtube.com/ann";
    server.members["Ann"] = ann;
    FakeAccountServer::Member bob;
    bob.pw = "secret";
    bob.balance = 120;
    bob.record = "20 900 95.36 4 8 300 0 #";
    bob.profile = "Bob~Lund~~~~~~~~~~~~";
    bob.photo = Jpeg(QSize(200, 250), Qt::blue);
    server.members["Bob"] = bob;
    server.top_ten = "$1 Ann Bergen 1-029 Norway W 120.5*$2 Bob Oslo 1-029 Norway M 95.36*";
  }
  ~AccountWindowTest() override {
    SetBrowserHook({});
    SetModalHook({});
    std::filesystem::remove_all(folder);
  }

  // Bob, logged in as the automatic login leaves him.
  void LoggedIn(AccountState state = AccountState::LoggedIn) {
    session.state = state;
    session.user.Nick = "Bob";
    session.user.Pw = "secret";
    session.user.R04 = 120;
  }

  std::vector<std::string> Messages() const {
    std::vector<std::string> messages;
    for (const std::string& note : hooks.notes)
      if (note.rfind("message ", 0) == 0) messages.push_back(note.substr(8));
    return messages;
  }

  FakeAccountServer server;
  AccountService service{server, "http://127.0.0.1:1/account.php"};
  AccountSession session;
  testing::NotedHooks hooks;
  Settings settings;
  std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                 ("quorvex-account-window-" + std::to_string(::getpid()));
  std::vector<QString> opened;
  std::vector<std::string> uploads;
  AccountContext context{service,
                         session,
                         hooks,
                         server,
                         "http://127.0.0.1:1/avatars/",
                         "http://127.0.0.1:1/pay.php?sum=",
                         "http://127.0.0.1:1/records.php",
                         folder,
                         settings,
                         [this](const std::string& nick, const std::string& password,
                                const std::filesystem::path& jpeg) {
                           uploads.push_back(nick + " " + password + " " + jpeg.string());
                           std::ifstream in(jpeg, std::ios::binary);
                           const std::string bytes((std::istreambuf_iterator<char>(in)), {});
                           server.members[nick].photo = bytes;
                           return !upload_fails;
                         }};
  bool upload_fails = false;
};

TEST_F(AccountWindowTest, OpensWithTheClubsListsAndTheAccount) {
  LoggedIn();
  session.game.KonL = 16;
  TFormAccount window(context, false);
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Quorvex Players' Club"));
  const char* const results[] = {"Quorvex", "Bob", "95,360", "5", "20", "900", "4", "8", "300"};
  for (int line = 0; line < 9; ++line) EXPECT_EQ(window.ResultValue(line), results[line]) << line;
  EXPECT_EQ(window.ResultsNote(), QString());
  EXPECT_EQ(session.game.KonL, 8);  // no match runs: the session holds the record read
  EXPECT_EQ(window.TopTenLine(1), QStringLiteral("Ann, Bergen, 120,500"));
  EXPECT_EQ(window.TopTenLine(2), QStringLiteral("Bob, Oslo, 95,360"));
  EXPECT_EQ(window.TopTenLine(3), QString());
  EXPECT_EQ(window.MembersText(), QStringLiteral("Club members: 1234"));
  EXPECT_EQ(window.BalanceText(), QStringLiteral("Balance: 120 Zefs"));
  // Bob's own photo and profile; Ann, first of the list, is the President, without a photo.
  EXPECT_GE(window.OwnPhoto().pixelColor(100, 125).blue(), 250);
  EXPECT_EQ(session.user.Info.Name2, "Lund");
  EXPECT_EQ(window.OwnProfile()->LineText(1), QStringLiteral("Lund"));
  EXPECT_EQ(window.PresidentNick(), QStringLiteral("Ann"));
  EXPECT_EQ(window.PresidentProfile()->LineText(3), QStringLiteral("47 1234"));
  EXPECT_EQ(window.PresidentPhoto(), NoPhotoPicture('W'));
  EXPECT_FALSE(window.PresidentPhoto().isNull());
  EXPECT_FALSE(window.AccountStateOrNickChanged());
}

TEST_F(AccountWindowTest, WithoutALoginShowsTheNewMembersDefaults) {
  // A failed automatic login leaves "#" in the account.
  session.user.Nick = "Bob";
  session.user.Pw = "wrong";
  session.user.City = session.user.EMail = session.user.Country2 = "#";
  session.user.Sex = '#';
  TFormAccount window(context, false);
  EXPECT_EQ(window.NickEdit()->text(), QStringLiteral("Bob"));
  EXPECT_EQ(window.CityEdit()->text(), QString());
  EXPECT_EQ(window.EMailEdit()->text(), QString());
  EXPECT_EQ(window.FieldText("country"), QStringLiteral("Russia"));
  EXPECT_EQ(window.FieldText("date"), QStringLiteral("00.00.0000"));
  EXPECT_EQ(session.user.Country2, "1-001");
  EXPECT_EQ(window.RegionList()->currentIndex(), 0);
  EXPECT_EQ(window.CountryList()->currentIndex(), 1);
  EXPECT_EQ(window.SexList()->currentText(), QStringLiteral("Man"));
  EXPECT_TRUE(window.HidePasswordBox()->isChecked());
  EXPECT_EQ(window.PasswordEdit()->echoMode(), QLineEdit::Password);
  // Nothing of a member is asked; the lists and the President are.
  EXPECT_EQ(server.Asked("qvrx02best"), 0);
  EXPECT_EQ(server.Asked("labelinforead"), 1);
  EXPECT_EQ(window.ResultValue(1), QString());
  EXPECT_EQ(window.ResultsNote(), QStringLiteral("Log in to your account!"));
  EXPECT_EQ(window.TopTenLine(1), QStringLiteral("Ann, Bergen, 120,500"));
}

TEST_F(AccountWindowTest, AServiceThatDoesNotAnswerShowsNoConnect) {
  LoggedIn();
  server.online = false;
  TFormAccount window(context, false);
  EXPECT_EQ(window.ResultsNote(), QStringLiteral("No Connect"));
  EXPECT_EQ(window.ResultValue(2), QString());
  EXPECT_EQ(window.TopTenNote(), QStringLiteral("No Connect"));
  EXPECT_EQ(window.MembersText(), QStringLiteral("No Connect"));
  EXPECT_EQ(window.OwnPhoto(), NoPhotoPicture('M'));
  EXPECT_EQ(session.state, AccountState::LoggedIn);
  EXPECT_TRUE(Messages().empty());
}

TEST_F(AccountWindowTest, ButtonsFollowTheStateTheFieldsAndARunningMatch) {
  struct Case {
    AccountState state;
    bool rated_start, running, user_file;
    const char *nick, *password, *city, *email;
    bool create, login;
    const char* login_caption;
    bool play, play_ticked, inputs, erase;
  } const cases[] = {
      {AccountState::NotLoggedIn, false, false, false, "Bob", "secret", "Oslo", "b@x.no",  //
       true, true, "Login to account", false, false, true, false},
      {AccountState::NotLoggedIn, true, false, true, "B", "secret", "Oslo", "b@x.no",  //
       false, false, "Login to account", false, false, true, true},
      {AccountState::NotLoggedIn, false, false, false, "Bob", "abc", "Oslo", "b@x.no",  //
       false, false, "Login to account", false, false, true, false},
      {AccountState::NotLoggedIn, false, false, false, "Bob", "secret", "Москва", "b@x.no",  //
       true, true, "Login to account", false, false, true, false},
      {AccountState::NotLoggedIn, false, false, false, "Bob", "secret", "Oslo", "b@",  //
       false, true, "Login to account", false, false, true, false},
      {AccountState::LoggedIn, false, false, true, nullptr, nullptr, nullptr, nullptr,  //
       false, true, "Sign out", false, false, false, true},
      {AccountState::LoggedIn, true, false, false, nullptr, nullptr, nullptr, nullptr,  //
       false, true, "Sign out", true, false, false, false},
      {AccountState::RatingGame, true, false, false, nullptr, nullptr, nullptr, nullptr,  //
       false, true, "Sign out", true, true, false, false},
      {AccountState::RatingGame, true, true, true, nullptr, nullptr, nullptr, nullptr,  //
       false, false, "Sign out", false, true, false, false},
  };
  for (const Case& c : cases) {
    session = AccountSession{};
    if (c.state != AccountState::NotLoggedIn) LoggedIn(c.state);
    session.rated_match_running = c.running;
    if (c.user_file) {
      ASSERT_TRUE(WriteUserFile(folder, UserFileLogin{"Bob", EncipherPassword("secret")}));
    } else {
      RemoveUserFile(folder);
    }
    TFormAccount window(context, c.rated_start);
    window.show();
    const std::string name = std::string(c.nick ? c.nick : "Bob") + " state " +
                             std::to_string(int(c.state)) + (c.running ? " running" : "");
    if (c.nick) {
      Type(window.NickEdit(), QString::fromUtf8(c.nick));
      Type(window.PasswordEdit(), QString::fromUtf8(c.password));
      Type(window.CityEdit(), QString::fromUtf8(c.city));
      Type(window.EMailEdit(), QString::fromUtf8(c.email));
      EXPECT_EQ(session.user.City, c.city) << name;
    }
    EXPECT_EQ(window.CreateButton()->isEnabled(), c.create) << name;
    EXPECT_EQ(window.LoginButton()->isEnabled(), c.login) << name;
    EXPECT_EQ(window.LoginButton()->text().toStdString(), c.login_caption) << name;
    EXPECT_EQ(window.PlayRatingBox()->isEnabled(), c.play) << name;
    EXPECT_EQ(window.PlayRatingBox()->isChecked(), c.play_ticked) << name;
    EXPECT_EQ(window.NickEdit()->isEnabled(), c.inputs) << name;
    EXPECT_EQ(window.CountryList()->isEnabled(), c.inputs) << name;
    // Save only after an edit; Delete only while a user file is there.
    EXPECT_EQ(window.SaveButton()->isEnabled(), c.nick != nullptr) << name;
    EXPECT_EQ(window.DeleteButton()->isEnabled(), c.erase) << name;
    const bool in = c.state != AccountState::NotLoggedIn;
    EXPECT_EQ(window.TransferButton()->isEnabled(), in) << name;
    EXPECT_EQ(window.EditProfileButton()->isEnabled(), in) << name;
    EXPECT_EQ(window.ResultsRefreshButton()->isEnabled(), in) << name;
  }
}

TEST_F(AccountWindowTest, KeysAFieldCannotHoldAreDropped) {
  TFormAccount window(context, false);
  window.show();
  Type(window.NickEdit(), QString::fromUtf8("Bo b?Я_1"));
  EXPECT_EQ(window.NickEdit()->text(), QStringLiteral("Bob_1"));
  EXPECT_EQ(window.Lamp(AccountField::Nick), 3);
  Type(window.CityEdit(), QString::fromUtf8("Рига"));
  EXPECT_EQ(window.CityEdit()->text(), QString::fromUtf8("Рига"));
  EXPECT_EQ(window.Lamp(AccountField::City), 2);
  Type(window.EMailEdit(), QStringLiteral("me@"));
  EXPECT_EQ(window.Lamp(AccountField::EMail), 1);
  // Every edit is in the account at once, the password enciphered as well.
  Type(window.PasswordEdit(), QStringLiteral("pass word"));
  EXPECT_EQ(session.user.Pw, "password");
  EXPECT_EQ(DecipherPassword(session.user.PwC), "password");
  window.RegionList()->setCurrentIndex(2);
  EXPECT_EQ(session.user.Country2, "3-000");
  window.CountryList()->setCurrentIndex(1);
  EXPECT_EQ(session.user.Country2, "3-001");
  EXPECT_EQ(window.FieldText("country").toStdString(), session.user.Country1);
  window.SexList()->setCurrentIndex(1);
  EXPECT_EQ(session.user.Sex, 'W');
  window.HidePasswordBox()->setChecked(false);
  EXPECT_EQ(window.PasswordEdit()->echoMode(), QLineEdit::Normal);
}

TEST_F(AccountWindowTest, CreatesAnAccount) {
  struct Case {
    const char* nick;
    bool online;
    const char* message;
    AccountState state;
  } const cases[] = {
      {"Carl", true, "Your account has been successfully created!", AccountState::LoggedIn},
      {"Ann", true, "The club already has a player with the same Nick!", AccountState::NotLoggedIn},
      {"Dora", false, "Could not create account!", AccountState::NotLoggedIn},
  };
  for (const Case& c : cases) {
    session = AccountSession{};
    hooks.notes.clear();
    server.online = true;
    TFormAccount window(context, true);
    window.show();
    Type(window.NickEdit(), QString::fromLatin1(c.nick));
    Type(window.PasswordEdit(), QStringLiteral("pass12"));
    Type(window.CityEdit(), QStringLiteral("Brno"));
    Type(window.EMailEdit(), QStringLiteral("me@mail.cz"));
    ASSERT_TRUE(window.CreateButton()->isEnabled()) << c.nick;
    server.online = c.online;
    const size_t logins = size_t(server.Asked("label0"));
    window.CreateButton()->click();
    EXPECT_EQ(Messages(), std::vector<std::string>{c.message}) << c.nick;
    EXPECT_EQ(session.state, c.state) << c.nick;
    if (c.state == AccountState::LoggedIn) {
      // Registered with today's date, then logged in (never into a rated game) and read.
      EXPECT_EQ(server.members["Carl"].dater,
                QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")).toStdString());
      EXPECT_EQ(server.members["Carl"].city, "Brno");
      EXPECT_EQ(size_t(server.Asked("label0")), logins + 1);
      EXPECT_EQ(window.ResultValue(1), QStringLiteral("Carl"));
      EXPECT_EQ(window.LoginButton()->text(), QStringLiteral("Sign out"));
      EXPECT_FALSE(window.NickEdit()->isEnabled());
    } else {
      EXPECT_EQ(session.user.DateR, "00.00.0000") << c.nick;
      EXPECT_EQ(window.FieldText("date"), QStringLiteral("00.00.0000")) << c.nick;
      EXPECT_TRUE(window.CreateButton()->isEnabled()) << c.nick;
    }
  }
}

TEST_F(AccountWindowTest, LogsInToTheStateTheWindowWasOpenedForAndSignsOut) {
  for (const bool rated_start : {false, true}) {
    session = AccountSession{};
    hooks.notes.clear();
    TFormAccount window(context, rated_start);
    window.show();
    Type(window.NickEdit(), QStringLiteral("Bob"));
    Type(window.PasswordEdit(), QStringLiteral("wrong1"));
    window.LoginButton()->click();
    EXPECT_EQ(Messages(), std::vector<std::string>{"Login failed!"});
    EXPECT_EQ(session.state, AccountState::NotLoggedIn);

    Type(window.PasswordEdit(), QStringLiteral("secret"));
    window.LoginButton()->click();
    EXPECT_EQ(session.state, rated_start ? AccountState::RatingGame : AccountState::LoggedIn);
    EXPECT_TRUE(window.AccountStateOrNickChanged());
    EXPECT_EQ(session.user.City, "Oslo");
    EXPECT_EQ(session.user.R04, 120);
    EXPECT_EQ(window.ResultValue(2), QStringLiteral("95,360"));
    EXPECT_EQ(window.OwnProfile()->LineText(0), QStringLiteral("Bob"));
    EXPECT_EQ(window.LoginButton()->text(), QStringLiteral("Sign out"));
    EXPECT_EQ(window.PlayRatingBox()->isChecked(), rated_start);
    if (rated_start) {
      window.PlayRatingBox()->setChecked(false);
      EXPECT_EQ(session.state, AccountState::LoggedIn);
      window.PlayRatingBox()->setChecked(true);
      EXPECT_EQ(session.state, AccountState::RatingGame);
    }

    window.LoginButton()->click();
    EXPECT_EQ(session.state, AccountState::NotLoggedIn);
    EXPECT_EQ(session.user.R04, 0);
    EXPECT_EQ(window.LoginButton()->text(), QStringLiteral("Login to account"));
    EXPECT_TRUE(window.NickEdit()->isEnabled());
    EXPECT_FALSE(window.PlayRatingBox()->isEnabled());
    EXPECT_EQ(window.ResultsNote(), QStringLiteral("Log in to your account!"));
  }
}

TEST_F(AccountWindowTest, TheCallerLearnsWhetherTheLampAndMenuMustBeRedrawn) {
  struct Case {
    AccountState state;
    void (*player)(TFormAccount&);
    bool changed;
  } const cases[] = {
      {AccountState::LoggedIn, [](TFormAccount&) {}, false},
      {AccountState::LoggedIn, [](TFormAccount& w) { w.LoginButton()->click(); }, true},
      {AccountState::NotLoggedIn, [](TFormAccount& w) { Type(w.NickEdit(), "Bobby"); }, true},
      {AccountState::NotLoggedIn, [](TFormAccount& w) { Type(w.CityEdit(), "Oslo"); }, false},
  };
  for (const Case& c : cases) {
    session = AccountSession{};
    LoggedIn(c.state);
    SetModalHook([&](QDialog& dialog) {
      auto& window = dynamic_cast<TFormAccount&>(dialog);
      window.show();
      c.player(window);
      return int(QDialog::Accepted);
    });
    EXPECT_EQ(ShowAccountWindow(context, false, nullptr), c.changed) << int(c.state);
  }
}

TEST_F(AccountWindowTest, SavesAndDeletesTheUserFile) {
  TFormAccount window(context, false);
  window.show();
  EXPECT_FALSE(window.SaveButton()->isEnabled());
  EXPECT_FALSE(window.DeleteButton()->isEnabled());
  Type(window.NickEdit(), QStringLiteral("Bob"));
  Type(window.PasswordEdit(), QStringLiteral("secret"));
  ASSERT_TRUE(window.SaveButton()->isEnabled());
  window.SaveButton()->click();
  const std::optional<UserFileLogin> written = ReadUserFile(folder);
  ASSERT_TRUE(written);
  EXPECT_EQ(written->Nick, "Bob");
  EXPECT_EQ(DecipherPassword(written->PwC), "secret");
  EXPECT_FALSE(window.SaveButton()->isEnabled());
  ASSERT_TRUE(window.DeleteButton()->isEnabled());
  window.DeleteButton()->click();
  EXPECT_FALSE(ReadUserFile(folder));
  EXPECT_FALSE(window.DeleteButton()->isEnabled());
  EXPECT_TRUE(window.SaveButton()->isEnabled());
}

TEST_F(AccountWindowTest, ARunningRatedMatchKeepsItsRecord) {
  LoggedIn(AccountState::RatingGame);
  session.rated_match_running = true;
  session.game.KonL = 16;
  TFormAccount window(context, true);
  EXPECT_EQ(window.ResultValue(7), QStringLiteral("8"));  // as the server holds it
  EXPECT_EQ(session.game.KonL, 16);
}

TEST_F(AccountWindowTest, ZefsTransferAndRefill) {
  LoggedIn();
  TFormAccount window(context, false);
  window.show();
  // More than the balance, or nothing: refused before any request.
  for (const auto& [amount, message] : {std::pair{500, "You do not have enough Zefs to transfer!"},
                                        std::pair{0, "I can not make an empty transfer!"}}) {
    hooks.notes.clear();
    const size_t asked = server.requests.size();
    window.RecipientEdit()->setText(QStringLiteral("Ann"));
    window.AmountBox()->setValue(amount);
    window.TransferButton()->click();
    EXPECT_EQ(hooks.notes, std::vector<std::string>{std::string("message ") + message});
    EXPECT_EQ(server.requests.size(), asked);
  }
  hooks.notes.clear();
  hooks.answers = {true};
  window.AmountBox()->setValue(20);
  window.TransferButton()->click();
  EXPECT_EQ(hooks.notes, (std::vector<std::string>{
                             "ask Do you really want to transfer to a club member \"Ann\" 20 Zefs?",
                             "message Transfer is successful!"}));
  EXPECT_EQ(server.members["Ann"].balance, 70);
  EXPECT_EQ(server.members["Bob"].balance, 100);
  EXPECT_EQ(window.BalanceText(), QStringLiteral("Balance: 100 Zefs"));

  server.members["Bob"].balance = 130;
  window.ZefsRefreshButton()->click();
  EXPECT_EQ(window.BalanceText(), QStringLiteral("Balance: 130 Zefs"));

  hooks.notes.clear();
  window.AddZefsButton()->click();
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Bob#Refill"));
  EXPECT_EQ(Messages(), std::vector<std::string>{
                            "Add a comment when you pay, simply by inserting it from the "
                            "clipboard!\n\rIn case of payment, Zefs will be credited to the "
                            "account within 24 hours."});
  EXPECT_EQ(opened, std::vector<QString>{QStringLiteral("http://127.0.0.1:1/pay.php?sum=100")});
}

TEST_F(AccountWindowTest, ThePresidentsLinesCopyOrOpen) {
  TFormAccount window(context, false);
  TProfileView* president = window.PresidentProfile();
  QApplication::clipboard()->clear();
  president->Line(0)->click();  // a name does nothing
  president->Line(3)->click();  // the telephone
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("47 1234"));
  EXPECT_EQ(Messages(), std::vector<std::string>{"Copied to clipboard!"});
  president->Line(9)->click();  // Telegram
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("@ann"));
  president->Line(6)->click();   // the web site
  president->Line(10)->click();  // a script is no address
  president->Line(13)->click();
  EXPECT_EQ(opened, (std::vector<QString>{QStringLiteral("https://ann.no"),
                                          QStringLiteral("https://youtube.com/ann")}));
  EXPECT_EQ(Messages().size(), 2u);
}

TEST(MemberWebAddress, OnlyWebPagesOpen) {
  struct Case {
    const char* text;
    const char* address;
  } const cases[] = {
      {"ann.no", "https://ann.no"},
      {"http://ann.no/x?y=1", "http://ann.no/x?y=1"},
      {" HTTPS://vk.com/ann ", "https://vk.com/ann"},
      {"site.org:8080/page", "https://site.org:8080/page"},
      {"javascript:alert(1)", ""},
      {"file:///etc/passwd", ""},
      {"mailto:a@b.c", ""},
      {"two words", ""},
      {"", ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(MemberWebAddress(QString::fromLatin1(c.text)).toString(),
              QString::fromLatin1(c.address))
        << c.text;
}

TEST_F(AccountWindowTest, TheProfileEditorChecksThePhotoSendsItAndSavesTheLines) {
  LoggedIn();
  const std::filesystem::path small = folder / "small.jpg", png = folder / "photo.png",
                              good = folder / "good.jpg";
  for (const auto& [path, bytes] : {std::pair{small, Jpeg(QSize(100, 125), Qt::red)},
                                    std::pair{png, Jpeg(QSize(200, 250), Qt::red, "PNG")},
                                    std::pair{good, Jpeg(QSize(200, 250), Qt::green)}}) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  TFormAccount window(context, false);
  const int president_reads = server.Asked("labelinforead");
  bool edited = false;
  SetModalHook([&](QDialog& dialog) -> int {
    auto* editor = dynamic_cast<TFormProfile*>(&dialog);
    if (!editor) return int(QDialog::Rejected);
    testing::SaveShot(editor->grab().toImage(), "account_profile_editor");
    for (const std::filesystem::path& wrong : {small, png, folder / "missing.jpg"}) {
      hooks.notes.clear();
      EXPECT_FALSE(editor->ChoosePhoto(QString::fromStdString(wrong.string()))) << wrong;
      EXPECT_EQ(Messages(), std::vector<std::string>{
                                "The photo must be in jpg format 200x250 pixels in size!"});
      EXPECT_FALSE(editor->RefreshPhotoButton()->isEnabled());
    }
    EXPECT_TRUE(editor->ChoosePhoto(QString::fromStdString(good.string())));
    EXPECT_TRUE(editor->RefreshPhotoButton()->isEnabled());
    hooks.notes.clear();
    upload_fails = true;
    editor->RefreshPhotoButton()->click();
    EXPECT_EQ(Messages(), std::vector<std::string>{"Failed to upload photo to server!"});
    EXPECT_TRUE(editor->RefreshPhotoButton()->isEnabled());
    upload_fails = false;
    editor->RefreshPhotoButton()->click();
    EXPECT_EQ(uploads.back(), "Bob secret " + good.string());
    EXPECT_FALSE(editor->RefreshPhotoButton()->isEnabled());
    EXPECT_GE(editor->Photo().pixelColor(100, 125).green(), 250);

    editor->Box(2)->setText(QStringLiteral("Cost $5~10"));
    editor->UpdateInfoButton()->click();
    EXPECT_FALSE(editor->UpdateInfoButton()->isEnabled());
    edited = true;
    return int(QDialog::Accepted);
  });
  window.EditProfileButton()->click();
  ASSERT_TRUE(edited);
  EXPECT_EQ(server.members["Bob"].profile, "Bob~Lund~Cost  5 10~~~~~~~~~~~");
  EXPECT_EQ(session.user.Info.About, "Cost  5 10");
  EXPECT_EQ(window.OwnProfile()->LineText(2), QStringLiteral("Cost  5 10"));
  EXPECT_GE(window.OwnPhoto().pixelColor(100, 125).green(), 250);
  // Closing the editor reads the President again: the player may be the President.
  EXPECT_EQ(server.Asked("labelinforead"), president_reads + 2);
}

TEST_F(AccountWindowTest, EveryTabInTwoDesignsAndInRussian) {
  LoggedIn(AccountState::RatingGame);
  TZefUser& bob = session.user;
  bob.City = "Oslo";
  bob.Country1 = "Norway";
  bob.Country2 = "1-035";
  bob.EMail = "bob@club.no";
  bob.DateR = "01.02.2023";
  SetLibraryDirectory(QStringLiteral(QUORVEX_BIN_DIR));  // the purple design's pictures
  struct Case {
    bool purple;
    int language;
    const char* name;
  } const cases[] = {{false, 0, "grey"}, {true, 0, "purple"}, {false, 1, "russian"}};
  for (const Case& c : cases) {
    SetCurrentLanguage(c.language);
    settings.DialogPicture = c.purple;
    TFormAccount window(context, true);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.Design() == DialogDesign::Purple, c.purple);
    for (const QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      EXPECT_GE(child->geometry().top(), window.HeaderHeight()) << c.name;
    for (int tab = 0; tab < window.Tabs()->count(); ++tab) {
      window.Tabs()->setCurrentIndex(tab);
      testing::SaveShot(window.grab().toImage(),
                        ("account_" + std::string(c.name) + "_" + std::to_string(tab)).c_str());
    }
  }
  SetCurrentLanguage(0);
  SetLibraryDirectory(QString());
}

}  // namespace
}  // namespace quorvex
