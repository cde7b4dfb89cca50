// A sound device for headless tests: a PulseAudio server of the test's own with one null sink,
// so that a stream is played against a real clock. Programs started while it lives find it.
#pragma once

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

namespace quorvex::testing {

class NullAudio {
 public:
  NullAudio() {
    const QString pulseaudio = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
    if (pulseaudio.isEmpty() || !dir_.isValid()) return;
    const QString socket = dir_.filePath(QStringLiteral("pulse/native"));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir_.path());
    env.insert(QStringLiteral("HOME"), dir_.path());
    server_.setProcessEnvironment(env);
    server_.setStandardOutputFile(QProcess::nullDevice());
    server_.setStandardErrorFile(QProcess::nullDevice());
    server_.start(pulseaudio,
                  {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                   QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--use-pid-file=no"),
                   QStringLiteral("--load=module-null-sink sink_name=quiet"),
                   QStringLiteral("--load=module-native-protocol-unix socket=") + socket});
    if (!server_.waitForStarted(5000)) return;
    QDeadlineTimer deadline(10000);
    while (!QFileInfo::exists(socket) && !deadline.hasExpired() &&
           server_.state() == QProcess::Running)
      QThread::msleep(50);
    if (!QFileInfo::exists(socket)) return;
    old_server_ = qgetenv("PULSE_SERVER");
    qputenv("PULSE_SERVER", ("unix:" + socket).toLocal8Bit());
    ready_ = true;
  }
  ~NullAudio() {
    if (ready_) qputenv("PULSE_SERVER", old_server_);
    if (server_.state() != QProcess::NotRunning) {
      server_.kill();
      server_.waitForFinished(5000);
    }
  }
  NullAudio(const NullAudio&) = delete;
  NullAudio& operator=(const NullAudio&) = delete;

  // False without PulseAudio on the machine.
  bool Ready() const { return ready_; }

 private:
  QTemporaryDir dir_;
  QProcess server_;
  QByteArray old_server_;
  bool ready_ = false;
};

}  // namespace quorvex::testing
