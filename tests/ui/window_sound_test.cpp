// The window's sounds: the controller's effects reach the sound player, a right click names a
// card, and the menu song follows the screens.
#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMessageBox>
#include <QTemporaryDir>

#include "locale/lang_text.h"
#include "sound/voice_names.h"
#include "sound_recorders.h"
#include "ui/dialogs/modal_run.h"
#include "ui/media/music_player.h"
#include "ui/media/sound_player.h"
#include "window_fixture.h"

namespace quorvex::testing {
namespace {

class WindowSoundTest : public WindowTest {
 protected:
  WindowSoundTest() {
    sound.SetLibraryDir(kBinDir);
    music.SetErrorHandler([](const QString& message) { ADD_FAILURE() << message.toStdString(); });
    EXPECT_TRUE(music.Prepare(temp.path()));
    window.SetSound(&sound, &music);
  }
  ~WindowSoundTest() override { window.SetSound(nullptr, nullptr); }

  QByteArray LastClip() const {
    return clips.played.empty() ? QByteArray() : clips.played.back().wav;
  }

  Settings settings;
  RecordingClips clips;
  RecordingSong song;
  QTemporaryDir temp;
  SoundPlayer sound{settings, clips};
  MusicPlayer music{settings, song};
};

TEST_F(WindowSoundTest, EffectsOfTheGameAreHeardWhileTheSoundIsOn) {
  StartGame();
  ASSERT_EQ(clips.played.size(), 1u);
  EXPECT_EQ(LastClip(), EffectClip("WTasoKo"));
  EXPECT_FALSE(clips.played.back().wait);
  PressMain();
  PlayTrick();
  // Every card played holds the game until its sound has been heard.
  int cards = 0;
  for (const PlayedClip& clip : clips.played)
    if (clip.wav == EffectClip("WHodsDo")) {
      ++cards;
      EXPECT_TRUE(clip.wait);
    }
  EXPECT_EQ(cards, 2);

  settings.SoundOn = false;
  clips.played.clear();
  PressMain();
  PlayTrick();
  EXPECT_TRUE(clips.played.empty());
}

TEST_F(WindowSoundTest, TheMenuPageAndTheWindowsSoundAsTheyOpen) {
  Click(QPoint(380, 250));  // leaves the title
  clips.played.clear();
  // The popup menu opens over the main menu too, with the session's items off.
  Click(QPoint(40, 460), Qt::RightButton);
  EXPECT_TRUE(window.PopupMenu()->isVisible());
  EXPECT_FALSE(window.ExitToMenuAction()->isEnabled());
  EXPECT_FALSE(window.GeneralScoreAction()->isEnabled());
  ASSERT_EQ(clips.played.size(), 1u);
  EXPECT_EQ(LastClip(), EffectClip("WOpenFo"));
  window.PopupMenu()->hide();

  // The question before leaving a session is a window of its own.
  QTest::mouseClick(window.PlayButton(), Qt::LeftButton);
  window.SetAskHandler({});
  SetModalHook([](QDialog&) { return int(QMessageBox::Yes); });
  clips.played.clear();
  window.ExitToMenuAction()->trigger();
  SetModalHook(nullptr);
  EXPECT_EQ(window.CurrentScreen(), Screen::Menu);
  ASSERT_FALSE(clips.played.empty());
  EXPECT_EQ(clips.played.front().wav, EffectClip("WOpenFo"));
}

TEST_F(WindowSoundTest, RightClickSpeaksOwnTableAndShownCards) {
  settings.SoundOn = false;  // the names are spoken all the same
  StartGame();
  const HandModel& lower = window.Model().hands[2];
  Click(LowerCardPoint(3), Qt::RightButton);
  ASSERT_EQ(clips.played.size(), 1u);
  EXPECT_EQ(LastClip(), VoiceClip(VoiceResourceName(lower.cards[2], 0)));
  EXPECT_FALSE(clips.played.back().wait);

  // The computer's hand lies face down: nothing to name there.
  Click(window.Layout().Hand(1).center(), Qt::RightButton);
  EXPECT_EQ(clips.played.size(), 1u);
  EXPECT_FALSE(window.PopupMenu()->isVisible());

  PressMain();
  PlayTrick();
  for (int seat = 1; seat <= 2; ++seat) {
    const TCard on_table = window.Model().trick[seat];
    // A corner of the spot that the other seat's card does not cover.
    const QRect spot = window.Layout().TrickCard(seat);
    const QPoint corner =
        seat == 1 ? spot.topLeft() + QPoint(3, 3) : spot.bottomRight() - QPoint(3, 3);
    ASSERT_FALSE(window.Layout().TrickCard(3 - seat).contains(corner));
    Click(corner, Qt::RightButton);
    EXPECT_EQ(LastClip(), VoiceClip(VoiceResourceName(on_table, 0))) << seat;
  }

  // After the deal the computer's cards may lie face up: then they are named too, in the
  // current language.
  window.DrawHand(State(), 1, true);
  SetCurrentLanguage(9);
  const TCard upper_first = window.Model().hands[1].cards[0];
  Click(QPoint(window.Model().hands[1].lefts[0] + 3, window.Layout().Hand(1).center().y()),
        Qt::RightButton);
  SetCurrentLanguage(0);
  EXPECT_EQ(LastClip(), VoiceClip(VoiceResourceName(upper_first, 9)));
}

TEST_F(WindowSoundTest, MenuSongStopsForADealAndComesBackInTheMenu) {
  using Log = std::vector<std::string>;
  StartGame();  // title, then the menu, then the table
  EXPECT_EQ(song.log, (Log{"start", "stop"}));
  window.ExitToMenuAction()->trigger();
  EXPECT_EQ(window.CurrentScreen(), Screen::Menu);
  EXPECT_EQ(song.log, (Log{"start", "stop", "start"}));
}

}  // namespace
}  // namespace quorvex::testing
