// The program's objects, built in the order they need each other, and its start-up sequence:
// the settings, the window with its title, the club files, the language, the menu song. The
// run ends through Finish, which writes the settings back.
#pragma once

#include <QString>
#include <filesystem>
#include <functional>
#include <memory>

#include "game/controller.h"
#include "game/platform.h"
#include "online/configuration.h"
#include "online/world_stats.h"
#include "opponent/computer_opponent.h"
#include "platform/curl_http_client.h"
#include "sound/stream_player.h"
#include "ui/dialogs/options_dialog.h"
#include "ui/media/audio_output.h"
#include "ui/media/music_player.h"
#include "ui/media/sound_player.h"
#include "ui/menu/club_keeper.h"
#include "ui/menu/club_menu.h"
#include "ui/online/account_keeper.h"
#include "ui/online/chat_context.h"
#include "ui/online/world_lists_context.h"
#include "ui/table/elapsed_clock.h"
#include "ui/table/lan_game.h"
#include "ui/table/main_window.h"
#include "ui/table/program_settings.h"
#include "ui/table/tour_game.h"

namespace quorvex {

class AccountLamp;
class PlaylistPlayer;
class RadioSet;
class DealReviews;
class CalendarCards;
class NoticeSign;
class TournamentLobbyKeeper;

// Where the program keeps its files: its own folder (settings, club files, history) and the
// folder of the menu song's temporary file.
struct ProgramPlaces {
  std::filesystem::path program_dir;
  QString temp_dir;
  // The game's clock; the time since the start unless a test gives one.
  Clock* clock = nullptr;
  // The online services' exchanges; libcurl unless a test gives its own.
  HttpClient* http = nullptr;
  // The radio's and the playlist's streams; Qt Multimedia when the program has its own sound,
  // else silent, unless a test gives its own.
  std::function<std::unique_ptr<StreamPlayer>()> streams = nullptr;
};

class ProgramStart {
 public:
  // The executable's folder and the system's temporary folder; sound to the audio device.
  ProgramStart();
  // Other folders, and the effects and the song to outputs of the caller's (tests).
  ProgramStart(const ProgramPlaces& places, ClipOutput& clips, SongOutput& song);
  ~ProgramStart();
  ProgramStart(const ProgramStart&) = delete;
  ProgramStart& operator=(const ProgramStart&) = delete;

  // Shows the window with its title and runs the start-up sequence. False when the run must
  // stop: a club file is missing or damaged (the player was told). The settings file is then
  // left as it was.
  bool Start();
  // Leaving the program: the window lets go of the controller and the sound, the song file is
  // released, and the settings are written. False when they could not be written (the player
  // was told).
  bool Finish();

  // Hands the settings to the parts that keep their own copy (the controller's options); the
  // options dialog calls it whenever the settings change.
  void ApplySettings();

  // "To change a name" from the popup menu during a session.
  void RenameMember();
  // "WORLD STATS", from the menu.
  void OpenStatistics();
  // The statistics service at its current address.
  WorldStats Statistics();
  const OnlineSwitches& Online() const { return online_; }
  ChatContext& Chat() { return *chat_; }
  // The menu is shown again: the news and the chat are looked at.
  void MenuShown();

  // The options dialog, from the menu's "Options" button; each change applied at once.
  void OpenOptions();
  void ApplyOption(OptionsChange change);

  // Whether the music was on when the run began.
  bool MusicOnAtStart() const { return music_on_at_start_; }

  MainWindow& Window() { return window_; }
  AccountKeeper& Account() { return account_; }
  AccountLamp& Lamp() { return *lamp_; }
  Settings& GetSettings() { return settings_.Get(); }
  ClubKeeper& Keeper() { return keeper_; }
  ClubMenu& Menu() { return club_menu_; }
  GameController& Controller() { return controller_; }
  MusicPlayer& Music() { return music_; }
  LanGame& Lan() { return lan_; }
  TourGame& Tour() { return tour_; }
  TournamentLobbyKeeper& TourLobby() { return *tour_lobby_; }
  RadioSet& Radio() { return *radio_; }
  PlaylistPlayer& Playlist() { return *playlist_; }
  DealReviews& Reviews() { return *reviews_; }
  // The tournament lobby, from the menu; "Log in to your account!" while not logged in.
  void OpenTournament();

 private:
  ProgramStart(const ProgramPlaces& places, std::unique_ptr<AudioOutput> audio, ClipOutput* clips,
               SongOutput* song);
  void Unhook();
  // The account's lamp on the menu and the windows' side of its logic.
  void HookAccount();
  // The world top ten's button and the calendar cards on the menu, the offer after a cycle.
  void HookMenuDecorations();
  // The tournament's button on the menu, its lobby and its games.
  void HookTournament();
  // The radio's picture and the MP3 strip on the menu, "Radio" in the popup menu.
  void HookRadio();
  std::unique_ptr<StreamPlayer> MakeStreamPlayer() const;
  // The first deck of a tournament table arrived: the match starts at the table.
  void StartTournamentMatch();

  ProgramPlaces places_;
  ProgramSettings settings_;
  std::unique_ptr<CurlHttpClient> own_http_;  // none when the caller gives the client
  HttpClient& http_;
  OnlineSwitches online_;
  std::unique_ptr<AudioOutput> audio_;  // none when the caller gives the outputs
  MainWindow window_;
  // Effects, spoken card names and the menu song.
  SoundPlayer sound_;
  MusicPlayer music_;
  SystemRandom random_;
  ElapsedClock clock_;
  // Seat 1's player: bids and plays from the full-information trick search.
  ComputerOpponent opponent_;
  ClubKeeper keeper_;
  GameController controller_;
  ClubMenu club_menu_;
  // Two players over the local network.
  LanGame lan_;
  // Two account holders at a table of the world online tournament.
  TourGame tour_;
  // The online account and its picture with the lamp on the main menu.
  AccountKeeper account_;
  AccountLamp* lamp_ = nullptr;
  // The world lists, the calendar cards of the menu.
  WorldListsContext world_lists_;
  CalendarCards* calendar_ = nullptr;
  // The chat and the news with their signs.
  std::unique_ptr<ChatContext> chat_;
  NoticeSign* news_sign_ = nullptr;
  NoticeSign* chat_sign_ = nullptr;
  std::unique_ptr<TournamentLobbyKeeper> tour_lobby_;
  // The internet radio and the online playlist.
  std::unique_ptr<RadioSet> radio_;
  std::unique_ptr<DealReviews> reviews_;
  std::unique_ptr<PlaylistPlayer> playlist_;
  bool started_ = false;
  bool music_on_at_start_ = false;
  bool options_opened_ = false;
};

}  // namespace quorvex
