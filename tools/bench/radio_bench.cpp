#include "radio_bench.h"

#include <sys/resource.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <vector>

#include "music_shelf.h"
#include "radio_station.h"

namespace quorvex::bench {
namespace {

long ResidentKb() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
  return -1;
}

double ProcessorSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

}  // namespace

int RunRadioBench(int listeners, int seconds) {
  int argc = 1;
  char name[] = "quorvex-server-bench";
  char* argv[] = {name, nullptr};
  std::unique_ptr<QCoreApplication> app;
  if (!QCoreApplication::instance()) app = std::make_unique<QCoreApplication>(argc, argv);
  const QString music = QDir(QCoreApplication::applicationDirPath()).filePath("server-musik");
  const std::vector<server::ShelfTrack> shelf = server::LoadMusicShelf(music);
  if (shelf.empty()) {
    std::fprintf(stderr, "quorvex-server-bench: no tracks in %s\n", qPrintable(music));
    return 1;
  }
  server::RadioStation station(QStringLiteral("bench"), server::StationRotations(shelf, 1).front());
  QTcpServer door;
  // All listeners knock at once; none should wait for the kernel to retry its handshake.
  door.setListenBacklogSize(listeners + 16);
  door.setMaxPendingConnections(listeners + 16);
  if (!door.listen(QHostAddress::LocalHost)) return 1;
  QObject::connect(&door, &QTcpServer::newConnection, [&] {
    while (QTcpSocket* socket = door.nextPendingConnection()) station.Tune(socket);
  });
  std::vector<std::unique_ptr<QTcpSocket>> clients;
  qint64 read_bytes = 0;
  for (int i = 0; i < listeners; ++i) {
    auto client = std::make_unique<QTcpSocket>();
    // Every second listener takes nothing: its connection fills and stays full (Qt would read
    // on its own into an unbounded buffer).
    if (i % 2 == 1) client->setReadBufferSize(4096);
    if (i % 2 == 0) {
      QTcpSocket* raw = client.get();
      QObject::connect(raw, &QTcpSocket::readyRead,
                       [raw, &read_bytes] { read_bytes += raw->readAll().size(); });
    }
    client->connectToHost(QHostAddress::LocalHost, door.serverPort());
    clients.push_back(std::move(client));
  }
  long early_kb = 0;
  qint64 early_bytes = 0;
  double early_cpu = 0;
  QTimer::singleShot(2000, [&] {
    early_kb = ResidentKb();
    early_bytes = read_bytes;
    early_cpu = ProcessorSeconds();
  });
  QTimer::singleShot((seconds + 2) * 1000, [] { QCoreApplication::quit(); });
  QCoreApplication::exec();
  const int readers = (listeners + 1) / 2;

  std::printf("radio: %d listeners (%d reading), %d s after the first 2 s\n", station.Listeners(),
              readers, seconds);
  std::printf("  each reader: %.1f kB/s (the stream's own rate once the lead is sent)\n",
              double(read_bytes - early_bytes) / 1024.0 / seconds / readers);
  std::printf("  memory: %ld kB after 2 s, %ld kB at the end\n", early_kb, ResidentKb());
  std::printf("  processor: %.1f %% of one core\n",
              100.0 * (ProcessorSeconds() - early_cpu) / seconds);
  return 0;
}

}  // namespace quorvex::bench
