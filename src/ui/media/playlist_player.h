// The online playlist of the running program: its tracks, the stream that plays them and the
// once-a-second look for the end of a track. The main menu's MP3 strip shows and drives it.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

#include "game/platform.h"
#include "online/http_client.h"
#include "sound/playlist.h"

namespace quorvex {

class PlaylistPlayer : public QObject {
  Q_OBJECT

 public:
  PlaylistPlayer(Random& random, std::unique_ptr<StreamPlayer> player, QObject* parent = nullptr);
  ~PlaylistPlayer() override;

  // At start: fetches "/musik/_playlist.html"; a failed fetch leaves the strip disabled.
  bool Load(HttpClient& http, const std::string& service_base);

  const Playlist& State() const { return playlist_; }
  bool Enabled() const { return playlist_.Enabled(); }
  bool Playing() const { return playlist_.Playing(); }
  // The "next" hint: artist + "  :  " + title.
  QString Hint() const;

  void TogglePlaylist();
  void NextTrack();
  // A click on the volume picture at x in its own design units.
  void PlaylistVolume(int x);
  // The timer's look; public so that a test need not wait for it.
  void CheckTrackEnd();

 signals:
  void changed();

 private:
  std::unique_ptr<StreamPlayer> player_;
  Playlist playlist_;
  QTimer check_;
};

}  // namespace quorvex
