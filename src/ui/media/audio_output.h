// Sound output: WAV clips from memory and the menu song, played by Qt Multimedia on a thread of
// the player's own. It is called only from the window thread. Without an audio device it stays
// silent, and nothing waits for it.
#pragma once

#include <QByteArray>
#include <QLoggingCategory>
#include <QObject>
#include <QString>
#include <QThread>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>

Q_DECLARE_LOGGING_CATEGORY(lcAudio)

class QAudioSink;
class QBuffer;

namespace quorvex {

class SongSynth;

// Where the effects and spoken names go; tests put a recorder in its place.
class ClipOutput {
 public:
  virtual ~ClipOutput() = default;
  // Plays a WAV image, cutting off the clip that sounds. With wait, returns once it has sounded
  // (after its length at most, whatever the device does).
  virtual void PlayClip(const QByteArray& wav, bool wait) = 0;
};

// Where the menu song goes; tests put a recorder in its place.
class SongOutput {
 public:
  virtual ~SongOutput() = default;
  // Prepares the song for playing; false when there is nothing to play it on.
  virtual bool OpenSong(const QString& sound_font, const QByteArray& midi) = 0;
  // Plays the song from its beginning, or stops it.
  virtual void StartSong() = 0;
  virtual void StopSong() = 0;
  // The song ran to its end since it was last started.
  virtual bool SongEnded() const = 0;
  // The sound font or the song could not be used.
  virtual bool SongFailed() const = 0;
};

class AudioOutput : public ClipOutput, public SongOutput {
 public:
  AudioOutput();
  ~AudioOutput() override;

  bool HasDevice() const { return has_device_; }

  void PlayClip(const QByteArray& wav, bool wait) override;

  // The sound font loads in the background.
  bool OpenSong(const QString& sound_font, const QByteArray& midi) override;
  void StartSong() override;
  void StopSong() override;
  bool SongEnded() const override;
  bool SongFailed() const override { return song_failed_; }
  // The song is sounding and has not reached its end.
  bool SongPlaying() const;

 private:
  // Everything below runs on the audio thread.
  void StartClip(QByteArray pcm, int channels, int rate, int bits, uint64_t id);
  void CloseClip(uint64_t id);
  void ClipFailed(uint64_t id);

  bool has_device_ = false;
  QThread thread_;
  QObject* worker_ = nullptr;  // lives on thread_: the context of the calls made there

  // The clip that sounds, on the audio thread.
  QAudioSink* clip_sink_ = nullptr;
  QBuffer* clip_buffer_ = nullptr;
  uint64_t clip_id_ = 0;

  // Waiting for a clip: the window thread waits out its length, or until failed_id_ reaches
  // its clip's number.
  std::mutex mutex_;
  std::condition_variable done_;
  uint64_t failed_id_ = 0;
  uint64_t next_id_ = 0;

  // Made and destroyed on the audio thread; published for SongPlaying once it is usable.
  std::atomic<SongSynth*> song_ = nullptr;
  QAudioSink* song_sink_ = nullptr;
  std::atomic<bool> song_failed_ = false;
};

}  // namespace quorvex
