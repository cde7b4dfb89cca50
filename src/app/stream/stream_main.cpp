// The radio's and the playlist's player: one stream, played by Qt Multimedia in a process of its
// own. Qt's FFmpeg backend opens an address and stops a stream on the calling thread and can wait
// there for ever on a station that does not answer or never ends; in its own process that wait
// never reaches the game's window, which ends the process whenever it wants another stream.
//
// Usage: quorvex-stream <address> <volume 0..100>
// Reads "volume N" lines on its standard input and ends when the input closes. Writes a line
// "state <position ms> <length ms> <loading|playing|ended|failed>" four times a second.
#include <sys/prctl.h>
#include <unistd.h>

#include <QAudioDevice>
#include <QAudioOutput>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QSocketNotifier>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <memory>
#include <string>

namespace {

// FFmpeg plays MP3 over HTTP with Debian's packages alone; Qt's GStreamer backend would need
// plugins that are seldom installed. A backend the user's environment chose is left alone.
void ChooseMediaBackend() {
  if (qEnvironmentVariableIsSet("QT_MEDIA_BACKEND")) return;
  const QString plugin = QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                         QStringLiteral("/multimedia/libffmpegmediaplugin.so");
  if (QFileInfo::exists(plugin)) qputenv("QT_MEDIA_BACKEND", "ffmpeg");
}

float Volume(const QString& text) {
  return float(std::clamp(text.trimmed().toInt(), 0, 100)) / 100.0f;
}

const char* StatusWord(const QMediaPlayer& player, bool failed) {
  if (failed || player.mediaStatus() == QMediaPlayer::InvalidMedia) return "failed";
  if (player.mediaStatus() == QMediaPlayer::EndOfMedia) return "ended";
  if (player.playbackState() == QMediaPlayer::PlayingState &&
      (player.mediaStatus() == QMediaPlayer::BufferedMedia ||
       player.mediaStatus() == QMediaPlayer::LoadedMedia ||
       player.mediaStatus() == QMediaPlayer::BufferingMedia))
    return "playing";
  return "loading";
}

}  // namespace

int main(int argc, char** argv) {
  // The player goes with the game even while it waits on a station, when it reads nothing.
  ::prctl(PR_SET_PDEATHSIG, SIGKILL);
  if (::getppid() == 1) return 1;  // the game ended before the line above
  ChooseMediaBackend();
  QCoreApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <address> <volume>\n", argv[0]);
    return 2;
  }
  const QUrl address(QString::fromLocal8Bit(argv[1]), QUrl::StrictMode);
  const QString scheme = address.scheme().toLower();
  if (!address.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
    std::printf("state 0 0 failed\n");
    return 1;
  }

  QMediaPlayer player;
  bool failed = false;
  QObject::connect(&player, &QMediaPlayer::errorOccurred, &player,
                   [&failed](QMediaPlayer::Error error) {
                     if (error != QMediaPlayer::NoError) failed = true;
                   });
  // A machine without sound gets no output (the backend would fail on one without a device):
  // the stream still opens and is measured, unheard.
  std::unique_ptr<QAudioOutput> output;
  if (!QMediaDevices::defaultAudioOutput().isNull()) {
    output = std::make_unique<QAudioOutput>();
    output->setVolume(Volume(QString::fromLocal8Bit(argv[2])));
    player.setAudioOutput(output.get());
  }

  // The game's commands; the end of the input (the game went away) ends the stream.
  QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
  std::string pending;
  QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
    char buffer[256];
    const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (got <= 0) {
      input.setEnabled(false);
      app.quit();
      return;
    }
    pending.append(buffer, size_t(got));
    if (pending.size() > 4096) pending.clear();  // no command is that long
    for (size_t end; (end = pending.find('\n')) != std::string::npos; pending.erase(0, end + 1)) {
      const QString line = QString::fromLatin1(pending.data(), int(end));
      if (line.startsWith(QLatin1String("volume ")) && output)
        output->setVolume(Volume(line.mid(7)));
    }
  });

  QTimer report;
  QObject::connect(&report, &QTimer::timeout, &app, [&] {
    std::printf("state %lld %lld %s\n", static_cast<long long>(player.position()),
                static_cast<long long>(player.duration()), StatusWord(player, failed));
    std::fflush(stdout);
  });
  report.start(250);

  player.setSource(address);
  player.play();
  const int code = app.exec();
  // The stream may hang up on its way out; whatever is left ends with the process.
  std::fflush(stdout);
  ::_exit(code);
}
