// The menu song on disk: the "MidiSong" resource is written once to the temporary folder, where
// the synthesiser plays it from, and is removed again when the settings are saved.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

namespace quorvex {

inline constexpr int kGameCode = 47;

// "temp" + the game code + "_25.mid": the maker's games share the folder, each its own file.
std::string SongFileName();

enum class SongFileState {
  Found,    // already there from an earlier start: used as it is
  Written,  // saved from the resource
  Failed,   // could not be written: the music stays silent
};

// Uses the file in the folder when there is one, otherwise writes the song there.
SongFileState PrepareSongFile(const std::filesystem::path& temp_dir, std::string_view song);

// Removes the song file. A file the player holds open stays, as it does on the game's first
// platform, so saving the settings mid-game never pulls the menu song from under the player.
void DeleteSongFile(const std::filesystem::path& temp_dir, bool held_open);

// The song sounds while the menu is shown, music is on and the song could be opened.
inline bool MusicShouldPlay(bool music_on, bool menu_shown, bool song_ready) {
  return music_on && menu_shown && song_ready;
}

// General MIDI sound fonts of Debian's packages, the system's choice first.
inline constexpr std::array<std::string_view, 4> kSoundFontCandidates = {
    "/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf2/TimGM6mb.sf2",
    "/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/sounds/sf3/default-GM.sf3"};

// The first of the candidates that exists, empty when there is none.
std::filesystem::path FindSoundFont();

}  // namespace quorvex
