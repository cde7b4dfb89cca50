// The user file that remembers the login, and the automatic login at start-up that reads it.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "account_fakes.h"
#include "online/account_login.h"
#include "online/user_file.h"
#include "state_folder.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;
using testing::Answer;
using testing::NoAnswer;
using testing::QueuedClient;

class UserFileTest : public testing::StateFolderTest {
 protected:
  UserFileTest() : StateFolderTest("quorvex-user-") {}
  void Put(const std::string& bytes) const { StateFolderTest::Put("ZefUser.zef", bytes); }
  std::string Get() const { return StateFolderTest::Get("ZefUser.zef"); }
};

TEST_F(UserFileTest, RoundTripInWindows1251WithCrLf) {
  const UserFileLogin login{"Вася", EncipherPassword("se cr$t")};
  ASSERT_TRUE(WriteUserFile(dir, login));
  EXPECT_EQ(Get(), "Zef User File\r\n\xC2\xE0\xF1\xFF\r\n" + login.PwC + "\r\n");
  EXPECT_EQ(ReadUserFile(dir), login);
  EXPECT_EQ(DecipherPassword(ReadUserFile(dir)->PwC), "se cr$t");
  // The password in it can be deciphered: a new file is its owner's only.
  struct stat info {};
  ASSERT_EQ(::stat((dir / "ZefUser.zef").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);

  ASSERT_TRUE(WriteUserFile(dir, {"Bob\r\nx", "abc"}));
  EXPECT_EQ(ReadUserFile(dir), (UserFileLogin{"Bob  x", "abc"}));
  EXPECT_TRUE(RemoveUserFile(dir));
  EXPECT_EQ(ReadUserFile(dir), std::nullopt);
  EXPECT_TRUE(RemoveUserFile(dir));
  EXPECT_FALSE(WriteUserFile(dir / "missing", login));
}

TEST_F(UserFileTest, OnlyAFileWithTheHeaderCounts) {
  struct Case {
    const char* bytes;
    std::optional<UserFileLogin> login;
  } const cases[] = {
      {"Zef User File\nBob\nabc\n", UserFileLogin{"Bob", "abc"}},
      {"Zef User File\r\nBob", UserFileLogin{"Bob", ""}},
      {"Zef User File", UserFileLogin{"", ""}},
      {"Zef User File 2\r\nBob\r\nabc\r\n", std::nullopt},
      {"zef user file\r\nBob\r\nabc\r\n", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) {
    Put(c.bytes);
    EXPECT_EQ(ReadUserFile(dir), c.login) << c.bytes;
  }
  EXPECT_EQ(DecipherPassword("not*enciphered"), "");
}

TEST_F(UserFileTest, AutomaticLoginSendsTheStoredPasswordWithDashes) {
  ASSERT_TRUE(WriteUserFile(dir, {"Bob", EncipherPassword("a b$c#")}));
  QueuedClient client;
  AccountService service(client, "http://127.0.0.1:1/account.php");
  AccountSession session;
  session.state = AccountState::LoggedIn;
  client.replies.push_back(Answer("$Oslo Norway 3-001 M bob@x.no 01.01.2024 x x x 40 0 0$"));
  AutomaticLogin(service, dir, session);
  ASSERT_EQ(client.requests.size(), 1u);
  EXPECT_EQ(client.requests[0].body, "nick=Bob&&pw=a-b-c-&&label0=0");
  EXPECT_EQ(session.state, AccountState::LoggedIn);
  EXPECT_EQ(session.user.Pw, "a-b-c-");
  EXPECT_EQ(session.user.PwC, EncipherPassword("a-b-c-"));
  EXPECT_EQ(session.user.City, "Oslo");
  EXPECT_EQ(session.user.R04, 40);

  SignOut(session);
  EXPECT_EQ(session.state, AccountState::NotLoggedIn);
  EXPECT_EQ(session.user.R04, 0);

  // A failed login still becomes the member, with the login's defaults.
  client.replies.push_back(NoAnswer());
  AutomaticLogin(service, dir, session);
  EXPECT_EQ(session.state, AccountState::NotLoggedIn);
  EXPECT_EQ(session.user.Nick, "Bob");
  EXPECT_EQ(session.user.City, "#");

  // A file with another header is ignored: nothing is sent and the state is 1.
  Put("Zef User Files\r\nBob\r\n" + EncipherPassword("abcd") + "\r\n");
  session.state = AccountState::LoggedIn;
  AutomaticLogin(service, dir, session);
  EXPECT_EQ(client.requests.size(), 2u);
  EXPECT_EQ(session.state, AccountState::NotLoggedIn);
}

}  // namespace
}  // namespace quorvex
