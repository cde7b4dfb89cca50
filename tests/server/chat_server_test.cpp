// The chat and the news against the real server: what a chat write must hold, one message per 15
// seconds from one address, the newest message first through the game's own chat client, and
// the marker of the news page.
#include <gtest/gtest.h>

#include <QTcpSocket>
#include <memory>
#include <string>

#include "chat_flood_guard.h"
#include "online/advert_catalogue.h"
#include "online/chat_news_checks.h"
#include "online/chat_service.h"
#include "online/reply_readers.h"
#include "online/service_request.h"
#include "platform/curl_http_client.h"
#include "server/test_server.h"

namespace quorvex {
namespace {

class ChatServerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (OnPostgres()) EmptyPostgres();
    server_ = std::make_unique<Server>();
    ASSERT_TRUE(server_->Started()) << server_->Process().readAllStandardError().toStdString();
  }

  // A chat write as it comes from `from`: the server takes the address a helper on its own
  // machine names for the client.
  std::string WriteFrom(const std::string& from, int64_t number, const std::string& text) {
    const QByteArray body = QByteArray::fromStdString(
        "gid=100&nick=Anna&city=Riga&country=1-003&score=" + std::to_string(number) +
        "&R7=W&R8=5.7f&R9=12:05_11.12.2026_Quorvex&R10=" + text + "*");
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, server_->Port());
    if (!socket.waitForConnected(5000)) return "no connection";
    socket.write("POST /records.php HTTP/1.1\r\nHost: x\r\nConnection: close\r\nX-Forwarded-For: " +
                 QByteArray::fromStdString(from) +
                 "\r\nContent-Type: application/x-www-form-urlencoded\r\nContent-Length: " +
                 QByteArray::number(body.size()) + "\r\n\r\n" + body);
    // The answer ends with the length its head gives; the server may keep the connection open.
    QByteArray got;
    while (socket.waitForReadyRead(5000)) {
      got += socket.readAll();
      const qsizetype head_end = got.indexOf("\r\n\r\n");
      if (head_end < 0) continue;
      const QByteArray head = got.left(head_end).toLower();
      const qsizetype length_at = head.indexOf("content-length:");
      if (length_at < 0) continue;
      const qsizetype length =
          head.mid(length_at + 15, head.indexOf('\r', length_at) - length_at - 15)
              .trimmed()
              .toLongLong();
      if (got.size() >= head_end + 4 + length) return got.mid(head_end + 4, length).toStdString();
    }
    return got.toStdString();
  }

  std::unique_ptr<Server> server_;
  CurlHttpClient client_;
};

TEST_F(ChatServerTest, AMessageHoldsTheChatsCharactersOnly) {
  const struct {
    std::string text;
    bool taken;
  } cases[] = {
      {"Hi,_all_", true},
      {"\xcf\xf0\xe8\xe2\xe5\xf2!", true},  // "Привет!" in Windows-1251
      {std::string(80, 'x'), true},
      {"", false},
      {std::string(81, 'x'), false},
      {"Hi,%20all", false},  // the body is raw: "%" stays a character outside the set
      {"a:b", false},
      {"#", false},
      {"\xb9", false},  // "№"
  };
  int address = 1;
  int64_t newest = 0;
  for (const auto& c : cases) {
    // Each from an address of its own (loopback addresses the test names as the client), so that
    // no write waits for another's pause.
    const std::string reply =
        WriteFrom("127.0.0." + std::to_string(20 + address++), newest + 1, c.text);
    EXPECT_EQ(ReadReplyNumber(reply).has_value(), c.taken) << c.text << " -> " << reply;
    if (c.taken) {
      ++newest;
    } else {
      EXPECT_TRUE(IsRefusal(reply)) << reply;
    }
  }
  const ChatRead read = ReadChat(client_, server_->Url("/records.php"));
  ASSERT_TRUE(read.ok);
  EXPECT_EQ(read.Newest(), 3);
  EXPECT_EQ(read.messages[0].R10, std::string(80, 'x'));
  EXPECT_EQ(read.messages[1].R10, "Привет!");
  EXPECT_EQ(read.messages[2].R10, "Hi,_all_");
  EXPECT_TRUE(read.messages[3].Empty());
}

TEST_F(ChatServerTest, OneMessagePerFifteenSecondsFromOneAddress) {
  EXPECT_EQ(ReadReplyNumber(WriteFrom("127.0.0.11", 1, "first")), 1);
  // The same address again at once is refused and nothing is written.
  const std::string flood = WriteFrom("127.0.0.11", 2, "second");
  EXPECT_TRUE(IsRefusal(flood)) << flood;
  // Another address may write; a refused write does not start the other's pause.
  EXPECT_TRUE(ReadReplyNumber(WriteFrom("127.0.0.12", 2, "other")).has_value());
  const std::string bad = WriteFrom("127.0.0.13", 3, "a b");
  EXPECT_TRUE(IsRefusal(bad));
  EXPECT_TRUE(ReadReplyNumber(WriteFrom("127.0.0.13", 3, "fixed")).has_value());
  // A number far past the newest would hold the top of the list: refused.
  EXPECT_TRUE(IsRefusal(WriteFrom("127.0.0.14", 999999, "top")));
  EXPECT_TRUE(IsRefusal(WriteFrom("127.0.0.15", 0, "zero")));
  const ChatRead read = ReadChat(client_, server_->Url("/records.php"));
  ASSERT_TRUE(read.ok);
  EXPECT_EQ(read.messages[0].R10, "fixed");
  EXPECT_EQ(read.messages[1].R10, "other");
  EXPECT_EQ(read.messages[2].R10, "first");
  EXPECT_TRUE(read.messages[3].Empty());
}

TEST(ChatFloodGuard, ThePauseEndsAfterFifteenSeconds) {
  server::ChatFloodGuard guard;
  const QString a = QStringLiteral("127.0.0.11"), b = QStringLiteral("127.0.0.12");
  EXPECT_TRUE(guard.Allowed(a, 1000));
  guard.Wrote(a, 1000);
  EXPECT_FALSE(guard.Allowed(a, 1000));
  EXPECT_FALSE(guard.Allowed(a, 15999));
  EXPECT_TRUE(guard.Allowed(b, 2000));
  EXPECT_TRUE(guard.Allowed(a, 16000));
  // Another address's write forgets an ended pause, never a running one.
  guard.Wrote(b, 12000);
  EXPECT_FALSE(guard.Allowed(a, 15000));
  guard.Wrote(b, 30000);
  EXPECT_TRUE(guard.Allowed(a, 30000));
  EXPECT_FALSE(guard.Allowed(b, 30000));
}

TEST_F(ChatServerTest, TheGamesChatAndNewsThroughTheServer) {
  // The game sends from the loopback: its first message goes, a second at once is refused and
  // reported as not sent.
  const std::string records = server_->Url("/records.php");
  const ChatSender anna{"Аня", "Рига", "1-026", 'W'};
  EXPECT_EQ(SendChatMessage(client_, records, anna, "Hi, all?", "12:05_11.12.2026_Quorvex"), 1);
  EXPECT_EQ(SendChatMessage(client_, records, anna, "again", "12:05_11.12.2026_Quorvex"),
            std::nullopt);
  const ChatRead read = ReadChat(client_, records);
  ASSERT_TRUE(read.ok);
  EXPECT_EQ(read.messages[0].Nick, "Аня");
  EXPECT_EQ(read.messages[0].City, "Рига");
  EXPECT_EQ(read.messages[0].R10, "Hi,_all_");
  EXPECT_EQ(read.messages[0].R09, "12:05_11.12.2026_Quorvex");
  EXPECT_TRUE(read.messages[1].Empty());

  // The news page carries its number after the marker.
  const HttpReply page = GetAddress(client_, server_->Url("/news.html"));
  ASSERT_TRUE(page.ok);
  EXPECT_GT(NewsNumberInPage(page.body), 0);

  // The adverts: every entry of the catalogue has its picture on the server and a web page.
  const std::optional<std::vector<Advert>> adverts =
      FetchAdvertCatalogue(client_, server_->Url("/adverts.txt"));
  ASSERT_TRUE(adverts);
  EXPECT_GE(adverts->size(), 4u);
  for (const Advert& advert : *adverts) {
    EXPECT_FALSE(advert.name.empty());
    EXPECT_TRUE(advert.link.starts_with("https://")) << advert.link;
    const HttpReply picture = GetAddress(client_, advert.picture);
    EXPECT_TRUE(picture.ok) << advert.picture;
    EXPECT_NE(picture.body.find("<svg"), std::string::npos) << advert.picture;
  }
}

}  // namespace
}  // namespace quorvex
