// Recorders in place of the sound output: what the game asked to hear.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <string>
#include <vector>

#include "ui/media/audio_output.h"
#include "ui/art/bundle_resource.h"

namespace quorvex::testing {

struct PlayedClip {
  QByteArray wav;
  bool wait;
};

class RecordingClips : public ClipOutput {
 public:
  void PlayClip(const QByteArray& wav, bool wait) override { played.push_back({wav, wait}); }
  std::vector<PlayedClip> played;
};

class RecordingSong : public SongOutput {
 public:
  bool OpenSong(const QString&, const QByteArray& midi) override {
    opened = midi;
    return true;
  }
  void StartSong() override {
    log.push_back("start");
    ended = false;
  }
  void StopSong() override { log.push_back("stop"); }
  bool SongEnded() const override { return ended; }
  bool SongFailed() const override { return failed; }

  QByteArray opened;
  std::vector<std::string> log;
  bool ended = false;
  bool failed = false;
};

inline const QString kBinDir = QStringLiteral(QUORVEX_BIN_DIR);

// A spoken name from the voice library the build made.
inline QByteArray VoiceClip(const std::string& name) {
  return ReadBundleResource(kBinDir + QStringLiteral("/ZefCVoice3.dll"), QStringLiteral("RCDATA"),
                            QString::fromStdString(name));
}

// An effect of the program's own resources.
inline QByteArray EffectClip(const char* name) {
  QFile file(QStringLiteral(":/RCDATA/") + QLatin1String(name));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace quorvex::testing
