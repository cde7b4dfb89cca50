#include "ui/media/audio_output.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <QTimer>
#include <chrono>
#include <string_view>

#include "sound/wav_data.h"
#include "ui/media/song_synth.h"

// Quiet unless asked for: a machine without sound is no news.
Q_LOGGING_CATEGORY(lcAudio, "quorvex.sound", QtWarningMsg)

namespace quorvex {

namespace {
QtMessageHandler g_previous_handler = nullptr;

// Asking for the devices of a machine without a sound server makes Qt warn once; such a machine
// is expected here and plays silently.
void DropSoundServerNotice(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
  if (message.startsWith(QLatin1String("PulseAudioService:"))) {
    qCDebug(lcAudio) << message;
    return;
  }
  g_previous_handler(type, context, message);
}

bool FindAudioDevice() {
  g_previous_handler = qInstallMessageHandler(DropSoundServerNotice);
  const bool found = !QMediaDevices::defaultAudioOutput().isNull();
  qInstallMessageHandler(g_previous_handler);
  return found;
}

// A waited clip holds the window for as long as it lasts, never longer than this.
constexpr std::chrono::milliseconds kLongestWait{5000};
// An idle clip's stream is closed once the server has surely played what it was given.
constexpr int kCloseIdleMs = 1000;
}  // namespace

AudioOutput::AudioOutput() {
  has_device_ = FindAudioDevice();
  if (!has_device_) {
    qCDebug(lcAudio) << "no audio device: sounds stay silent";
    return;
  }
  worker_ = new QObject;
  worker_->moveToThread(&thread_);
  thread_.setObjectName(QStringLiteral("quorvex audio"));
  thread_.start();
}

AudioOutput::~AudioOutput() {
  if (!worker_) return;
  QMetaObject::invokeMethod(
      worker_,
      [this] {
        delete clip_sink_;
        delete clip_buffer_;
        delete song_sink_;
        delete song_.exchange(nullptr);
      },
      Qt::BlockingQueuedConnection);
  thread_.quit();
  thread_.wait();
  delete worker_;
}

void AudioOutput::PlayClip(const QByteArray& wav, bool wait) {
  if (!worker_) return;
  const auto clip = ParseWav(std::string_view(wav.constData(), size_t(wav.size())));
  if (!clip || clip->pcm.empty()) return;
  QByteArray pcm(clip->pcm.data(), qsizetype(clip->pcm.size()));
  uint64_t id = 0;
  {
    std::lock_guard lock(mutex_);
    id = ++next_id_;
  }
  QMetaObject::invokeMethod(
      worker_, [this, pcm, channels = clip->channels, rate = clip->sample_rate, bits = clip->bits,
                id] { StartClip(pcm, channels, rate, bits, id); });
  if (!wait) return;
  // The sink goes idle once the sound server holds the samples, well before they have sounded,
  // so the wait is the clip's own length; only a clip that cannot play ends it early.
  const auto length = std::chrono::milliseconds(int64_t(clip->Seconds() * 1000));
  std::unique_lock lock(mutex_);
  done_.wait_for(lock, std::min(length, kLongestWait), [&] { return failed_id_ >= id; });
}

void AudioOutput::StartClip(QByteArray pcm, int channels, int rate, int bits, uint64_t id) {
  // A new clip cuts the one that sounds, as the game's effects always have.
  if (clip_sink_) {
    clip_sink_->disconnect();
    clip_sink_->stop();
    delete clip_sink_;
    delete clip_buffer_;
    clip_sink_ = nullptr;
    clip_buffer_ = nullptr;
  }
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (device.isNull()) {
    ClipFailed(id);
    return;
  }
  QAudioFormat format;
  format.setSampleRate(rate);
  format.setChannelCount(channels);
  format.setSampleFormat(bits == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
  clip_buffer_ = new QBuffer;
  clip_buffer_->setData(pcm);
  clip_buffer_->open(QIODevice::ReadOnly);
  clip_sink_ = new QAudioSink(device, format);
  clip_id_ = id;
  QObject::connect(clip_sink_, &QAudioSink::stateChanged, worker_, [this, id](QAudio::State s) {
    if (s == QAudio::StoppedState && clip_sink_ && clip_sink_->error() != QAudio::NoError)
      ClipFailed(id);
    // A finished clip gives its stream back, so the sound server may rest.
    if (s == QAudio::IdleState)
      QTimer::singleShot(kCloseIdleMs, worker_, [this, id] { CloseClip(id); });
  });
  clip_sink_->start(clip_buffer_);
  if (clip_sink_->error() != QAudio::NoError) {
    qCDebug(lcAudio) << "clip not played:" << clip_sink_->error();
    ClipFailed(id);
  }
}

void AudioOutput::CloseClip(uint64_t id) {
  if (id != clip_id_ || !clip_sink_ || clip_sink_->state() != QAudio::IdleState) return;
  clip_sink_->disconnect();
  clip_sink_->stop();
  delete clip_sink_;
  delete clip_buffer_;
  clip_sink_ = nullptr;
  clip_buffer_ = nullptr;
}

void AudioOutput::ClipFailed(uint64_t id) {
  {
    std::lock_guard lock(mutex_);
    if (id > failed_id_) failed_id_ = id;
  }
  done_.notify_all();
}

bool AudioOutput::OpenSong(const QString& sound_font, const QByteArray& midi) {
  if (!worker_) return false;
  song_failed_ = false;
  // Loading a sound font takes a moment: the window goes on meanwhile.
  QMetaObject::invokeMethod(worker_, [this, sound_font, midi] {
    delete song_sink_;
    song_sink_ = nullptr;
    delete song_.exchange(nullptr);
    auto* song = new SongSynth;
    if (!song->Open(sound_font, midi)) {
      qCDebug(lcAudio) << "the song cannot be played with" << sound_font;
      delete song;
      song_failed_ = true;
      return;
    }
    song_ = song;
  });
  return true;
}

void AudioOutput::StartSong() {
  if (!worker_) return;
  QMetaObject::invokeMethod(worker_, [this] {
    SongSynth* song = song_;
    if (!song) return;
    if (!song->Restart()) {
      song_failed_ = true;
      return;
    }
    if (song_sink_) return;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return;
    QAudioFormat format;
    format.setSampleRate(SongSynth::kSampleRate);
    format.setChannelCount(2);
    format.setSampleFormat(QAudioFormat::Int16);
    song_sink_ = new QAudioSink(device, format);
    song_sink_->setBufferSize(SongSynth::kSampleRate);  // a quarter second
    song_sink_->start(song);
  });
}

void AudioOutput::StopSong() {
  if (!worker_) return;
  QMetaObject::invokeMethod(worker_, [this] {
    delete song_sink_;
    song_sink_ = nullptr;
    if (SongSynth* song = song_) song->Stop();
  });
}

bool AudioOutput::SongPlaying() const {
  const SongSynth* song = song_;
  return song && song->Playing();
}

bool AudioOutput::SongEnded() const {
  const SongSynth* song = song_;
  return song && song->Ended();
}

}  // namespace quorvex
