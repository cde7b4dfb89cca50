// The server's own tracks as its radio stations play them: the files its playlist names,
// read once at start and shared by every station and listener.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "mp3_track.h"

namespace quorvex::server {

struct ShelfTrack {
  QString name;  // the file name, as the playlist names it
  std::shared_ptr<const Mp3Track> track;
};

// The file names a playlist names: lines of artist "~" title ".mp3", blanks and "\r" trimmed;
// other lines and names that could leave the folder are left out.
QStringList PlaylistFiles(const QByteArray& playlist);

// The tracks of the folder's "_playlist.html" that read as MP3, in the playlist's order. A station
// joins tracks without a break, so only those of the first track's sample rate and channels stay.
std::vector<ShelfTrack> LoadMusicShelf(const QString& dir);

using Rotation = std::vector<std::shared_ptr<const Mp3Track>>;

// The orders of the shelf's tracks for `stations` stations that share one clock: every track
// once in each, each station in an order of its own, the same on every start of the server. No
// track begins at the same moment of the round on two stations, so two stations never play the
// same thing at once (given two tracks or more).
std::vector<Rotation> StationRotations(const std::vector<ShelfTrack>& shelf, int stations);

}  // namespace quorvex::server
