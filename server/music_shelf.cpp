#include "music_shelf.h"

#include <QDir>
#include <QFile>

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

std::vector<std::shared_ptr<const Mp3Track>> StationRotation(const std::vector<ShelfTrack>& shelf,
                                                             int number) {
  std::vector<std::shared_ptr<const Mp3Track>> rotation;
  for (const ShelfTrack& item : shelf) rotation.push_back(item.track);
  // A shuffle by a small generator of our own, so that the order does not hang on the library.
  quint32 state = 2654435761u * quint32(number) + 12345u;
  for (size_t i = rotation.size(); i > 1; --i) {
    state = state * 1664525u + 1013904223u;
    std::swap(rotation[i - 1], rotation[(state >> 8) % i]);
  }
  return rotation;
}

}  // namespace quorvex::server
