// Writing the settings file.
#include <string>

#include "locale/lang_text.h"
#include "settings/safe_file_write.h"
#include "settings/settings_file.h"

namespace quorvex {

namespace {

char Flag(bool on) {
  return on ? '1' : '0';
}

char Digit(int value, int low, int high, char otherwise) {
  return value >= low && value <= high ? static_cast<char>('0' + value) : otherwise;
}

std::string FlagsLine(const Settings& s) {
  std::string line(20, '#');
  if (s.Language >= 0 && s.Language <= 9) {
    line[0] = static_cast<char>('0' + s.Language);
  } else if (s.Language >= 10 && s.Language <= 20) {
    line[0] = static_cast<char>('a' + s.Language - 10);
  }
  line[1] = s.SoundOn ? (s.MusicOn ? '1' : '2') : (s.MusicOn ? '3' : '0');
  line[2] = Flag(s.GifAnimation);
  line[3] = Flag(s.FlyingCards);
  line[4] = s.ClubTableMode == 2 ? '2' : '1';
  line[5] = Flag(s.NetworkGame);
  line[6] = Flag(s.OwnCursor);
  line[7] = Digit(s.Speed, 1, 6, '4');
  line[8] = Digit(s.WindowSize, 1, 5, '1');
  line[9] = s.InstallReported ? 'R' : '#';
  line[10] = s.StatsVoteSent ? 'L' : '#';
  line[11] = s.RadioListServerFirst ? '0' : '1';
  line[12] = Digit(s.CaptionColour, 0, 9, '1');
  line[13] = Flag(s.NewButtons);
  line[14] = Flag(s.DialogPicture);
  line[15] = Digit(s.DialogStyle, 1, 3, '2');
  line[16] = Flag(s.MenuDesign == 1);
  line[17] = Flag(s.TableDesign == 1);
  line[18] = Flag(s.ClickEffectButtons);
  line[19] = Flag(s.ClickEffectCards);
  return line;
}

// Two digits with a leading zero, then the always-one flag: "071".
std::string DeckLine(const Settings& s) {
  const int deck = s.DeckSet >= 0 && s.DeckSet <= 99 ? s.DeckSet : 0;
  return std::string{static_cast<char>('0' + deck / 10), static_cast<char>('0' + deck % 10),
                     Flag(s.DeckAlwaysOne)};
}

// Background and colour digit, padded to three characters: "020", "106".
std::string BackgroundLine(const Settings& s) {
  std::string line = std::to_string(s.Background) + Digit(s.BackgroundColour, 0, 9, '0');
  if (line.size() == 2) line.insert(line.begin(), '0');
  return line;
}

// A text value is one line of the file: a line feed inside it would shift every later line.
std::string OneLine(std::string value) {
  for (char& c : value) {
    if (c == '\n') c = ' ';
  }
  return value;
}

}  // namespace

std::string SettingsFileText(const Settings& s) {
  const std::string lines[kSettingsLines] = {
      "<# General>",
      FlagsLine(s),
      "<# Cards>",
      std::to_string(s.CardFaceSet),
      "<# Decks>",
      DeckLine(s),
      "<# Individual>",
      std::string(1, Flag(s.ShowCardsAtEnd)) + "#####",
      "<# Fonts>",
      OneLine(s.FontName[1]),
      OneLine(s.FontName[2]),
      OneLine(s.FontName[3]),
      OneLine(s.FontName[4]),
      std::to_string(s.FontScale[1]),
      std::to_string(s.FontScale[2]),
      std::to_string(s.FontScale[3]),
      std::to_string(s.FontScale[4]),
      "<# IP & Port>",
      OneLine(s.LanAddress),
      OneLine(s.LanPort),
      "<# Background>",
      BackgroundLine(s),
      "<# Name Of Player>",
      OneLine(s.PlayerName),
      "<# World Top Ten>",
      s.TopTenAddress.enciphered,
      OneLine(s.TopTenNick),
      OneLine(s.TopTenCountry),
      OneLine(s.TopTenCity),
      OneLine(s.TopTenSex),
      s.StatsAddress.enciphered,
      "<# Save Games as GIF>",
      std::string(1, s.SaveGamesAsGif ? kGifOnMark : kGifOffMark),
      std::to_string(s.GifCaptureArea),
      std::to_string(s.GifFrameDelay),
  };
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

SettingsSaveResult WriteSettingsFile(const std::filesystem::path& file, const Settings& settings) {
  const std::string text = SettingsFileText(settings);
  if (ReplaceFileContents(file, text) || ReplaceFileContents(file, text)) return {true, {}};
  return {false, Text(Tx::CantSaveOptions)};
}

}  // namespace quorvex
