#include "ui/media/playlist_player.h"

#include "sound/playlist_download.h"

namespace quorvex {

PlaylistPlayer::PlaylistPlayer(Random& random, std::unique_ptr<StreamPlayer> player,
                               QObject* parent)
    : QObject(parent), player_(std::move(player)), playlist_(*player_, random) {
  check_.setInterval(1000);
  connect(&check_, &QTimer::timeout, this, &PlaylistPlayer::CheckTrackEnd);
}

PlaylistPlayer::~PlaylistPlayer() {
  player_->Stop();
}

bool PlaylistPlayer::Load(HttpClient& http, const std::string& service_base) {
  const bool enabled = LoadPlaylist(playlist_, http, service_base);
  emit changed();
  return enabled;
}

QString PlaylistPlayer::Hint() const {
  return QString::fromStdString(playlist_.Hint());
}

void PlaylistPlayer::TogglePlaylist() {
  playlist_.TogglePlaylist();
  if (playlist_.Playing()) {
    check_.start();
  } else {
    check_.stop();
  }
  emit changed();
}

void PlaylistPlayer::NextTrack() {
  playlist_.NextTrack();
  if (playlist_.Playing()) check_.start();
  emit changed();
}

void PlaylistPlayer::PlaylistVolume(int x) {
  playlist_.PlaylistVolume(x);
  emit changed();
}

void PlaylistPlayer::CheckTrackEnd() {
  const bool was_playing = playlist_.Playing();
  const PlaylistTrack* before = playlist_.Current();
  playlist_.CheckTrackEnd();
  if (!playlist_.Playing()) check_.stop();
  if (was_playing != playlist_.Playing() || before != playlist_.Current()) emit changed();
}

}  // namespace quorvex
