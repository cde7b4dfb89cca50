// The game's effects and spoken card names: finds the WAV resource the sound rules name and
// hands it to the sound output.
#pragma once

#include <QString>
#include <string_view>

#include "game/card.h"
#include "settings/settings.h"
#include "ui/media/audio_output.h"

namespace quorvex {

class SoundPlayer {
 public:
  SoundPlayer(const Settings& settings, ClipOutput& output);

  // An effect of the program's own resources, only with the sound on. False when nothing was
  // played (sound off, or no such effect).
  bool PlayEffect(std::string_view name, bool wait);
  // The card's name in the current language from the voice library, whatever the sound setting.
  // False when the library or the recording is missing.
  bool SpeakCard(const TCard& card, bool wait);

  // Where the voice library is looked for (then in its parent); the working directory unless set.
  void SetLibraryDir(const QString& dir) { library_dir_ = dir; }

 private:
  const Settings& settings_;
  ClipOutput& output_;
  QString library_dir_;
};

}  // namespace quorvex
