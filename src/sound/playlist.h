// The online playlist: the tracks of the maker's "/musik/_playlist.html" ("artist~file.mp3" a
// line), played one at a time in random order from the main menu's MP3 strip.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "game/platform.h"
#include "sound/stream_player.h"

namespace quorvex {

struct PlaylistTrack {
  std::string artist;
  std::string title;
  std::string address;
};

inline constexpr size_t kPlaylistLimit = 1000;

// The tracks of the playlist's text; `musik_base` is the address the lines are relative to
// (ending in "/musik/"). Lines that name no ".mp3" are skipped; at most kPlaylistLimit tracks.
std::vector<PlaylistTrack> ParsePlaylist(std::string_view utf8, std::string_view musik_base);

class Playlist {
 public:
  Playlist(StreamPlayer& player, Random& random) : player_(player), random_(random) {}

  // A fresh list: a random current track, volume 50, nothing playing.
  void Load(std::vector<PlaylistTrack> tracks);
  // The strip works only with more than four tracks.
  bool Enabled() const { return tracks_.size() > 4; }
  bool Playing() const { return playing_; }
  int Volume() const { return volume_; }
  const PlaylistTrack* Current() const;

  // Play / pause.
  void TogglePlaylist();
  // Stops and starts another track at random.
  void NextTrack();
  // A click on the volume picture at `x` (its own pixels): right of 34 louder, up to 25 softer.
  void PlaylistVolume(int x);
  // The periodic look: a track played to its end is followed by another one; so is a track that
  // cannot be played, but after a few such in a row the strip stops rather than trying for ever.
  void CheckTrackEnd();
  // The hint of "next": artist + "  :  " + title.
  std::string Hint() const;

 private:
  void Start();

  StreamPlayer& player_;
  Random& random_;
  std::vector<PlaylistTrack> tracks_;
  size_t current_ = 0;
  bool playing_ = false;
  int volume_ = 50;
  int failures_ = 0;  // tracks in a row that could not be played
};

}  // namespace quorvex
