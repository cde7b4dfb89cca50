// Effects and spoken card names, played into a recorder in place of the sound output.
#include "ui/media/sound_player.h"

#include <gtest/gtest.h>

#include "support/cards.h"

#include <QDir>
#include <QFile>
#include <QResource>
#include <QTemporaryDir>
#include <set>
#include <string>
#include <vector>

#include "locale/lang_text.h"
#include "sound/effects.h"
#include "sound/voice_names.h"
#include "sound/wav_data.h"
#include "sound_recorders.h"
#include "ui/art/bundle_resource.h"

namespace quorvex {
namespace {

using testing::kBinDir;
QString VoiceFile() {
  return kBinDir + QStringLiteral("/ZefCVoice3.dll");
}

using testing::Card;

class SoundPlayerTest : public ::testing::Test {
 protected:
  SoundPlayerTest() : player(settings, output) { player.SetLibraryDir(kBinDir); }
  ~SoundPlayerTest() override { SetCurrentLanguage(0); }

  Settings settings;
  testing::RecordingClips output;
  SoundPlayer player;
};

TEST_F(SoundPlayerTest, EveryEffectIsAShortDistinctWavOfTheProgram) {
  std::set<QByteArray> distinct;
  for (std::string_view name : kEffectNames) {
    output.played.clear();
    ASSERT_TRUE(player.PlayEffect(name, EffectWaits(name))) << name;
    ASSERT_EQ(output.played.size(), 1u);
    const QByteArray& wav = output.played[0].wav;
    EXPECT_EQ(output.played[0].wait, EffectWaits(name));
    const auto clip = ParseWav(std::string_view(wav.constData(), size_t(wav.size())));
    ASSERT_TRUE(clip) << name;
    EXPECT_GT(clip->Seconds(), 0.03) << name;
    EXPECT_LT(clip->Seconds(), 2.0) << name;
    distinct.insert(wav);
  }
  EXPECT_EQ(distinct.size(), kEffectNames.size());
  EXPECT_FALSE(player.PlayEffect("WNoSuch", false));
}

TEST_F(SoundPlayerTest, SoundOffSilencesEffectsButNotSpokenCards) {
  settings.SoundOn = false;
  EXPECT_FALSE(player.PlayEffect("WHodsDo", true));
  EXPECT_TRUE(output.played.empty());

  EXPECT_TRUE(player.SpeakCard(Card("Qd"), false));
  ASSERT_EQ(output.played.size(), 1u);
  EXPECT_EQ(output.played[0].wav, testing::VoiceClip("Bu3QVoiceEng"));
  EXPECT_FALSE(output.played[0].wait);
}

TEST_F(SoundPlayerTest, SpeaksInTheCurrentLanguage) {
  const std::pair<int, std::string> cases[] = {
      {2, "Pi5AVoiceDeu"}, {1, "Pi5AVoiceRus"}, {9, "Pi5AVoiceKor"}, {5, "Pi5AVoiceChi"}};
  for (const auto& [language, name] : cases) {
    SetCurrentLanguage(language);
    output.played.clear();
    ASSERT_TRUE(player.SpeakCard(Card("As"), true)) << name;
    ASSERT_EQ(output.played.size(), 1u);
    EXPECT_EQ(output.played[0].wav, testing::VoiceClip(name)) << name;
    EXPECT_TRUE(output.played[0].wait);
  }
  // Each language has its own recording.
  EXPECT_NE(testing::VoiceClip("Pi5AVoiceKor"), testing::VoiceClip("Pi5AVoiceJap"));
}

TEST_F(SoundPlayerTest, LibraryIsFoundInTheParentAndMissingIsQuiet) {
  player.SetLibraryDir(kBinDir + QStringLiteral("/not-a-folder"));
  EXPECT_TRUE(player.SpeakCard(Card("2c"), false));

  QTemporaryDir empty;
  ASSERT_TRUE(empty.isValid());
  player.SetLibraryDir(empty.path() + QStringLiteral("/inner"));
  output.played.clear();
  EXPECT_FALSE(player.SpeakCard(Card("2c"), false));
  EXPECT_FALSE(player.SpeakCard(kEmptyCard, false));
  EXPECT_TRUE(output.played.empty());
}

TEST_F(SoundPlayerTest, DamagedLibraryIsRefusedQuietly) {
  QFile whole(VoiceFile());
  ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
  const QByteArray bytes = whole.readAll();
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  player.SetLibraryDir(dir.path());
  // Cut short, or with its tree pointing past the end: nothing is read out of bounds.
  QByteArray overrun = bytes;
  overrun[8] = char(0x7F);
  for (const QByteArray& damaged : {bytes.left(bytes.size() / 2), bytes.left(40), overrun}) {
    QFile file(dir.filePath(QStringLiteral("ZefCVoice3.dll")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(damaged);
    file.close();
    EXPECT_FALSE(player.SpeakCard(Card("Jh"), false));
  }
  EXPECT_TRUE(output.played.empty());
}

TEST(VoiceLibrary, Holds550SpokenNamesThatAllDecode) {
  const QString root = QStringLiteral("/voice-library-test");
  ASSERT_TRUE(QResource::registerResource(VoiceFile(), root));
  const QDir dir(QLatin1Char(':') + root + QStringLiteral("/RCDATA"));
  const QStringList entries = dir.entryList(QDir::Files);
  EXPECT_EQ(entries.size(), 550);
  std::set<std::string> expected;
  for (const std::string& name : AllVoiceResourceNames()) expected.insert(name);
  for (const QString& entry : entries) {
    EXPECT_EQ(expected.count(entry.toStdString()), 1u) << entry.toStdString();
    QFile file(dir.filePath(entry));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray wav = file.readAll();
    const auto clip = ParseWav(std::string_view(wav.constData(), size_t(wav.size())));
    ASSERT_TRUE(clip) << entry.toStdString();
    EXPECT_GT(clip->Seconds(), 0.3) << entry.toStdString();
    EXPECT_LT(clip->Seconds(), 3.0) << entry.toStdString();
  }
  QResource::unregisterResource(VoiceFile(), root);
}

TEST(VoiceLibrary, NamesAreFoundWhateverTheirCase) {
  const QByteArray exact = testing::VoiceClip("Kr4KVoiceCze");
  ASSERT_FALSE(exact.isEmpty());
  EXPECT_EQ(
      ReadBundleResource(VoiceFile(), QStringLiteral("rcdata"), QStringLiteral("KR4KVOICECZE")),
      exact);
  EXPECT_TRUE(
      ReadBundleResource(VoiceFile(), QStringLiteral("RCDATA"), QStringLiteral("Kr4KVoiceXyz"))
          .isEmpty());
}

}  // namespace
}  // namespace quorvex
