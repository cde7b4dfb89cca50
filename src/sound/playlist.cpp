#include "sound/playlist.h"

#include <algorithm>

namespace quorvex {
namespace {

std::string Blanked(std::string_view text) {
  std::string out(text);
  std::replace(out.begin(), out.end(), '_', ' ');
  return out;
}

// A dead server fails every track; a few tries tell that from one bad file.
constexpr int kFailuresInARow = 3;

}  // namespace

std::vector<PlaylistTrack> ParsePlaylist(std::string_view utf8, std::string_view musik_base) {
  std::vector<PlaylistTrack> tracks;
  size_t start = 0;
  while (start < utf8.size() && tracks.size() < kPlaylistLimit) {
    size_t end = utf8.find('\n', start);
    if (end == std::string_view::npos) end = utf8.size();
    std::string_view line = utf8.substr(start, end - start);
    start = end + 1;
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.remove_suffix(1);
    const size_t tilde = line.find('~');
    const size_t mp3 = line.rfind(".mp3");
    if (tilde == std::string_view::npos || mp3 == std::string_view::npos || mp3 < tilde ||
        mp3 + 4 != line.size() || line.size() > 512)
      continue;
    // Only a plain file name: the line is put after the music folder's address as it is.
    if (line.find_first_of("/\\?#%\"<> ") != std::string_view::npos) continue;
    PlaylistTrack track;
    track.artist = Blanked(line.substr(0, tilde));
    track.title = Blanked(line.substr(tilde + 1, mp3 - tilde - 1));
    track.address = std::string(musik_base) + std::string(line);
    tracks.push_back(std::move(track));
  }
  return tracks;
}

void Playlist::Load(std::vector<PlaylistTrack> tracks) {
  if (playing_) player_.Stop();
  tracks_ = std::move(tracks);
  playing_ = false;
  volume_ = 50;
  current_ = tracks_.empty() ? 0 : size_t(random_.Below(int(tracks_.size())));
}

const PlaylistTrack* Playlist::Current() const {
  return current_ < tracks_.size() ? &tracks_[current_] : nullptr;
}

void Playlist::Start() {
  const PlaylistTrack* track = Current();
  playing_ = track && player_.Open(track->address);
  if (!playing_) return;
  player_.SetVolume(volume_);
  player_.Play();
}

void Playlist::TogglePlaylist() {
  if (!Enabled()) return;
  if (playing_) {
    player_.Stop();
    playing_ = false;
  } else {
    failures_ = 0;
    Start();
  }
}

void Playlist::NextTrack() {
  if (!Enabled()) return;
  player_.Stop();
  current_ = size_t(random_.Below(int(tracks_.size())));
  Start();
}

void Playlist::PlaylistVolume(int x) {
  if (x > 34) {
    volume_ = std::min(100, volume_ + 5);
  } else if (x <= 25) {
    volume_ = std::max(0, volume_ - 5);
  } else {
    return;
  }
  player_.SetVolume(volume_);
}

void Playlist::CheckTrackEnd() {
  if (!playing_) return;
  if (player_.Failed()) {
    if (++failures_ >= kFailuresInARow) {
      player_.Stop();
      playing_ = false;
      failures_ = 0;
      return;
    }
    NextTrack();
    return;
  }
  const int64_t length = player_.Length();
  if (player_.Ended() || (length > 0 && player_.Position() >= length)) {
    failures_ = 0;
    NextTrack();
  }
}

std::string Playlist::Hint() const {
  const PlaylistTrack* track = Current();
  return track ? track->artist + "  :  " + track->title : std::string();
}

}  // namespace quorvex
