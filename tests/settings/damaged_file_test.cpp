// Reading settings files that the game did not write, or that were damaged on disk.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "settings/settings_file.h"
#include "settings_fixture.h"

namespace quorvex {
namespace {

using Lines = std::vector<std::string>;

struct DamageCase {
  const char* name;
  std::function<std::string(Lines)> damage;  // the good file's lines -> the damaged file
  SettingsReadEnd end;
  int stop_line;
  std::function<void(Settings&)> expect;  // turns the good file's settings into the expected
};

std::function<std::string(Lines)> SetLine(int n, std::string text) {
  return [n, text](Lines lines) {
    lines[n - 1] = text;
    return JoinLines(lines);
  };
}

// Everything before the line stays, everything from it on is default.
std::function<void(Settings&)> StoppedAt(int line) {
  return [line](Settings& s) { s = KeptThrough(s, line - 1); };
}

void Unchanged(Settings&) {}

const std::string kRecords = BuiltInAddress(ServiceAddress::TopTen);

const DamageCase kCases[] = {
    // Whole-file damage.
    {"empty file", [](Lines) { return std::string(); }, SettingsReadEnd::TooFewLines, 0,
     [](Settings& s) { s = Settings(); }},
    {"34 lines",
     [](Lines l) {
       l.pop_back();
       return JoinLines(l);
     },
     SettingsReadEnd::TooFewLines, 0, [](Settings& s) { s = Settings(); }},
    {"cut inside line 20", [](Lines l) { return JoinLines(l).substr(0, 250); },
     SettingsReadEnd::TooFewLines, 0, [](Settings& s) { s = Settings(); }},
    {"old Mac line ends", [](Lines l) { return JoinLines(l, "\r"); }, SettingsReadEnd::TooFewLines,
     0, [](Settings& s) { s = Settings(); }},
    {"binary without line ends",
     [](Lines) {
       std::string bytes(5000, '\0');
       std::mt19937 random(47);
       for (char& c : bytes) c = static_cast<char>(random());
       for (char& c : bytes) c = c == '\n' ? 'x' : c;
       return bytes;
     },
     SettingsReadEnd::TooFewLines, 0, [](Settings& s) { s = Settings(); }},
    {"last line end missing",
     [](Lines l) { return JoinLines(l).substr(0, JoinLines(l).size() - 2); },
     SettingsReadEnd::Complete, 0, Unchanged},
    {"LF line ends", [](Lines l) { return JoinLines(l, "\n"); }, SettingsReadEnd::Complete, 0,
     Unchanged},
    {"lines after the 35th", [](Lines l) { return JoinLines(l) + "junk\r\n\xFF\xFE\r\n"; },
     SettingsReadEnd::Complete, 0, Unchanged},

    // Line 2, the flags.
    {"flags line is the single character 1", SetLine(2, "1"), SettingsReadEnd::Complete, 0,
     [](Settings& s) {
       CopyFlags(s, Settings());
       s.Language = 1;
     }},
    {"flags line over-long", [](Lines l) { return SetLine(2, l[1] + std::string(10000, '0'))(l); },
     SettingsReadEnd::Complete, 0, Unchanged},
    {"language code of no existing language",
     [](Lines l) { return SetLine(2, "c" + l[1].substr(1))(l); }, SettingsReadEnd::Complete, 0,
     [](Settings& s) { s.Language = 0; }},
    {"flags of unknown characters", SetLine(2, "x9x9x9x9x9x9x9x9x9x9"), SettingsReadEnd::Complete,
     0,
     [](Settings& s) {
       CopyFlags(s, Settings());
       s.InstallReported = s.StatsVoteSent = s.RadioListServerFirst = false;
     }},

    // Lines 4 to 17: cards, deck, per-game option, fonts.
    {"card set not a number", SetLine(4, "4x"), SettingsReadEnd::Complete, 0,
     [](Settings& s) { s.CardFaceSet = 0; }},
    {"card set out of range", SetLine(4, "48"), SettingsReadEnd::Complete, 0,
     [](Settings& s) { s.CardFaceSet = 0; }},
    {"deck line of two characters", SetLine(6, "12"), SettingsReadEnd::Stopped, 6, StoppedAt(6)},
    {"deck out of range", SetLine(6, "131"), SettingsReadEnd::Complete, 0,
     [](Settings& s) { s.DeckSet = 0; }},
    {"deck not a number", SetLine(6, "ab0"), SettingsReadEnd::Complete, 0,
     [](Settings& s) { s.DeckSet = 0, s.DeckAlwaysOne = false; }},
    {"per-game line empty", SetLine(8, ""), SettingsReadEnd::Complete, 0,
     [](Settings& s) { s.ShowCardsAtEnd = true; }},
    {"font name of one character", SetLine(11, "A"), SettingsReadEnd::Stopped, 11, StoppedAt(11)},
    {"font scale empty", SetLine(15, ""), SettingsReadEnd::Stopped, 15, StoppedAt(15)},
    {"font scale not a number", SetLine(16, "big"), SettingsReadEnd::Complete, 0,
     [](Settings& s) { s.FontScale[3] = 100; }},
    {"font scale out of range", SetLine(17, "151"), SettingsReadEnd::Complete, 0,
     [](Settings& s) { s.FontScale[4] = 100; }},

    // Lines 18 to 24: network, background, player.
    {"network header empty", SetLine(18, ""), SettingsReadEnd::Stopped, 18, StoppedAt(18)},
    {"network address empty", SetLine(19, ""), SettingsReadEnd::Complete, 0,
     [](Settings& s) { s.LanAddress = ""; }},
    // An empty port, nick or city keeps its default; the lines after it are still read.
    {"network port empty", SetLine(20, ""), SettingsReadEnd::Complete, 0,
     [](Settings& s) { s.LanPort = Settings{}.LanPort; }},
    {"background header empty", SetLine(21, ""), SettingsReadEnd::Stopped, 21, StoppedAt(21)},
    {"background empty", SetLine(22, ""), SettingsReadEnd::Stopped, 22, StoppedAt(22)},
    {"background of one character", SetLine(22, "7"), SettingsReadEnd::Complete, 0,
     [](Settings& s) { s.Background = 7, s.BackgroundColour = 0; }},
    {"background not a number", SetLine(22, "ab5"), SettingsReadEnd::Complete, 0,
     [](Settings& s) { s.Background = 2, s.BackgroundColour = 5; }},
    {"background and colour out of range", SetLine(22, "119"), SettingsReadEnd::Complete, 0,
     [](Settings& s) { s.Background = 2, s.BackgroundColour = 0; }},
    {"player header empty", SetLine(23, ""), SettingsReadEnd::Stopped, 23, StoppedAt(23)},
    {"player name empty", SetLine(24, ""), SettingsReadEnd::Complete, 0,
     [](Settings& s) { s.PlayerName = ""; }},

    // Lines 25 to 31: world top ten.
    {"records address not enciphered", SetLine(26, "http://evil.example/"),
     SettingsReadEnd::Complete, 0,
     [](Settings& s) { s.TopTenAddress = BuiltInStoredAddress(ServiceAddress::TopTen); }},
    {"records address empty", SetLine(26, ""), SettingsReadEnd::Complete, 0,
     [](Settings& s) { s.TopTenAddress = BuiltInStoredAddress(ServiceAddress::TopTen); }},
    {"nick empty", SetLine(27, ""), SettingsReadEnd::Complete, 0,
     [](Settings& s) { s.TopTenNick = Settings{}.TopTenNick; }},
    {"city empty", SetLine(29, ""), SettingsReadEnd::Complete, 0,
     [](Settings& s) { s.TopTenCity = Settings{}.TopTenCity; }},
    {"nick over-long", SetLine(27, "ABCDEFGHIJKLMNOP"), SettingsReadEnd::Complete, 0,
     [](Settings& s) { s.TopTenNick = "ABCDEFGHIJKL"; }},
    {"country of region 7", SetLine(28, "7-001"), SettingsReadEnd::Complete, 0,
     [](Settings& s) { s.TopTenCountry = "1-001"; }},
    {"country past its region's list", SetLine(28, "1-049"), SettingsReadEnd::Complete, 0,
     [](Settings& s) { s.TopTenCountry = "1-001"; }},
    {"country last of region 1", SetLine(28, "1-048"), SettingsReadEnd::Complete, 0,
     [](Settings& s) { s.TopTenCountry = "1-048"; }},
    {"country without its minus", SetLine(28, "2x010"), SettingsReadEnd::Complete, 0,
     [](Settings& s) { s.TopTenCountry = "1-001"; }},
    {"country with a letter", SetLine(28, "2-0a1"), SettingsReadEnd::Complete, 0,
     [](Settings& s) { s.TopTenCountry = "1-001"; }},
    {"country of six characters", SetLine(28, "1-0011"), SettingsReadEnd::Stopped, 28,
     StoppedAt(28)},
    {"city over-long", SetLine(29, "Petropavlovsk-Kamchatsky"), SettingsReadEnd::Complete, 0,
     [](Settings& s) { s.TopTenCity = "Petropavlovsk-K"; }},
    {"sex X", SetLine(30, "X"), SettingsReadEnd::Complete, 0,
     [](Settings& s) { s.TopTenSex = "M"; }},
    {"sex as a word", SetLine(30, "Woman"), SettingsReadEnd::Complete, 0,
     [](Settings& s) { s.TopTenSex = "W"; }},
    {"sex empty", SetLine(30, ""), SettingsReadEnd::Complete, 0,
     [](Settings& s) { s.TopTenSex = "M"; }},
    {"statistics line holding the records address", SetLine(31, kRecords),
     SettingsReadEnd::Complete, 0,
     [](Settings& s) { s.StatsAddress = BuiltInStoredAddress(ServiceAddress::Stats); }},

    // Lines 33 to 35: GIF recording.
    {"GIF mark off", SetLine(33, "\xEB"), SettingsReadEnd::Complete, 0,
     [](Settings& s) { s.SaveGamesAsGif = false; }},
    {"GIF mark followed by a blank", SetLine(33, "\xE8 "), SettingsReadEnd::Complete, 0,
     [](Settings& s) { s.SaveGamesAsGif = false; }},
    {"GIF mark in UTF-8", SetLine(33, "\xD0\xB8"), SettingsReadEnd::Complete, 0,
     [](Settings& s) { s.SaveGamesAsGif = false; }},
    {"capture area out of range", SetLine(34, "3"), SettingsReadEnd::Complete, 0,
     [](Settings& s) { s.GifCaptureArea = 1; }},
    {"frame delay too short", SetLine(35, "5"), SettingsReadEnd::Complete, 0,
     [](Settings& s) { s.GifFrameDelay = 1000; }},
    {"frame delay overflowing", SetLine(35, "99999999999999999999"), SettingsReadEnd::Complete, 0,
     [](Settings& s) { s.GifFrameDelay = 1000; }},
    {"frame delay empty", SetLine(35, ""), SettingsReadEnd::Complete, 0,
     [](Settings& s) { s.GifFrameDelay = 1000; }},
};

TEST(ReadDamagedSettings, EachDamageKeepsWhatItShould) {
  const Settings good = NonDefaultSettings();
  const Lines lines = SplitLines(SettingsFileText(good));
  ASSERT_EQ(lines.size(), 35u);
  for (const DamageCase& c : kCases) {
    SCOPED_TRACE(c.name);
    const SettingsReadResult result = ReadSettingsText(c.damage(lines));
    Settings expected = good;
    c.expect(expected);
    EXPECT_EQ(result.end, c.end);
    EXPECT_EQ(result.stop_line, c.stop_line);
    EXPECT_TRUE(result.settings == expected);
  }
}

TEST(ReadDamagedSettings, EmptyPortNickAndCityAreWrittenBackAsTheirDefaults) {
  Lines lines = SplitLines(SettingsFileText(NonDefaultSettings()));
  for (int n : {20, 27, 29}) lines[n - 1].clear();
  const SettingsReadResult result = ReadSettingsText(JoinLines(lines));
  ASSERT_EQ(result.end, SettingsReadEnd::Complete);
  const Lines written = SplitLines(SettingsFileText(result.settings));
  const Settings defaults;
  EXPECT_EQ(written[19], defaults.LanPort);
  EXPECT_EQ(written[26], defaults.TopTenNick);
  EXPECT_EQ(written[28], defaults.TopTenCity);
  EXPECT_FALSE(written[19].empty() || written[26].empty() || written[28].empty());
}

TEST(ReadDamagedSettings, OverLongTextLinesDoNotShiftTheLinesAfterThem) {
  const Settings good = NonDefaultSettings();
  Lines lines = SplitLines(SettingsFileText(good));
  lines[23] = std::string(1 << 20, 'x');
  const SettingsReadResult result = ReadSettingsText(JoinLines(lines));
  EXPECT_EQ(result.end, SettingsReadEnd::Complete);
  Settings rest = result.settings;
  rest.PlayerName = good.PlayerName;
  EXPECT_TRUE(rest == good);
  EXPECT_EQ(result.settings.PlayerName.find_first_not_of('x'), std::string::npos);
}

// Whatever the bytes, the reader stays inside them and leaves every value in its range.
void ExpectUsable(const Settings& s) {
  EXPECT_TRUE(s.Language >= 0 && s.Language <= 9);
  EXPECT_TRUE(s.ClubTableMode == 1 || s.ClubTableMode == 2);
  EXPECT_TRUE(s.Speed >= 1 && s.Speed <= 6);
  EXPECT_TRUE(s.WindowSize >= 1 && s.WindowSize <= 5);
  EXPECT_TRUE(s.CaptionColour >= 1 && s.CaptionColour <= 7);
  EXPECT_TRUE(s.DialogStyle >= 1 && s.DialogStyle <= 3);
  EXPECT_TRUE(s.MenuDesign >= 0 && s.MenuDesign <= 1 && s.TableDesign >= 0 && s.TableDesign <= 1);
  EXPECT_TRUE(s.CardFaceSet >= 0 && s.CardFaceSet <= 47);
  EXPECT_TRUE(s.DeckSet >= 0 && s.DeckSet <= 12);
  for (int role = 1; role <= kFontRoles; ++role) {
    EXPECT_GE(s.FontName[role].size(), 2u);
    EXPECT_TRUE(s.FontScale[role] >= 50 && s.FontScale[role] <= 150);
  }
  EXPECT_TRUE(s.Background >= 0 && s.Background <= 10);
  EXPECT_TRUE(s.BackgroundColour >= 0 && s.BackgroundColour <= 6);
  EXPECT_LE(s.TopTenNick.size(), 12u);
  EXPECT_EQ(s.TopTenCountry.size(), 5u);
  EXPECT_LE(s.TopTenCity.size(), 15u);
  EXPECT_TRUE(s.TopTenSex == "M" || s.TopTenSex == "W");
  EXPECT_EQ(ReadStoredAddress(ServiceAddress::TopTen, s.TopTenAddress.enciphered), s.TopTenAddress);
  EXPECT_EQ(ReadStoredAddress(ServiceAddress::Stats, s.StatsAddress.enciphered), s.StatsAddress);
  EXPECT_TRUE(s.GifCaptureArea == 1 || s.GifCaptureArea == 2);
  EXPECT_TRUE(s.GifFrameDelay >= 10 && s.GifFrameDelay <= 5000);
}

TEST(ReadDamagedSettings, RandomBytesAndFlippedBytesGiveUsableSettings) {
  const std::string good = SettingsFileText(NonDefaultSettings());
  std::mt19937 random(2047);
  for (int round = 0; round < 300; ++round) {
    SCOPED_TRACE(round);
    std::string bytes;
    if (round % 2 == 0) {
      // Short random lines of any bytes.
      const int length = static_cast<int>(random() % 3000);
      for (int i = 0; i < length; ++i) {
        bytes.push_back(random() % 8 == 0 ? '\n' : static_cast<char>(random()));
      }
    } else {
      bytes = good;
      for (int flips = 1 + static_cast<int>(random() % 6); flips > 0; --flips) {
        bytes[random() % bytes.size()] = static_cast<char>(random());
      }
    }
    ExpectUsable(ReadSettingsText(bytes).settings);
  }
}

}  // namespace
}  // namespace quorvex
