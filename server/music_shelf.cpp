#include "music_shelf.h"

#include <QDir>
#include <QFile>
#include <map>
#include <set>

#include "service_server.h"

namespace quorvex::server {

QStringList PlaylistFiles(const QByteArray& playlist) {
  QStringList files;
  for (const QByteArray& raw : playlist.split('\n')) {
    const QString line = QString::fromUtf8(raw).trimmed();
    if (line.contains(QLatin1Char('~')) && line.endsWith(QLatin1String(".mp3")) &&
        SafeFileName(line))
      files << line;
  }
  return files;
}

std::vector<ShelfTrack> LoadMusicShelf(const QString& dir) {
  std::vector<ShelfTrack> shelf;
  QFile playlist(QDir(dir).filePath(QStringLiteral("_playlist.html")));
  if (dir.isEmpty() || !playlist.open(QIODevice::ReadOnly)) return shelf;
  for (const QString& name : PlaylistFiles(playlist.readAll())) {
    QFile file(QDir(dir).filePath(name));
    if (!file.open(QIODevice::ReadOnly)) continue;
    std::optional<Mp3Track> track = ReadMp3Track(file.readAll());
    if (!track) continue;
    if (!shelf.empty() && (track->sample_rate != shelf.front().track->sample_rate ||
                           track->channels != shelf.front().track->channels))
      continue;
    shelf.push_back({name, std::make_shared<const Mp3Track>(std::move(*track))});
  }
  return shelf;
}

std::vector<Rotation> StationRotations(const std::vector<ShelfTrack>& shelf, int stations) {
  std::vector<Rotation> rotations;
  // Where each track begins in the round, on the stations chosen so far.
  std::map<const Mp3Track*, std::set<qint64>> taken;
  quint32 state = 12345u;
  for (int station = 0; station < stations; ++station) {
    Rotation rotation;
    for (int attempt = 0; attempt < 200; ++attempt) {
      rotation.clear();
      for (const ShelfTrack& item : shelf) rotation.push_back(item.track);
      // A shuffle by a small generator of our own, so that the order does not hang on the
      // library.
      for (size_t i = rotation.size(); i > 1; --i) {
        state = state * 1664525u + 1013904223u;
        std::swap(rotation[i - 1], rotation[(state >> 8) % i]);
      }
      bool apart = true;
      qint64 start = 0;
      for (const auto& track : rotation) {
        apart = apart && taken[track.get()].count(start) == 0;
        start += track->duration_us;
      }
      if (apart) break;
    }
    qint64 start = 0;
    for (const auto& track : rotation) {
      taken[track.get()].insert(start);
      start += track->duration_us;
    }
    rotations.push_back(std::move(rotation));
  }
  return rotations;
}

}  // namespace quorvex::server
