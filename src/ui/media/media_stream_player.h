// The radio's and the playlist's streams, each played by a process of its own (quorvex-stream,
// beside the program) through Qt Multimedia. Qt's player can wait for ever on a station that
// does not answer or never ends, and a stream may break the decoder; in its own process neither
// reaches the window: another station or a stop simply ends the process. Everything fails
// softly: without the player program, a sound device or an answer, nothing plays and nothing
// waits.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <memory>

#include "sound/stream_player.h"

class QProcess;

namespace quorvex {

class MediaStreamPlayer : public QObject, public StreamPlayer {
  Q_OBJECT

 public:
  // The player program beside this one unless another is named (tests).
  explicit MediaStreamPlayer(QString program = QString(), QObject* parent = nullptr);
  ~MediaStreamPlayer() override;

  bool Open(const std::string& address) override;
  void Play() override;
  void Stop() override;
  void SetVolume(int percent) override;
  // Milliseconds; the length is 0 while unknown and for an endless stream.
  int64_t Position() const override;
  int64_t Length() const override;
  bool Ended() const override;
  bool Failed() const override;

  // A player that has said nothing this long since it started has failed.
  static constexpr int kSilentLimitMs = 15000;

 private:
  void ReadReports();
  void EndProcess();

  QString program_;
  std::string address_;
  int volume_ = 50;
  std::unique_ptr<QProcess> process_;
  QByteArray pending_;
  QElapsedTimer started_;
  bool reported_ = false;
  int64_t position_ = 0;
  int64_t length_ = 0;
  bool ended_ = false;
  bool failed_ = false;
};

}  // namespace quorvex
