// The radio's and the playlist's player against the real server, headless: the stations and
// tracks the server streams play against a null sound device, one stream at a time, and a dead
// or silent address plays nothing and holds nothing up.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QThread>
#include <cmath>

#include "game/platform.h"
#include "platform/curl_http_client.h"
#include "server/test_server.h"
#include "support/null_audio.h"
#include "ui/media/media_stream_player.h"
#include "ui/media/playlist_player.h"

namespace quorvex {
namespace {

const QString kPlayer = QStringLiteral(QUORVEX_BIN_DIR "/quorvex-stream");

bool WaitFor(const std::function<bool()>& done, int ms) {
  QDeadlineTimer deadline(ms);
  while (!done() && !deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(10);
  }
  return done();
}

// A mono 16-bit WAV of a tone.
QByteArray ToneWav(int seconds, int hertz) {
  const int rate = 22050, samples = rate * seconds;
  QByteArray wav;
  QDataStream out(&wav, QIODevice::WriteOnly);
  out.setByteOrder(QDataStream::LittleEndian);
  out.writeRawData("RIFF", 4);
  out << quint32(36 + samples * 2);
  out.writeRawData("WAVEfmt ", 8);
  out << quint32(16) << quint16(1) << quint16(1) << quint32(rate) << quint32(rate * 2) << quint16(2)
      << quint16(16);
  out.writeRawData("data", 4);
  out << quint32(samples * 2);
  for (int i = 0; i < samples; ++i) out << qint16(8000 * std::sin(i * 2 * M_PI * hertz / rate));
  return wav;
}

// Short tracks of the test's own in the server's music folder, with their playlist.
bool PutTracks(const Server& server, int count, int seconds) {
  const QString lame = QStandardPaths::findExecutable(QStringLiteral("lame"));
  const QString musik = QDir(server.DataDir()).filePath(QStringLiteral("musik"));
  if (lame.isEmpty() || !QDir().mkpath(musik)) return false;
  QTemporaryDir work;
  QByteArray playlist;
  for (int i = 0; i < count; ++i) {
    QFile wav(work.filePath(QStringLiteral("tone.wav")));
    if (!wav.open(QIODevice::WriteOnly)) return false;
    wav.write(ToneWav(seconds, 330 + 110 * i));
    wav.close();
    const QString name = QStringLiteral("Test_Band~Tone_%1.mp3").arg(i + 1);
    if (QProcess::execute(lame,
                          {QStringLiteral("--quiet"), QStringLiteral("-b"), QStringLiteral("64"),
                           wav.fileName(), musik + QLatin1Char('/') + name}) != 0)
      return false;
    playlist += name.toUtf8() + "\n";
  }
  QFile list(musik + QStringLiteral("/_playlist.html"));
  return list.open(QIODevice::WriteOnly) && list.write(playlist) == playlist.size();
}

class MediaStreamPlayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!QFile::exists(kPlayer)) GTEST_SKIP() << "the player program was not built";
    ASSERT_TRUE(server_.Started());
  }

  testing::NullAudio audio_;
  Server server_;
};

TEST_F(MediaStreamPlayerTest, AStationPlaysOnAndAnotherReplacesIt) {
  if (!audio_.Ready()) GTEST_SKIP() << "no PulseAudio for a null sound device";
  MediaStreamPlayer player(kPlayer);
  ASSERT_TRUE(player.Open(server_.Url("/radio/quorvex1.mp3")));
  player.SetVolume(0);
  player.Play();
  ASSERT_TRUE(WaitFor([&] { return player.Position() > 1500 || player.Failed(); }, 20000));
  EXPECT_FALSE(player.Failed());
  EXPECT_EQ(player.Length(), 0) << "a station has no end";
  const int64_t first = player.Position();

  // Another station starts from its own beginning; the first one's player is gone.
  ASSERT_TRUE(player.Open(server_.Url("/radio/quorvex2.mp3")));
  EXPECT_EQ(player.Position(), 0);
  player.Play();
  ASSERT_TRUE(WaitFor([&] { return player.Position() > 500 || player.Failed(); }, 20000));
  EXPECT_FALSE(player.Failed());
  EXPECT_LT(player.Position(), first + 1500);
  player.Stop();
  EXPECT_EQ(player.Position(), 0);
  EXPECT_FALSE(player.Failed());
}

TEST_F(MediaStreamPlayerTest, ThePlaylistMovesOnWhenATrackEndsAndOnNext) {
  if (!audio_.Ready()) GTEST_SKIP() << "no PulseAudio for a null sound device";
  if (!PutTracks(server_, 5, 2)) GTEST_SKIP() << "no MP3 encoder (Debian package lame)";
  CurlHttpClient http;
  SystemRandom random;
  auto owned = std::make_unique<MediaStreamPlayer>(kPlayer);
  MediaStreamPlayer& player = *owned;
  PlaylistPlayer playlist(random, std::move(owned));
  std::string base = server_.Url("");
  ASSERT_TRUE(playlist.Load(http, base));
  ASSERT_TRUE(playlist.Enabled());
  playlist.TogglePlaylist();
  ASSERT_TRUE(playlist.Playing());
  ASSERT_TRUE(WaitFor([&] { return player.Length() > 0; }, 20000));
  EXPECT_NEAR(double(player.Length()), 2000.0, 300.0);

  // The track runs to its end and the once-a-second look starts another from its beginning.
  ASSERT_TRUE(WaitFor([&] { return player.Position() > 1200; }, 20000));
  ASSERT_TRUE(WaitFor([&] { return player.Position() < 800 && player.Length() > 0; }, 20000));
  EXPECT_TRUE(playlist.Playing());

  // "Next" starts a track at once, and the strip's toggle stops it.
  ASSERT_TRUE(WaitFor([&] { return player.Position() > 500; }, 20000));
  playlist.NextTrack();
  EXPECT_EQ(player.Position(), 0);
  EXPECT_TRUE(WaitFor([&] { return player.Position() > 0; }, 20000));
  playlist.TogglePlaylist();
  EXPECT_FALSE(playlist.Playing());
}

TEST_F(MediaStreamPlayerTest, ADeadOrSilentAddressPlaysNothingAndHoldsNothingUp) {
  MediaStreamPlayer player(kPlayer);
  // A file the server does not have fails; nothing is shown or asked.
  ASSERT_TRUE(player.Open(server_.Url("/musik/None~Such.mp3")));
  player.Play();
  EXPECT_TRUE(WaitFor([&] { return player.Failed(); }, 20000));

  // A station that takes the call and never answers: the player waits in its own process, the
  // test's thread goes on, and another station or a stop ends the wait at once.
  QTcpServer silent;
  ASSERT_TRUE(silent.listen(QHostAddress::LocalHost));
  const std::string address =
      "http://127.0.0.1:" + std::to_string(silent.serverPort()) + "/stream.mp3";
  ASSERT_TRUE(player.Open(address));
  player.Play();
  EXPECT_TRUE(WaitFor([&] { return silent.hasPendingConnections(); }, 20000));
  EXPECT_FALSE(player.Failed());
  EXPECT_EQ(player.Position(), 0);
  player.Stop();

  // Addresses of no web scheme open nothing; a missing player program plays nothing.
  for (const char* bad : {"ftp://127.0.0.1/x.mp3", "file:///etc/passwd", "", "no address"})
    EXPECT_FALSE(player.Open(bad)) << bad;
  EXPECT_TRUE(player.Failed());
  MediaStreamPlayer missing(QStringLiteral("/nonexistent/quorvex-stream"));
  EXPECT_FALSE(missing.Open(server_.Url("/radio/quorvex1.mp3")));
  missing.Play();
  EXPECT_TRUE(missing.Failed());
}

}  // namespace
}  // namespace quorvex
