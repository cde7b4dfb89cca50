// The menu song as a stream of samples: FluidSynth plays the MIDI song with a General MIDI sound
// font and the audio sink pulls the rendered samples. Rendering ourselves keeps FluidSynth away
// from the audio devices, so a machine without sound never sees it probe or complain.
#pragma once

#include <fluidsynth.h>

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <atomic>

namespace quorvex {

class SongSynth : public QIODevice {
 public:
  static constexpr int kSampleRate = 44100;  // stereo, 16-bit

  SongSynth();
  ~SongSynth() override;

  // Loads the sound font and keeps the song; false when either is unusable.
  bool Open(const QString& sound_font, const QByteArray& midi);
  // Starts the song from its beginning; false when it cannot be played.
  bool Restart();
  void Stop();
  // The song is running and has not reached its end. Read from any thread.
  bool Playing() const { return playing_; }
  // The song ran to its end since it was last started. Read from any thread.
  bool Ended() const { return ended_; }

  bool isSequential() const override { return true; }
  qint64 bytesAvailable() const override;

 protected:
  qint64 readData(char* data, qint64 max_size) override;
  qint64 writeData(const char*, qint64) override { return -1; }

 private:
  fluid_settings_t* settings_ = nullptr;
  fluid_synth_t* synth_ = nullptr;
  fluid_player_t* player_ = nullptr;
  QByteArray midi_;
  std::atomic<bool> playing_ = false;
  std::atomic<bool> ended_ = false;
};

}  // namespace quorvex
