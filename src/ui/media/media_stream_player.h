// The radio's and the playlist's streams played by Qt Multimedia: one QMediaPlayer with its audio
// output, opened on an address. Everything fails softly: with no backend, no audio device or an
// address that does not answer, nothing plays and the window never waits.
#pragma once

#include <QObject>
#include <memory>

#include "sound/stream_player.h"

class QAudioOutput;
class QMediaPlayer;

namespace quorvex {

// Picks the multimedia backend that plays HTTP MP3 streams with Debian's packages alone (FFmpeg,
// where Qt's GStreamer backend would need plugins that are seldom installed). Call it before
// the application object is made; a backend chosen by the user's environment is left alone.
void ChooseMediaBackend();

class MediaStreamPlayer : public QObject, public StreamPlayer {
  Q_OBJECT

 public:
  explicit MediaStreamPlayer(QObject* parent = nullptr);
  ~MediaStreamPlayer() override;

  // Whether the platform can play media at all.
  static bool BackendAvailable();

  bool Open(const std::string& address) override;
  void Play() override;
  void Stop() override;
  void SetVolume(int percent) override;
  // Milliseconds; the length is 0 while unknown and for an endless stream.
  int64_t Position() const override;
  int64_t Length() const override;
  bool Ended() const override;
  bool Failed() const override;

 private:
  std::unique_ptr<QMediaPlayer> player_;
  std::unique_ptr<QAudioOutput> output_;
  bool failed_ = false;
};

}  // namespace quorvex
