#include "ui/media/song_synth.h"

#include <mutex>

#include "ui/media/audio_output.h"

namespace quorvex {

namespace {
// FluidSynth writes its complaints to the terminal; ours go to the sound log instead.
void LogToSound(int level, const char* message, void*) {
  qCDebug(lcAudio) << "fluidsynth" << level << message;
}

void QuietFluidSynth() {
  static std::once_flag once;
  std::call_once(once, [] {
    for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
      fluid_set_log_function(level, LogToSound, nullptr);
  });
}
}  // namespace

SongSynth::SongSynth() {
  QuietFluidSynth();
}

SongSynth::~SongSynth() {
  Stop();
  if (synth_) delete_fluid_synth(synth_);
  if (settings_) delete_fluid_settings(settings_);
}

bool SongSynth::Open(const QString& sound_font, const QByteArray& midi) {
  if (synth_ || !midi.startsWith("MThd")) return false;
  settings_ = new_fluid_settings();
  if (!settings_) return false;
  fluid_settings_setnum(settings_, "synth.sample-rate", kSampleRate);
  fluid_settings_setnum(settings_, "synth.gain", 0.8);
  fluid_settings_setint(settings_, "synth.polyphony", 96);
  synth_ = new_fluid_synth(settings_);
  if (!synth_ ||
      fluid_synth_sfload(synth_, sound_font.toLocal8Bit().constData(), 1) == FLUID_FAILED) {
    if (synth_) delete_fluid_synth(synth_);
    synth_ = nullptr;
    return false;
  }
  midi_ = midi;
  return QIODevice::open(QIODevice::ReadOnly);
}

bool SongSynth::Restart() {
  if (!synth_) return false;
  Stop();
  player_ = new_fluid_player(synth_);
  if (!player_) return false;
  if (fluid_player_add_mem(player_, midi_.constData(), size_t(midi_.size())) != FLUID_OK ||
      fluid_player_play(player_) != FLUID_OK) {
    delete_fluid_player(player_);
    player_ = nullptr;
    return false;
  }
  playing_ = true;
  ended_ = false;
  return true;
}

void SongSynth::Stop() {
  playing_ = false;
  ended_ = false;
  if (!player_) return;
  fluid_player_stop(player_);
  delete_fluid_player(player_);
  player_ = nullptr;
  if (synth_) fluid_synth_all_sounds_off(synth_, -1);
}

qint64 SongSynth::bytesAvailable() const {
  // Samples are made on demand: there is always another buffer's worth.
  return 4 * kSampleRate + QIODevice::bytesAvailable();
}

qint64 SongSynth::readData(char* data, qint64 max_size) {
  const int frames = int(std::min<qint64>(max_size / 4, kSampleRate));
  if (frames <= 0 || !synth_) return 0;
  // The player advances with the samples rendered, so the song runs at the sink's pace.
  fluid_synth_write_s16(synth_, frames, data, 0, 2, data, 1, 2);
  if (playing_ && player_ && fluid_player_get_status(player_) == FLUID_PLAYER_DONE) {
    playing_ = false;
    ended_ = true;
  }
  return qint64(frames) * 4;
}

}  // namespace quorvex
