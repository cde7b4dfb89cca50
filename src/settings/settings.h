// Every user preference of the game, read from the settings file at start-up and written back
// at exit. Other parts read it directly; the options dialog edits it in place.
#pragma once

#include <array>
#include <string>

#include "online/service_addresses.h"

namespace quorvex {

// The four font roles, 1-based as the settings file stores them.
inline constexpr int kFontRoles = 4;

struct Settings {
  int Language = 0;  // 0..9; the file can carry up to 20
  bool SoundOn = true;
  bool MusicOn = true;
  bool GifAnimation = true;
  bool FlyingCards = true;
  int ClubTableMode = 1;  // 1 score, 2 rating
  bool NetworkGame = false;
  bool OwnCursor = true;
  int Speed = 4;                 // 1 slowest .. 6 fastest
  int WindowSize = 1;            // 1..5
  bool InstallReported = false;  // a new installation has reported nothing yet
  bool StatsVoteSent = false;    // nor sent its like
  bool RadioListServerFirst = true;
  int CaptionColour = 1;  // 1..7
  bool NewButtons = false;
  bool DialogPicture = false;
  int DialogStyle = 2;  // 1..3
  int MenuDesign = 0;   // 0 customizable, 1 purple
  int TableDesign = 0;  // 0 customizable, 1 purple
  bool ClickEffectButtons = true;
  bool ClickEffectCards = true;
  int CardFaceSet = 0;  // 0..47
  int DeckSet = 0;      // 0..12
  bool DeckAlwaysOne = false;
  bool ShowCardsAtEnd = true;
  // Element 0 unused; roles 1..4 are decor, serif, fixed, conew.
  std::array<std::string, kFontRoles + 1> FontName = {"", "Comic Sans MS", "Comic Sans MS",
                                                      "FixedSys", "Courier New"};
  std::array<int, kFontRoles + 1> FontScale = {0, 100, 100, 100, 100};  // percent, 50..150
  std::string LanAddress = "127.0.0.1";
  std::string LanPort = "25666";
  int Background = 2;        // 0 none, 1..10
  int BackgroundColour = 0;  // 0..6
  std::string PlayerName;
  StoredAddress TopTenAddress = BuiltInStoredAddress(ServiceAddress::TopTen);
  std::string TopTenNick = "Incognito";  // at most 12 characters
  std::string TopTenCountry = "1-001";   // region digit, "-", three-digit country number
  std::string TopTenCity = "Moscow";     // at most 15 characters
  std::string TopTenSex = "M";           // "M" or "W"
  StoredAddress StatsAddress = BuiltInStoredAddress(ServiceAddress::Stats);
  bool SaveGamesAsGif = false;
  int GifCaptureArea = 1;    // 1 main window, 2 whole screen
  int GifFrameDelay = 1000;  // ms, 10..5000

  bool operator==(const Settings&) const = default;
};

// Chooses a window size. Games are recorded as GIF only in the small window, so any other size
// switches the recording off.
void ChooseWindowSize(Settings& settings, int window_size);

}  // namespace quorvex
