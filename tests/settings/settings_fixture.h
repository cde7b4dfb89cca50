// Settings that differ from the defaults in every field, and what survives of them when the
// reading of their file stops early.
#pragma once

#include <string>
#include <vector>

#include "online/string_cipher.h"
#include "settings/settings.h"

namespace quorvex {

inline Settings NonDefaultSettings() {
  Settings s;
  s.Language = 7;
  s.SoundOn = false;
  s.MusicOn = true;
  s.GifAnimation = false;
  s.FlyingCards = false;
  s.ClubTableMode = 2;
  s.NetworkGame = true;
  s.OwnCursor = false;
  s.Speed = 6;
  s.WindowSize = 4;
  s.InstallReported = true;
  s.StatsVoteSent = true;
  s.RadioListServerFirst = false;
  s.CaptionColour = 7;
  s.NewButtons = true;
  s.DialogPicture = true;
  s.DialogStyle = 3;
  s.MenuDesign = 1;
  s.TableDesign = 1;
  s.ClickEffectButtons = false;
  s.ClickEffectCards = false;
  s.CardFaceSet = 47;
  s.DeckSet = 12;
  s.DeckAlwaysOne = true;
  s.ShowCardsAtEnd = false;
  s.FontName = {"", "Arial", "Times New Roman", "Terminal", "Lucida Console"};
  s.FontScale = {0, 50, 150, 75, 125};
  s.LanAddress = "192.168.1.20";
  s.LanPort = "30000";
  s.Background = 10;
  s.BackgroundColour = 6;
  s.PlayerName = "\xC8\xE2\xE0\xED";  // "Иван" in Windows-1251
  const char* records = "http://records.example/wt";
  s.TopTenAddress = {Encipher(records, AddressKey(ServiceAddress::TopTen)), records};
  s.TopTenNick = "Maximilian12";
  s.TopTenCountry = "6-054";
  s.TopTenCity = "Vladivostok";
  s.TopTenSex = "W";
  const char* stats = "https://stats.example/s";
  s.StatsAddress = {Encipher(stats, AddressKey(ServiceAddress::Stats)), stats};
  s.SaveGamesAsGif = true;
  s.GifCaptureArea = 2;
  s.GifFrameDelay = 5000;
  return s;
}

// The values of line 2, the general flags.
inline void CopyFlags(Settings& to, const Settings& from) {
  to.Language = from.Language;
  to.SoundOn = from.SoundOn;
  to.MusicOn = from.MusicOn;
  to.GifAnimation = from.GifAnimation;
  to.FlyingCards = from.FlyingCards;
  to.ClubTableMode = from.ClubTableMode;
  to.NetworkGame = from.NetworkGame;
  to.OwnCursor = from.OwnCursor;
  to.Speed = from.Speed;
  to.WindowSize = from.WindowSize;
  to.InstallReported = from.InstallReported;
  to.StatsVoteSent = from.StatsVoteSent;
  to.RadioListServerFirst = from.RadioListServerFirst;
  to.CaptionColour = from.CaptionColour;
  to.NewButtons = from.NewButtons;
  to.DialogPicture = from.DialogPicture;
  to.DialogStyle = from.DialogStyle;
  to.MenuDesign = from.MenuDesign;
  to.TableDesign = from.TableDesign;
  to.ClickEffectButtons = from.ClickEffectButtons;
  to.ClickEffectCards = from.ClickEffectCards;
}

// The values of `from` held on lines 1..last_line, defaults for the rest.
inline Settings KeptThrough(const Settings& from, int last_line) {
  Settings s;
  if (last_line >= 2) CopyFlags(s, from);
  if (last_line >= 4) s.CardFaceSet = from.CardFaceSet;
  if (last_line >= 6) s.DeckSet = from.DeckSet, s.DeckAlwaysOne = from.DeckAlwaysOne;
  if (last_line >= 8) s.ShowCardsAtEnd = from.ShowCardsAtEnd;
  for (int role = 1; role <= kFontRoles; ++role) {
    if (last_line >= 9 + role) s.FontName[role] = from.FontName[role];
    if (last_line >= 13 + role) s.FontScale[role] = from.FontScale[role];
  }
  if (last_line >= 19) s.LanAddress = from.LanAddress;
  if (last_line >= 20) s.LanPort = from.LanPort;
  if (last_line >= 22) s.Background = from.Background, s.BackgroundColour = from.BackgroundColour;
  if (last_line >= 24) s.PlayerName = from.PlayerName;
  if (last_line >= 26) s.TopTenAddress = from.TopTenAddress;
  if (last_line >= 27) s.TopTenNick = from.TopTenNick;
  if (last_line >= 28) s.TopTenCountry = from.TopTenCountry;
  if (last_line >= 29) s.TopTenCity = from.TopTenCity;
  if (last_line >= 30) s.TopTenSex = from.TopTenSex;
  if (last_line >= 31) s.StatsAddress = from.StatsAddress;
  if (last_line >= 33) s.SaveGamesAsGif = from.SaveGamesAsGif;
  if (last_line >= 34) s.GifCaptureArea = from.GifCaptureArea;
  if (last_line >= 35) s.GifFrameDelay = from.GifFrameDelay;
  return s;
}

// The lines of a file text without their CR LF ends.
inline std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

inline std::string JoinLines(const std::vector<std::string>& lines, const char* end = "\r\n") {
  std::string text;
  for (const std::string& line : lines) text += line + end;
  return text;
}

}  // namespace quorvex
