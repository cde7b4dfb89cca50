// The server facing abusive clients: many requests at once, bodies far past any the game sends,
// and clients that send a byte now and then. It keeps answering everyone else and its memory
// stays bounded.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QTcpSocket>
#include <QThread>
#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include "platform/curl_http_client.h"
#include "server/test_server.h"

namespace quorvex {
namespace {

// The resident memory of a process, in kilobytes; -1 when it cannot be read.
qint64 ResidentKb(qint64 pid) {
  QFile status(QStringLiteral("/proc/%1/status").arg(pid));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLongLong();
  return -1;
}

bool Answered(CurlHttpClient& http, const Server& server) {
  HttpRequest request;
  request.url = server.Url("/config.txt");
  request.post = false;
  const HttpReply reply = http.Exchange(request);
  return reply.ok && reply.body.find("StatPath=") != std::string::npos;
}

void Wait(int ms) {
  QDeadlineTimer deadline(ms);
  while (!deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QThread::msleep(5);
  }
}

TEST(ServerAbuse, ClientsSendingAByteNowAndThenAreCutOffWhileOthersAreAnswered) {
  Server server({QStringLiteral("--request-seconds"), QStringLiteral("1")});
  ASSERT_TRUE(server.Started());
  const QByteArray head = "GET /config.txt HTTP/1.1\r\nHost: 127.0.0.1\r\nAccept: */*\r\n\r\n";
  std::vector<std::unique_ptr<QTcpSocket>> slow;
  for (int i = 0; i < 60; ++i) {
    slow.push_back(std::make_unique<QTcpSocket>());
    slow.back()->connectToHost(QHostAddress::LocalHost, server.Port());
  }
  // A byte from each every 100 ms: the heads would take six seconds; the limit is one.
  CurlHttpClient http;
  for (int tick = 0; tick < 25; ++tick) {
    for (auto& socket : slow)
      if (socket->state() == QAbstractSocket::ConnectedState && tick < head.size())
        socket->write(head.mid(tick, 1));
    Wait(100);
    if (tick % 5 == 2) {
      EXPECT_TRUE(Answered(http, server)) << "at tick " << tick;
    }
  }
  int cut = 0;
  for (auto& socket : slow) {
    socket->waitForReadyRead(200);
    const QByteArray answer = socket->readAll();
    if (answer.startsWith("HTTP/1.1 408") || socket->state() == QAbstractSocket::UnconnectedState)
      ++cut;
  }
  EXPECT_EQ(cut, int(slow.size()));
  // A client that is quick enough is served as ever on a connection of its own.
  EXPECT_TRUE(Answered(http, server));
}

TEST(ServerAbuse, ManyRequestsAtOnceAndHugeBodiesKeepTheMemoryBounded) {
  Server server;
  ASSERT_TRUE(server.Started());
  const qint64 pid = server.Process().processId();
  ASSERT_TRUE(Answered(*std::make_unique<CurlHttpClient>(), server));
  const qint64 before = ResidentKb(pid);
  ASSERT_GT(before, 0);

  // Eight clients at once, each with forty requests, reads and writes mixed.
  std::atomic<int> ok{0};
  std::vector<std::thread> clients;
  for (int c = 0; c < 8; ++c)
    clients.emplace_back([&server, &ok] {
      CurlHttpClient http;
      for (int i = 0; i < 40; ++i) {
        HttpRequest request;
        if (i % 2) {
          request.url = server.Url("/stats.php");
          request.body = "gid=47&stat1=1";
        } else {
          request.url = server.Url("/config.txt");
          request.post = false;
        }
        const HttpReply reply = http.Exchange(request);
        if (reply.ok && reply.status == 200) ++ok;
      }
    });
  for (std::thread& client : clients) client.join();
  EXPECT_EQ(ok.load(), 8 * 40);

  // Bodies of 50 MB on a few connections, declared and then sent all the same: refused at their
  // heads, the connections closed on whatever follows.
  const QByteArray megabyte(1 << 20, 'x');
  std::vector<std::unique_ptr<QTcpSocket>> pushers;
  for (int i = 0; i < 4; ++i) {
    pushers.push_back(std::make_unique<QTcpSocket>());
    QTcpSocket& socket = *pushers.back();
    socket.connectToHost(QHostAddress::LocalHost, server.Port());
    ASSERT_TRUE(socket.waitForConnected(5000));
    socket.write(
        "POST /account.php HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Length: 52428800\r\n"
        "Content-Type: application/x-www-form-urlencoded\r\n\r\n");
    ASSERT_TRUE(socket.waitForReadyRead(5000));
    EXPECT_TRUE(socket.readAll().startsWith("HTTP/1.1 413"));
  }
  for (int mb = 0; mb < 50; ++mb)
    for (auto& socket : pushers)
      if (socket->state() == QAbstractSocket::ConnectedState) {
        socket->write(megabyte);
        socket->waitForBytesWritten(2000);
      }
  CurlHttpClient http;
  EXPECT_TRUE(Answered(http, server));
  const qint64 after = ResidentKb(pid);
  // The server's own growth, not the 200 MB that came at it.
  EXPECT_LT(after - before, 48 * 1024) << before << " kB before, " << after << " kB after";
}

}  // namespace
}  // namespace quorvex
