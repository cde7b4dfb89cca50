// The server killed outright while clients write to it: it starts again on the same data (the
// SQLite folder or the PostgreSQL database) and every write it had answered with its OK is there.
#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "online/service_request.h"
#include "platform/curl_http_client.h"
#include "server/test_server.h"

namespace quorvex {
namespace {

// Clients that write score entries under nicks of their own until told to stop, and remember
// which entries the server acknowledged.
class Writers {
 public:
  Writers(const std::string& url, const std::string& round, int clients) {
    for (int c = 0; c < clients; ++c)
      threads_.emplace_back([this, url, round, c] { Write(url, round + "c" + std::to_string(c)); });
  }
  ~Writers() { Stop(); }
  void Stop() {
    stop_ = true;
    for (std::thread& t : threads_)
      if (t.joinable()) t.join();
  }
  std::vector<std::string> Acknowledged() {
    std::lock_guard lock(mutex_);
    return acknowledged_;
  }

 private:
  void Write(const std::string& url, const std::string& prefix) {
    CurlHttpClient::Limits quick;
    quick.connect_ms = 1000;
    quick.normal_ms = 3000;
    CurlHttpClient http(quick);
    for (int i = 0; !stop_; ++i) {
      const std::string nick = prefix + "n" + std::to_string(i);
      const HttpReply reply =
          PostBody(http, url,
                   "gid=47&nick=" + nick + "&city=Riga&country=1-003&score=" + std::to_string(i) +
                       "&R7=W&R8=5.7f&R9=#&R10=#*");
      // The place in the list, "$<n>$", is the server's word that the entry is stored.
      if (reply.ok && reply.body.size() > 2 && reply.body.front() == '$' &&
          reply.body.back() == '$') {
        std::lock_guard lock(mutex_);
        acknowledged_.push_back(nick);
      } else if (!reply.ok) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
      }
    }
  }

  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<std::string> acknowledged_;
  std::vector<std::thread> threads_;
};

TEST(ServerKill, NoAcknowledgedWriteIsLost) {
  if (OnPostgres()) EmptyPostgres();
  QTemporaryDir data;
  std::vector<std::string> acknowledged;
  for (int round = 0; round < 3; ++round) {
    auto server = std::make_unique<Server>(data.path(), QStringList());
    ASSERT_TRUE(server->Started())
        << "round " << round << ": " << server->Process().readAllStandardError().toStdString();
    Writers writers(server->Url("/records.php"), "k" + std::to_string(round), 4);
    std::this_thread::sleep_for(
        std::chrono::milliseconds(150 + QRandomGenerator::global()->bounded(400)));
    server->Process().kill();  // SIGKILL: no chance to finish anything
    server->Process().waitForFinished(5000);
    writers.Stop();
    const std::vector<std::string> now = writers.Acknowledged();
    EXPECT_FALSE(now.empty()) << "round " << round << " wrote nothing before the kill";
    acknowledged.insert(acknowledged.end(), now.begin(), now.end());
  }

  Server server(data.path(), QStringList());
  ASSERT_TRUE(server.Started()) << server.Process().readAllStandardError().toStdString();
  // Asked in batches: one question for each nick takes minutes on PostgreSQL.
  for (size_t from = 0; from < acknowledged.size(); from += 500) {
    const size_t to = std::min(acknowledged.size(), from + 500);
    QVariantList nicks;
    QStringList marks;
    for (size_t i = from; i < to; ++i) {
      nicks << QByteArray::fromStdString(acknowledged[i]);
      marks << QStringLiteral("?");
    }
    const int found =
        server
            .Query(QStringLiteral("SELECT COUNT(*) FROM records WHERE gid = 47 AND nick IN (%1)")
                       .arg(marks.join(',')),
                   nicks)
            .toInt();
    if (found == int(to - from)) continue;
    for (size_t i = from; i < to; ++i)
      EXPECT_EQ(server
                    .Query(QStringLiteral("SELECT COUNT(*) FROM records WHERE nick = ?"),
                           {QByteArray::fromStdString(acknowledged[i])})
                    .toInt(),
                1)
          << acknowledged[i] << " was acknowledged but is gone";
    FAIL() << to - from - found << " acknowledged writes are gone";
  }
  RecordProperty("acknowledged", int(acknowledged.size()));
  // And it still takes writes.
  CurlHttpClient http;
  EXPECT_TRUE(PostBody(http, server.Url("/records.php"),
                       "gid=47&nick=after&city=Riga&country=1-003&score=1&R7=W&R8=5.7f&R9=#&R10=#*")
                  .ok);
}

}  // namespace
}  // namespace quorvex
