#include "ui/media/sound_player.h"

#include <QDir>
#include <QFile>

#include "art/library_rules.h"
#include "locale/lang_text.h"
#include "sound/effects.h"
#include "sound/voice_names.h"
#include "ui/art/bundle_resource.h"

namespace quorvex {

SoundPlayer::SoundPlayer(const Settings& settings, ClipOutput& output)
    : settings_(settings), output_(output) {}

bool SoundPlayer::PlayEffect(std::string_view name, bool wait) {
  if (!EffectsAudible(settings_)) return false;
  QFile resource(QStringLiteral(":/RCDATA/") +
                 QString::fromLatin1(name.data(), qsizetype(name.size())));
  if (!resource.open(QIODevice::ReadOnly)) return false;
  output_.PlayClip(resource.readAll(), wait);
  return true;
}

bool SoundPlayer::SpeakCard(const TCard& card, bool wait) {
  const std::string name = VoiceResourceName(card, CurrentLanguage());
  if (name.empty()) return false;
  const QString dir = library_dir_.isEmpty() ? QDir::currentPath() : library_dir_;
  for (const std::string& file : LibrarySearchPaths(dir.toStdString(), kVoiceLibrary)) {
    const QByteArray wav = ReadBundleResource(
        QString::fromStdString(file), QStringLiteral("RCDATA"), QString::fromStdString(name));
    if (wav.isEmpty()) continue;
    output_.PlayClip(wav, wait);
    return true;
  }
  return false;
}

}  // namespace quorvex
