// The radio's player against the real server: a served MP3 opens and plays on, headless.
#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QMediaDevices>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <cmath>
#include <cstdio>

#include "server/test_server.h"
#include "ui/media/media_stream_player.h"

namespace quorvex {
namespace {

// The backend is chosen once per process, before anything of Qt Multimedia is made.
[[maybe_unused]] const bool kBackendChosen = (ChooseMediaBackend(), true);

// A mono 16-bit WAV of a 440 Hz tone.
QByteArray ToneWav(int seconds) {
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
  for (int i = 0; i < samples; ++i) out << qint16(8000 * std::sin(i * 2 * M_PI * 440 / rate));
  return wav;
}

bool WaitFor(const std::function<bool()>& done, int ms) {
  QDeadlineTimer deadline(ms);
  while (!done() && !deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(10);
  }
  return done();
}

TEST(MediaStreamPlayer, PlaysAServedMp3AndFailsSoftlyOnADeadAddress) {
  if (!MediaStreamPlayer::BackendAvailable()) GTEST_SKIP() << "no multimedia backend here";
  const QString lame = QStandardPaths::findExecutable(QStringLiteral("lame"));
  if (lame.isEmpty()) GTEST_SKIP() << "no MP3 encoder (Debian package lame) to make a track";

  Server server;
  ASSERT_TRUE(server.Started());
  const QString musik = QDir(server.DataDir()).filePath(QStringLiteral("musik"));
  ASSERT_TRUE(QDir().mkpath(musik));
  QTemporaryDir work;
  QFile wav(work.filePath(QStringLiteral("tone.wav")));
  ASSERT_TRUE(wav.open(QIODevice::WriteOnly));
  wav.write(ToneWav(4));
  wav.close();
  ASSERT_EQ(QProcess::execute(
                lame, {QStringLiteral("--quiet"), QStringLiteral("-b"), QStringLiteral("64"),
                       wav.fileName(), musik + QStringLiteral("/Quorvex~Tone.mp3")}),
            0);

  MediaStreamPlayer player;
  ASSERT_TRUE(player.Open(server.Url("/musik/Quorvex~Tone.mp3")));
  player.SetVolume(0);
  player.Play();
  EXPECT_TRUE(WaitFor([&] { return player.Length() > 0 || player.Failed(); }, 10000));
  EXPECT_FALSE(player.Failed());
  EXPECT_NEAR(double(player.Length()), 4000.0, 300.0);
  // The stream's clock is the sound card's: without one the track is opened and measured but
  // does not run on.
  if (QMediaDevices::defaultAudioOutput().isNull()) {
    std::printf("no audio device: the track's position is not followed\n");
  } else {
    EXPECT_TRUE(WaitFor([&] { return player.Position() > 300 || player.Failed(); }, 10000));
    EXPECT_GT(player.Position(), 300);
    EXPECT_FALSE(player.Failed());
  }
  player.Stop();

  // A file the server does not have, and an address of no web scheme, play nothing and block
  // nothing.
  ASSERT_TRUE(player.Open(server.Url("/musik/None~Such.mp3")));
  player.Play();
  EXPECT_TRUE(WaitFor([&] { return player.Failed(); }, 10000));
  EXPECT_FALSE(player.Open("ftp://127.0.0.1/x.mp3"));
  EXPECT_TRUE(player.Failed());
}

}  // namespace
}  // namespace quorvex
