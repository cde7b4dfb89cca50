// The whole program's radio and playlist against the test's server: the station list and the
// playlist fetched at start, the menu's "Radio", and the station found again after a restart.
#include <gtest/gtest.h>

#include <QAction>
#include <QTemporaryDir>
#include <filesystem>

#include "server/program_fakes.h"
#include "server/test_server.h"
#include "sound/fake_stream_player.h"
#include "ui/art/resource_library.h"
#include "ui/dialogs/modal_run.h"
#include "ui/dialogs/radio_window.h"
#include "ui/media/playlist_player.h"
#include "ui/media/radio_set.h"
#include "ui/table/program_start.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;

TEST(RadioProgram, TheStationIsFoundAgainAfterARestart) {
  if (qgetenv("QUORVEX_TEST_DATABASE") == "postgres") GTEST_SKIP() << "the game's side is the same";
  Server server;
  ASSERT_TRUE(server.Started());
  SetLibraryDirectory(QStringLiteral(QUORVEX_BIN_DIR));
  QTemporaryDir game, temp;
  const fs::path dir = ProgramFolder(game.path());
  ASSERT_FALSE(dir.empty());
  int opened_windows = 0;
  SetModalHook([&opened_windows](QDialog& dialog) {
    if (qobject_cast<TFRadio*>(&dialog)) ++opened_windows;
    return int(QDialog::Rejected);
  });
  Redirect http(server.Url(""));
  SilentClips clips;
  SilentSong song;
  // The radio's player is made first, the playlist's second.
  std::vector<FakePlayer*> players;
  ProgramPlaces places{dir, temp.path(), nullptr, &http};
  places.streams = [&players] {
    auto player = std::make_unique<FakePlayer>();
    players.push_back(player.get());
    return player;
  };

  {
    ProgramStart program(places, clips, song);
    ASSERT_TRUE(program.Start());
    RadioSet& radio = program.Radio();
    ASSERT_TRUE(radio.Available()) << "the list comes from the server";
    EXPECT_TRUE(fs::exists(dir.parent_path() / "ZefRadio.ser"));
    EXPECT_FALSE(radio.On());
    EXPECT_TRUE(program.Playlist().Enabled()) << "the server's playlist has six tracks";

    ASSERT_TRUE(program.Window().RadioAction()->isEnabled());
    program.Window().RadioAction()->trigger();
    EXPECT_EQ(opened_windows, 1);

    radio.Toggle();
    std::vector<RadioStation> shown;
    radio.Fill(/*Latvia*/ 6, shown);
    ASSERT_GE(shown.size(), 2u);
    radio.Tune(shown[1]);
    radio.VolumeUp();
    ASSERT_EQ(players.size(), 2u);
    EXPECT_TRUE(players[0]->playing);
    EXPECT_EQ(players[0]->opened.back().substr(players[0]->opened.back().rfind('/')),
              "/quorvex2.mp3");
    EXPECT_TRUE(program.Finish());
  }
  EXPECT_TRUE(fs::exists(dir.parent_path() / "ZefRadio.ini"));

  players.clear();
  {
    ProgramStart program(places, clips, song);
    ASSERT_TRUE(program.Start());
    const RadioSettings& settings = program.Radio().State().Settings();
    EXPECT_TRUE(settings.on);
    EXPECT_EQ(settings.station.name, "Quorvex Radio Two");
    EXPECT_EQ(settings.volume, 40);
    EXPECT_EQ(settings.filter, 6);
    // Left on, it plays again at once.
    ASSERT_EQ(players.size(), 2u);
    EXPECT_TRUE(players[0]->playing);
    EXPECT_EQ(players[0]->volume, 40);
    program.Finish();
  }
  SetModalHook(nullptr);
  SetLibraryDirectory(QString());
}

}  // namespace
}  // namespace quorvex
