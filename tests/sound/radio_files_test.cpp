#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "sound/fake_stream_player.h"
#include "sound/playlist_download.h"
#include "sound/radio_files.h"
#include "support/offline_http.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;

const char* const kBase = "http://127.0.0.1:8047";
const char* const kList =
    "LAT#QVX0001#Quorvex One#Latvia#http://127.0.0.1:8047/radio/quorvex1.mp3#RRADIO_LOGO_Q1\n"
    "JAP#JPN0001#Tokyo Jazz#Japan#http://127.0.0.1/tokyo#RRADIO_LOGO_TOKYO\n";

// program/ beside the program, its parent holding the state file and the downloaded list.
class RadioFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::path(::testing::TempDir()) /
            ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(root_);
    fs::create_directories(root_ / "program");
    files_ = {root_ / "program", root_, kBase};
  }
  void TearDown() override { fs::remove_all(root_); }

  static void Write(const fs::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
  }
  static std::string Read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  void AnswerWith(std::string body, bool ok = true) {
    http_.answer = [body, ok](const HttpRequest&) {
      HttpReply reply;
      reply.ok = ok;
      reply.status = ok ? 200 : 404;
      reply.body = body;
      return reply;
    };
  }

  fs::path root_;
  RadioFiles files_;
  testing::OfflineHttp http_;
  FakePlayer player_;
};

TEST_F(RadioFilesTest, TheRadioIsAvailableOnlyWithItsPicturesAndAList) {
  const std::string ini = "Tokyo Jazz\r\nhttp://127.0.0.1/tokyo\r\nJapan\r\nL\r\n1\r\n60\r\n27\r\n";
  Write(files_.IniFile(), ini);
  struct Case {
    const char* what;
    bool server_first, library, installed_beside, installed_above, download_ok;
    bool available;
  };
  const Case cases[] = {
      {"disk, list beside the program", false, true, true, false, false, true},
      {"disk, list above the program", false, true, false, true, false, true},
      {"disk, no list", false, true, false, false, false, false},
      {"no picture library", false, false, true, false, true, false},
      {"server answers", true, true, false, false, true, true},
      {"server fails, an installed list does not help", true, true, true, false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    fs::remove(files_.program_dir / "ZefRadio.rad");
    fs::remove(files_.shared_dir / "ZefRadio.rad");
    fs::remove(files_.ServerList());
    if (c.installed_beside) Write(files_.program_dir / "ZefRadio.rad", StationListBytes(kList));
    if (c.installed_above) Write(files_.shared_dir / "ZefRadio.rad", StationListBytes(kList));
    AnswerWith(c.download_ok ? StationListBytes(kList) : "<html>Not found</html>", c.download_ok);
    Radio radio(player_);
    LoadRadioSettings(radio, files_, c.server_first, c.library, http_);
    EXPECT_EQ(radio.Available(), c.available);
    EXPECT_EQ(radio.Settings().on, c.available);
    EXPECT_EQ(radio.Settings().station.name, c.available ? "Tokyo Jazz" : "Quorvex Radio One");
    ASSERT_EQ(StationListFile(files_, c.server_first).has_value(),
              c.available || (!c.library && c.installed_beside));
    if (c.available) {
      EXPECT_EQ(ReadStationFile(*StationListFile(files_, c.server_first)).size(), 2u);
    }
    // Saving writes back what was read; a radio that could not start leaves the file alone.
    EXPECT_TRUE(SaveRadioSettings(radio, files_));
    EXPECT_EQ(Read(files_.IniFile()), ini);
  }
  ASSERT_FALSE(http_.requests.empty());
  EXPECT_EQ(http_.requests.back().url, std::string(kBase) + "/downloads/progr/cards/ZefRadio.rad");
  EXPECT_FALSE(http_.requests.back().post);
}

TEST_F(RadioFilesTest, AFailedDownloadKeepsTheLastListAndSavingWritesTheState) {
  Write(files_.ServerList(), StationListBytes(kList));
  AnswerWith("", true);  // an empty answer is no list
  EXPECT_FALSE(DownloadStationList(http_, files_));
  EXPECT_EQ(ReadStationFile(files_.ServerList()).size(), 2u);

  Write(files_.program_dir / "ZefRadio.rad", StationListBytes(kList));
  Radio radio(player_);
  LoadRadioSettings(radio, files_, false, true, http_);
  ASSERT_TRUE(radio.Available());
  EXPECT_FALSE(radio.Settings().on);  // no state file: the built-in station, off
  radio.VolumeUp();
  ASSERT_TRUE(SaveRadioSettings(radio, files_));
  EXPECT_EQ(Read(files_.IniFile()),
            "Quorvex Radio One\r\nhttp://127.0.0.1:8047/radio/quorvex1.mp3\r\nLatvia\r\n"
            "RRADIO_LOGO_QUORVEX1\r\n0\r\n40\r\n0\r\n");
  // No temporary file is left beside it.
  size_t entries = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(root_)) ++entries;
  EXPECT_EQ(entries, 3u);  // program/, ZefRadio.ser, ZefRadio.ini
}

class FirstRandom : public Random {
 public:
  void Reseed() override {}
  int Below(int) override { return 0; }
};

TEST_F(RadioFilesTest, ThePlaylistComesFromTheMusicFolderAndStopsAfterDeadTracks) {
  FirstRandom random;
  Playlist playlist(player_, random);
  EXPECT_FALSE(LoadPlaylist(playlist, http_, kBase));  // offline: disabled
  AnswerWith("A~One.mp3\nB~Two.mp3\nC~Three.mp3\nD~Four.mp3\nE~Five.mp3\n");
  ASSERT_TRUE(LoadPlaylist(playlist, http_, kBase));
  EXPECT_EQ(http_.requests.back().url, std::string(kBase) + "/musik/_playlist.html");
  EXPECT_EQ(playlist.Current()->address, std::string(kBase) + "/musik/A~One.mp3");

  // A track that breaks off is followed by another; three in a row stop the strip.
  playlist.TogglePlaylist();
  ASSERT_TRUE(playlist.Playing());
  player_.failed = true;
  playlist.CheckTrackEnd();
  playlist.CheckTrackEnd();
  EXPECT_TRUE(playlist.Playing());
  EXPECT_EQ(player_.opened.size(), 3u);
  playlist.CheckTrackEnd();
  EXPECT_FALSE(playlist.Playing());
  EXPECT_FALSE(player_.playing);
  playlist.CheckTrackEnd();
  EXPECT_EQ(player_.opened.size(), 3u);
}

}  // namespace
}  // namespace quorvex
