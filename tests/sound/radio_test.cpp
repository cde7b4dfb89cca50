#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "sound/fake_stream_player.h"
#include "sound/playlist.h"
#include "sound/radio.h"
#include "sound/radio_stations.h"

namespace quorvex {
namespace {

class CountingRandom : public Random {
 public:
  void Reseed() override {}
  int Below(int n) override { return n > 0 ? (next++) % n : 0; }
  int next = 0;
};

const char* const kList =
    "# Our stations, then two of Japan\n"
    "LAT#QVX0001#Quorvex One#Latvia#http://127.0.0.1:8047/radio/quorvex1.mp3#RRADIO_LOGO_Q1\n"
    "LAT#QVX0002#Quorvex Two#Latvia#http://127.0.0.1:8047/radio/quorvex2.mp3#\n"
    "JAP#JPN0001#Tokyo Jazz#Japan#http://127.0.0.1/tokyo#RRADIO_LOGO_TOKYO\n"
    "JAP#JPN0002#Осака FM#Japan#http://127.0.0.1/osaka#RRADIO_LOGO_OSAKA\n";

std::string Utf16Be(const std::string& le_with_bom) {
  std::string out = "\xFE\xFF";
  for (size_t i = 2; i + 1 < le_with_bom.size(); i += 2) {
    out += le_with_bom[i + 1];
    out += le_with_bom[i];
  }
  return out;
}

TEST(StationList, ReadsEveryFormAndSurvivesDamage) {
  const std::string le = StationListBytes(kList);
  const std::string long_name(2000, 'x');
  const std::string damaged_text = std::string("LAT#SHORT01#Only three fields\n") + "LAT#LONGONE#" +
                                   long_name + "#Latvia#http://127.0.0.1/x#L\n";
  struct Case {
    const char* what;
    std::string bytes;
    size_t stations;
    std::string second_name;
  };
  const Case cases[] = {
      {"little-endian with its mark", le, 4, "Quorvex Two"},
      {"big-endian with its mark", Utf16Be(le), 4, "Quorvex Two"},
      {"no mark", le.substr(2), 4, "Quorvex Two"},
      {"an odd last byte", le + "\x41", 4, "Quorvex Two"},
      {"cut in the middle of a line", le.substr(0, le.size() - 100), 3, "Quorvex Two"},
      {"short and over-long lines", StationListBytes(damaged_text), 1, ""},
      {"nothing", "", 0, ""},
      {"one byte", "\xFF", 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const std::vector<RadioStation> stations = ReadStationList(c.bytes);
    ASSERT_EQ(stations.size(), c.stations);
    if (!c.second_name.empty()) {
      EXPECT_EQ(stations[1].name, c.second_name);
    }
  }
  const std::vector<RadioStation> stations = ReadStationList(le);
  EXPECT_EQ(stations[0].id, "QVX0001");
  EXPECT_EQ(stations[0].code, "LAT");
  EXPECT_EQ(stations[0].address, "http://127.0.0.1:8047/radio/quorvex1.mp3");
  EXPECT_EQ(stations[1].logo, kDefaultStationLogo);  // no logo named
  EXPECT_EQ(stations[3].name, "Осака FM");
  const std::vector<RadioStation> cut = ReadStationList(StationListBytes(damaged_text));
  EXPECT_EQ(cut[0].name.size(), 512u);
}

TEST(Radio, FiltersTunesAndStepsTheVolume) {
  FakePlayer player;
  Radio radio(player);
  RadioSettings settings = DefaultRadioSettings("http://127.0.0.1:8047");
  settings.station.name = "Quorvex One";
  settings.on = true;
  radio.Load(true, settings);
  const std::vector<RadioStation> all = ReadStationList(StationListBytes(kList));
  std::vector<RadioStation> shown;
  // Every station: the current one stays selected, nothing is tuned anew.
  EXPECT_EQ(radio.FillStationList(all, 0, shown), 0);
  EXPECT_EQ(shown.size(), 4u);
  EXPECT_TRUE(player.opened.empty());
  // "Japan" lists only its stations; the current one is not among them: the first is tuned.
  EXPECT_EQ(radio.FillStationList(all, 27, shown), 0);
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].code, "JAP");
  EXPECT_EQ(radio.Settings().station.name, "Tokyo Jazz");
  EXPECT_EQ(player.opened, std::vector<std::string>{"http://127.0.0.1/tokyo"});
  EXPECT_TRUE(player.playing);
  EXPECT_EQ(radio.Hint("Radio"), "Radio: Tokyo Jazz");

  // From 30, seven steps up reach 100 and the next changes nothing; down from 0 neither.
  for (int i = 0; i < 7; ++i) radio.VolumeUp();
  EXPECT_EQ(radio.Settings().volume, 100);
  radio.VolumeUp();
  EXPECT_EQ(radio.Settings().volume, 100);
  EXPECT_EQ(player.volume, 100);
  for (int i = 0; i < 12; ++i) radio.VolumeDown();
  EXPECT_EQ(radio.Settings().volume, 0);

  // Off stops; a dead address plays nothing and says nothing.
  radio.ToggleRadio();
  EXPECT_FALSE(player.playing);
  RadioStation dead = shown[1];
  dead.address = "http://127.0.0.1:1/dead";
  radio.ToggleRadio();
  radio.TuneStation(dead);
  EXPECT_FALSE(player.playing);

  // Without its pictures or a list the radio stays off.
  Radio missing(player);
  missing.Load(false, settings);
  missing.ToggleRadio();
  EXPECT_FALSE(missing.Settings().on);
}

TEST(RadioIni, AnEmptyStationLoadsAsWrittenAndIsSavedAsTheDefault) {
  const RadioSettings defaults = DefaultRadioSettings("http://127.0.0.1:8047");
  const RadioSettings read = ParseRadioIni(
      "\r\nhttp://127.0.0.1/x\r\nLatvia\r\nRRADIO_LOGO_Q1\r\n1\r\n70\r\n6\r\n", defaults);
  EXPECT_EQ(read.station.name, "");
  EXPECT_EQ(read.station.address, "http://127.0.0.1/x");
  EXPECT_TRUE(read.on);
  EXPECT_EQ(read.volume, 70);
  EXPECT_EQ(read.filter, 6);
  const RadioSettings saved = ParseRadioIni(RadioIniBytes(read, defaults), defaults);
  EXPECT_EQ(saved.station.name, defaults.station.name);
  EXPECT_EQ(saved.station.address, defaults.station.address);
  EXPECT_TRUE(saved.on);
  EXPECT_EQ(saved.volume, 70);
  // Damaged numbers keep the defaults; a station round-trips through the file.
  const RadioSettings odd = ParseRadioIni("A\nB\nC\nD\nyes\n-5x\n99\n", defaults);
  EXPECT_FALSE(odd.on);
  EXPECT_EQ(odd.volume, 30);
  EXPECT_EQ(odd.filter, 0);
  const std::filesystem::path file =
      std::filesystem::path(::testing::TempDir()) / "radio_ini_test" / "ZefRadio.ini";
  std::filesystem::create_directories(file.parent_path());
  RadioSettings cyrillic = defaults;
  cyrillic.station.name = "Радио Рига";
  ASSERT_TRUE(WriteRadioIni(file, cyrillic, defaults));
  const std::optional<RadioSettings> back = ReadRadioIni(file, defaults);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->station.name, "Радио Рига");
  std::filesystem::remove_all(file.parent_path());
}

TEST(Playlist, ReadsItsLinesAndPlaysTrackAfterTrack) {
  const std::string text =
      "Quorvex_Band~Morning_Deal.mp3\r\n"
      "Quorvex Band~Evening.mp3\n"
      "no tilde.mp3\n"
      "Band~not a song.txt\n"
      "Band~../../etc/passwd.mp3\n"
      "A~One.mp3\nB~Two.mp3\nC~Three.mp3\n";
  const std::vector<PlaylistTrack> tracks = ParsePlaylist(text, "http://127.0.0.1:8047/musik/");
  ASSERT_EQ(tracks.size(), 4u);  // the blank in "Quorvex Band~Evening" is no file name either
  EXPECT_EQ(tracks[0].artist, "Quorvex Band");
  EXPECT_EQ(tracks[0].title, "Morning Deal");
  EXPECT_EQ(tracks[0].address, "http://127.0.0.1:8047/musik/Quorvex_Band~Morning_Deal.mp3");

  FakePlayer player;
  CountingRandom random;
  Playlist list(player, random);
  list.Load(tracks);
  EXPECT_FALSE(list.Enabled());  // four tracks are not enough
  list.TogglePlaylist();
  EXPECT_FALSE(player.playing);
  std::vector<PlaylistTrack> five = tracks;
  five.push_back({"D", "Four", "http://127.0.0.1:8047/musik/D~Four.mp3"});
  list.Load(five);
  ASSERT_TRUE(list.Enabled());
  EXPECT_EQ(list.Volume(), 50);
  list.TogglePlaylist();
  EXPECT_TRUE(player.playing);
  EXPECT_EQ(player.volume, 50);
  const std::string first = player.opened.back();
  // A track played to its end is followed by another.
  player.length = 1000;
  player.position = 999;
  list.CheckTrackEnd();
  EXPECT_EQ(player.opened.size(), 1u);
  player.position = 1000;
  list.CheckTrackEnd();
  ASSERT_EQ(player.opened.size(), 2u);
  EXPECT_NE(player.opened.back(), first);
  EXPECT_EQ(list.Hint(), list.Current()->artist + "  :  " + list.Current()->title);
  // The volume picture: right of 34 louder, up to 25 softer, between them nothing.
  struct Click {
    int x;
    int volume;
  };
  for (const Click c : {Click{40, 55}, Click{30, 55}, Click{25, 50}, Click{0, 45}}) {
    list.PlaylistVolume(c.x);
    EXPECT_EQ(list.Volume(), c.volume) << c.x;
  }
  list.TogglePlaylist();
  EXPECT_FALSE(player.playing);
}

}  // namespace
}  // namespace quorvex
