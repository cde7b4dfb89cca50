// An MP3 file cut into its audio frames, so that a radio station can start a listener at a
// frame boundary anywhere in a track and join tracks one after another.
#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <optional>
#include <vector>

namespace quorvex::server {

struct Mp3Track {
  QByteArray data;  // the whole file; frames point into it
  struct Frame {
    qsizetype offset;
    qsizetype size;
    qint64 start_us;  // where the frame begins in the track's time
  };
  std::vector<Frame> frames;  // audio only: no tags, no encoder's information frame
  qint64 duration_us = 0;
  int sample_rate = 0;
  int channels = 0;
};

// The audio frames of an MPEG layer III file: leading ID3v2 tags, a trailing ID3v1 tag, stray
// bytes between frames and a cut-off last frame are left out. Empty when no frame is found.
std::optional<Mp3Track> ReadMp3Track(const QByteArray& data);

}  // namespace quorvex::server
