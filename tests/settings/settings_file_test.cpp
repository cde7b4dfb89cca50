// The layout the game writes, and reading back what it wrote.
#include <gtest/gtest.h>

#include "settings/settings_file.h"
#include "settings_fixture.h"

namespace quorvex {
namespace {

TEST(SettingsFileText, DefaultsInTheStoredLayout) {
  const std::string text = SettingsFileText(Settings());
  ASSERT_EQ(text.substr(text.size() - 2), "\r\n");
  const std::vector<std::string> lines = SplitLines(text);
  ASSERT_EQ(lines.size(), 35u);
  const std::vector<std::string> expected = {"<# General>",
                                             "011110141##010020011",
                                             "<# Cards>",
                                             "0",
                                             "<# Decks>",
                                             "000",
                                             "<# Individual>",
                                             "1#####",
                                             "<# Fonts>",
                                             "Comic Sans MS",
                                             "Comic Sans MS",
                                             "FixedSys",
                                             "Courier New",
                                             "100",
                                             "100",
                                             "100",
                                             "100",
                                             "<# IP & Port>",
                                             "127.0.0.1",
                                             "25666",
                                             "<# Background>",
                                             "020",
                                             "<# Name Of Player>",
                                             "",
                                             "<# World Top Ten>",
                                             BuiltInAddress(ServiceAddress::TopTen),
                                             "Incognito",
                                             "1-001",
                                             "Moscow",
                                             "M",
                                             BuiltInAddress(ServiceAddress::Stats),
                                             "<# Save Games as GIF>",
                                             "\xEB",
                                             "1",
                                             "1000"};
  EXPECT_EQ(lines, expected);
}

TEST(SettingsFileText, EveryFlagAndPackedValueHasItsPlace) {
  const std::vector<std::string> lines = SplitLines(SettingsFileText(NonDefaultSettings()));
  EXPECT_EQ(lines[1], "730021064RL171131100");
  EXPECT_EQ(lines[5], "121");
  EXPECT_EQ(lines[7], "0#####");
  EXPECT_EQ(lines[21], "106");
  EXPECT_EQ(lines[32], "\xE8");

  struct PackCase {
    int language, speed, window_size, background, colour;
    bool sound, music;
    std::string flags_start, background_line;
  };
  const PackCase cases[] = {
      {9, 6, 5, 0, 0, false, false, "901110165", "000"},
      {0, 1, 3, 1, 3, true, false, "021110113", "013"},
      {10, 4, 2, 9, 9, false, true, "a31110142", "099"},
      {20, 0, 0, 10, 6, true, true, "k11110141", "106"},  // speed and size out of range
      {21, 7, 6, 10, 0, true, true, "#11110141", "100"},  // no letter for language 21
  };
  for (const PackCase& c : cases) {
    Settings s;
    s.Language = c.language;
    s.Speed = c.speed;
    s.WindowSize = c.window_size;
    s.Background = c.background;
    s.BackgroundColour = c.colour;
    s.SoundOn = c.sound;
    s.MusicOn = c.music;
    const std::vector<std::string> out = SplitLines(SettingsFileText(s));
    EXPECT_EQ(out[1].substr(0, 9), c.flags_start) << c.language;
    EXPECT_EQ(out[21], c.background_line) << c.background;
  }
}

TEST(SettingsRoundTrip, WhatIsWrittenReadsBackTheSame) {
  Settings extremes;
  extremes.Speed = 6;
  extremes.WindowSize = 5;
  extremes.Language = 9;
  extremes.Background = 10;
  extremes.BackgroundColour = 6;
  extremes.CardFaceSet = 47;
  extremes.DeckSet = 12;
  extremes.FontScale = {0, 150, 150, 150, 150};
  extremes.GifFrameDelay = 5000;
  extremes.GifCaptureArea = 2;

  Settings lowest;
  lowest.Speed = 1;
  lowest.Background = 0;
  lowest.BackgroundColour = 0;
  lowest.FontScale = {0, 50, 50, 50, 50};
  lowest.GifFrameDelay = 10;
  lowest.SoundOn = lowest.MusicOn = false;
  lowest.CaptionColour = 1;
  lowest.DialogStyle = 1;

  // The texts that may stay empty; an empty port, nick or city reads back as its default.
  Settings empty_texts;
  empty_texts.PlayerName = "";
  empty_texts.LanAddress = "";

  Settings music_only;
  music_only.SoundOn = false;
  Settings sound_only;
  sound_only.MusicOn = false;

  const std::pair<const char*, Settings> cases[] = {
      {"defaults", Settings()},     {"every field changed", NonDefaultSettings()},
      {"extremes", extremes},       {"lowest values", lowest},
      {"empty texts", empty_texts}, {"music only", music_only},
      {"sound only", sound_only},
  };
  for (const auto& [name, settings] : cases) {
    const SettingsReadResult back = ReadSettingsText(SettingsFileText(settings));
    EXPECT_EQ(back.end, SettingsReadEnd::Complete) << name << " stopped at " << back.stop_line;
    EXPECT_TRUE(back.settings == settings) << name;
  }
}

TEST(SettingsRoundTrip, LineFeedInsideATextCannotShiftTheLinesAfterIt) {
  Settings s = NonDefaultSettings();
  s.PlayerName = "Anna\nMaria";
  const SettingsReadResult back = ReadSettingsText(SettingsFileText(s));
  EXPECT_EQ(back.end, SettingsReadEnd::Complete);
  s.PlayerName = "Anna Maria";
  EXPECT_TRUE(back.settings == s);
}

TEST(SettingsRoundTrip, ALargerWindowSwitchesGifRecordingOff) {
  Settings s;
  s.SaveGamesAsGif = true;
  ChooseWindowSize(s, 1);
  EXPECT_TRUE(s.SaveGamesAsGif);
  ChooseWindowSize(s, 3);
  EXPECT_EQ(s.WindowSize, 3);
  EXPECT_FALSE(s.SaveGamesAsGif);
  EXPECT_EQ(SplitLines(SettingsFileText(s))[32], "\xEB");
}

}  // namespace
}  // namespace quorvex
