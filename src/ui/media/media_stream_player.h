// The radio's and the playlist's streams played by Qt Multimedia. A machine without an audio
// output plays nothing: the player is then never made, because Qt's player waits for a device
// that does not come and would hold the window.
#pragma once

#include <QObject>
#include <functional>
#include <memory>

#include "sound/stream_player.h"

class QAudioOutput;
class QMediaPlayer;

namespace quorvex {

class MediaStreamPlayer : public QObject, public StreamPlayer {
  Q_OBJECT

 public:
  // `has_output` answers whether the machine has somewhere to play; by default Qt's list of
  // audio outputs is asked.
  explicit MediaStreamPlayer(std::function<bool()> has_output = nullptr, QObject* parent = nullptr);
  ~MediaStreamPlayer() override;

  bool Open(const std::string& address) override;
  void Play() override;
  void Stop() override;
  void SetVolume(int percent) override;
  int64_t Position() const override;
  int64_t Length() const override;
  bool Ended() const override;

 private:
  std::function<bool()> has_output_;
  std::unique_ptr<QMediaPlayer> player_;
  std::unique_ptr<QAudioOutput> output_;
  int volume_ = 50;
  bool failed_ = false;
};

}  // namespace quorvex
