// The menu song: its file in the temporary folder, the synthesiser, and the silence of a
// machine without an audio device.
#include "ui/media/music_player.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include "sound/song_file.h"
#include "sound/wav_data.h"
#include "sound_recorders.h"
#include "ui/media/song_synth.h"

namespace quorvex {
namespace {

QByteArray SongResource() {
  QFile file(QStringLiteral(":/RCDATA/MidiSong"));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString SongPath(const QTemporaryDir& dir) {
  return dir.filePath(QString::fromStdString(SongFileName()));
}

// Seconds of the song as the sink would pull them.
QByteArray Render(SongSynth& synth, int seconds) {
  QByteArray samples;
  while (samples.size() < qsizetype(seconds) * SongSynth::kSampleRate * 4) {
    const QByteArray part = synth.read(SongSynth::kSampleRate * 4);
    if (part.isEmpty()) break;
    samples += part;
  }
  return samples;
}

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class MusicPlayerTest : public ::testing::Test {
 protected:
  MusicPlayerTest() {
    music.SetErrorHandler([this](const QString& message) { errors.push_back(message); });
  }

  QTemporaryDir temp;
  Settings settings;
  AudioOutput output;
  MusicPlayer music{settings, output};
  std::vector<QString> errors;
};

TEST_F(MusicPlayerTest, SongFileIsWrittenOnceAndASecondStartKeepsIt) {
  ASSERT_TRUE(temp.isValid());
  music.Prepare(temp.path());
  EXPECT_TRUE(errors.empty());
  const QByteArray song = SongResource();
  ASSERT_TRUE(song.startsWith("MThd"));
  EXPECT_EQ(ReadFile(SongPath(temp)), song);

  // Whatever lies there at the next start is used as it is.
  {
    QFile file(SongPath(temp));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("MThd from an earlier start");
  }
  MusicPlayer second(settings, output);
  second.SetErrorHandler([this](const QString& message) { errors.push_back(message); });
  second.Prepare(temp.path());
  EXPECT_TRUE(errors.empty());
  EXPECT_EQ(ReadFile(SongPath(temp)), QByteArray("MThd from an earlier start"));
}

TEST_F(MusicPlayerTest, UnwritableFolderIsReportedAndStaysSilent) {
  EXPECT_FALSE(music.Prepare(temp.path() + QStringLiteral("/no/such/folder")));
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], QStringLiteral("Can`t create music file!"));
  EXPECT_FALSE(music.Open());
  music.SetMenuShown(true);
  EXPECT_FALSE(music.Started());
}

TEST_F(MusicPlayerTest, SavingTheSettingsRemovesTheSongOfAClosedPlayer) {
  music.Prepare(temp.path());
  ASSERT_TRUE(QFile::exists(SongPath(temp)));
  if (music.Open()) {
    // A player that holds the song keeps it, as the game always has.
    music.BeforeSettingsSaved();
    EXPECT_TRUE(QFile::exists(SongPath(temp)));
    music.Close();
  }
  music.BeforeSettingsSaved();
  EXPECT_FALSE(QFile::exists(SongPath(temp)));
}

TEST_F(MusicPlayerTest, WithoutAnAudioDeviceEverythingIsQuietAndQuick) {
  if (output.HasDevice()) GTEST_SKIP() << "this machine has an audio device";
  QElapsedTimer timer;
  timer.start();
  EXPECT_FALSE(music.Prepare(temp.path()));  // the file is there, the player is not
  EXPECT_TRUE(errors.empty());
  music.SetMenuShown(true);
  EXPECT_FALSE(music.Started());
  const std::string long_clip = MakeWav(std::string(22050 * 2 * 3, '\0'), 1, 22050);  // 3 s
  output.PlayClip(QByteArray::fromStdString(long_clip), true);
  EXPECT_LT(timer.elapsed(), 1000);
}

TEST(MusicPlayer, PlaysInTheMenuWithMusicOnAndLoops) {
  QTemporaryDir temp;
  Settings settings;
  testing::RecordingSong song;
  MusicPlayer music(settings, song);
  ASSERT_TRUE(music.Prepare(temp.path()));
  // The player plays the file in the temporary folder.
  EXPECT_EQ(song.opened, ReadFile(SongPath(temp)));
  EXPECT_TRUE(song.log.empty());  // the title shows: no music yet

  using Log = std::vector<std::string>;
  music.SetMenuShown(true);
  EXPECT_EQ(song.log, Log{"start"});
  music.Update();  // still sounding: left alone
  EXPECT_EQ(song.log, Log{"start"});
  song.ended = true;  // the one-second check starts it again
  music.Update();
  EXPECT_EQ(song.log, (Log{"start", "start"}));

  song.log.clear();
  music.SetMenuShown(false);  // a deal starts
  music.Update();
  music.SetMenuShown(true);  // back in the menu
  EXPECT_EQ(song.log, (Log{"stop", "start"}));

  song.log.clear();
  settings.MusicOn = false;  // the options dialog's check box
  music.MusicSettingChanged();
  music.SetMenuShown(true);
  settings.MusicOn = true;
  music.MusicSettingChanged();
  EXPECT_EQ(song.log, (Log{"stop", "start"}));

  song.log.clear();
  song.failed = true;  // the synthesiser gave up: silence, and no retrying
  music.Update();
  music.Update();
  EXPECT_EQ(song.log, Log{"stop"});
}

TEST(SongSynth, RendersTheSongWithTheSoundFontAndEnds) {
  const std::filesystem::path font = FindSoundFont();
  ASSERT_FALSE(font.empty()) << "a General MIDI sound font is installed with the build's packages";
  SongSynth synth;
  ASSERT_TRUE(synth.Open(QString::fromStdString(font.string()), SongResource()));
  ASSERT_TRUE(synth.Restart());
  EXPECT_TRUE(synth.Playing());
  // The first seconds carry sound.
  const QByteArray start = Render(synth, 2);
  ASSERT_EQ(start.size(), SongSynth::kSampleRate * 4 * 2);
  int loud = 0;
  for (qsizetype i = 0; i + 1 < start.size(); i += 2)
    if (std::abs(int16_t(uint8_t(start[i]) | uint8_t(start[i + 1]) << 8)) > 1000) ++loud;
  EXPECT_GT(loud, 1000);
  // It runs to its end within a minute of music, and starts again from the top.
  for (int second = 2; second < 60 && synth.Playing(); ++second) Render(synth, 1);
  EXPECT_TRUE(synth.Ended());
  EXPECT_FALSE(synth.Playing());
  ASSERT_TRUE(synth.Restart());
  EXPECT_TRUE(synth.Playing());
  EXPECT_FALSE(synth.Ended());
}

TEST(SongSynth, RefusesWhatIsNotASong) {
  const std::filesystem::path font = FindSoundFont();
  ASSERT_FALSE(font.empty());
  SongSynth not_midi;
  EXPECT_FALSE(not_midi.Open(QString::fromStdString(font.string()), QByteArray("RIFF....")));
  SongSynth no_font;
  EXPECT_FALSE(no_font.Open(QStringLiteral("/no/such/font.sf2"), SongResource()));
}

}  // namespace
}  // namespace quorvex
