// The members' pictures by FTP: the server's door lets each member store its own picture, and
// only a 200 x 250 JPEG is then served.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "online/avatar.h"
#include "online/service_request.h"
#include "platform/curl_ftp_upload.h"
#include "platform/curl_http_client.h"
#include "server/test_server.h"

namespace quorvex {
namespace {

std::string Jpeg(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::darkGreen);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "JPG");
  return bytes.toStdString();
}

// Stores the bytes as the file by the game's own upload, logged in as the user; whether it went
// through.
bool FtpStore(quint16 port, const std::string& user, const std::string& password,
              const std::string& file, const std::string& data) {
  QTemporaryDir dir;
  const std::filesystem::path path = std::filesystem::path(dir.path().toStdString()) / "upload.jpg";
  std::ofstream(path, std::ios::binary) << data;
  std::string error;
  return FtpUpload("ftp://127.0.0.1:" + std::to_string(port) + "/", user, password, path, file,
                   &error);
}

TEST(AvatarUpload, OwnPictureOnlyAndOnlyOfTheRightSize) {
  if (OnPostgres()) EmptyPostgres();
  const quint16 ftp = FreePort();
  Server server({QStringLiteral("--ftp"), QStringLiteral("127.0.0.1:%1").arg(ftp)});
  ASSERT_TRUE(server.Started()) << server.Process().readAllStandardError().toStdString();
  CurlHttpClient http;
  for (const char* nick : {"Anna", "Boris", "Mr.X"})
    ASSERT_EQ(PostBody(http, server.Url("/account.php"),
                       JoinBody({std::string("nick=") + nick, "pw=secret1", "city=Riga",
                                 "country1=Latvia", "country2=1-026", "sex=W", "email=a@b.lv",
                                 "dater=05.03.2024", "R01=xxx", "R02=xxx", "R03=xxx", "R04=0",
                                 "R05=0", "R06=0"}))
                  .body,
              "$ ok#");
  const std::string picture = Jpeg(200, 250);
  const std::string base = server.Url("/avatars/");
  const struct {
    const char *user, *password, *file;
    std::string data;
    bool stored;
    const char* served;  // the nick whose picture is then served, if any
  } cases[] = {
      {"Anna", "secret1", "Anna.jpg", picture, true, "Anna"},
      {"Mr.X", "secret1", "Mr.X.jpg", picture, true, "Mr.X"},
      {"Anna", "secret1", "Boris.jpg", picture, false, nullptr},  // another's name
      {"Anna", "secret2", "Anna.jpg", picture, false, nullptr},   // wrong password
      {"Boris", "secret1", "Boris.jpg", Jpeg(250, 200), true, nullptr},
      {"Boris", "secret1", "Boris.jpg", "not a picture", true, nullptr},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FtpStore(ftp, c.user, c.password, c.file, c.data), c.stored) << c.user << c.file;
    // Read as the game reads it, but for any nick the account rules admit.
    if (c.served) {
      EXPECT_TRUE(GetAddress(http, base + c.served + ".jpg").body == picture) << c.served;
    }
  }
  EXPECT_EQ(FetchAvatar(http, base, "Boris"), std::nullopt);
  EXPECT_TRUE(FetchAvatar(http, base, "Mr.X") == picture);
  // A picture of the wrong size leaves the one served before in place.
  EXPECT_TRUE(FtpStore(ftp, "Anna", "secret1", "Anna.jpg", Jpeg(100, 125)));
  EXPECT_TRUE(FetchAvatar(http, base, "Anna") == picture);
}

}  // namespace
}  // namespace quorvex
