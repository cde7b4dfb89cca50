#include "sound/song_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace quorvex {
namespace {

namespace fs = std::filesystem;

class SongFileTest : public ::testing::Test {
 protected:
  SongFileTest() {
    dir = fs::temp_directory_path() /
          ("quorvex-song-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
           "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  ~SongFileTest() override { fs::remove_all(dir); }

  std::string Read() const {
    std::ifstream in(dir / SongFileName(), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  fs::path dir;
};

TEST_F(SongFileTest, NameCarriesTheGameCode) {
  EXPECT_EQ(SongFileName(), "temp47_25.mid");
}

TEST_F(SongFileTest, WrittenOnceThenFoundUnchanged) {
  EXPECT_EQ(PrepareSongFile(dir, "MThd first"), SongFileState::Written);
  EXPECT_EQ(Read(), "MThd first");
  // A second start finds the file and leaves it as it is.
  EXPECT_EQ(PrepareSongFile(dir, "MThd second"), SongFileState::Found);
  EXPECT_EQ(Read(), "MThd first");
}

TEST_F(SongFileTest, UnwritableFolderFails) {
  EXPECT_EQ(PrepareSongFile(dir / "missing", "MThd"), SongFileState::Failed);
  EXPECT_FALSE(fs::exists(dir / "missing" / SongFileName()));
}

TEST_F(SongFileTest, SavingTheSettingsRemovesTheFileUnlessHeld) {
  ASSERT_EQ(PrepareSongFile(dir, "MThd"), SongFileState::Written);
  DeleteSongFile(dir, true);
  EXPECT_TRUE(fs::exists(dir / SongFileName()));
  DeleteSongFile(dir, false);
  EXPECT_FALSE(fs::exists(dir / SongFileName()));
  DeleteSongFile(dir, false);  // nothing left to remove is no error
  EXPECT_EQ(PrepareSongFile(dir, "MThd again"), SongFileState::Written);
}

TEST(MusicRule, PlaysOnlyInTheMenuWithMusicOnAndASong) {
  EXPECT_TRUE(MusicShouldPlay(true, true, true));
  EXPECT_FALSE(MusicShouldPlay(false, true, true));
  EXPECT_FALSE(MusicShouldPlay(true, false, true));
  EXPECT_FALSE(MusicShouldPlay(true, true, false));
}

}  // namespace
}  // namespace quorvex
