#include "mp3_track.h"

#include <array>

namespace quorvex::server {
namespace {

struct Header {
  int version;  // 3 MPEG-1, 2 MPEG-2, 0 MPEG-2.5
  int sample_rate;
  int channels;
  qsizetype size;
  int samples;
  qsizetype side_info;
};

// The frame header at `at`, if the four bytes there are one of layer III.
std::optional<Header> ParseHeader(const uchar* p) {
  if (p[0] != 0xFF || (p[1] & 0xE0) != 0xE0) return std::nullopt;
  const int version = (p[1] >> 3) & 3;
  const int layer = (p[1] >> 1) & 3;
  const int bitrate_index = p[2] >> 4;
  const int rate_index = (p[2] >> 2) & 3;
  if (version == 1 || layer != 1 || bitrate_index == 0 || bitrate_index == 15 || rate_index == 3)
    return std::nullopt;
  static constexpr std::array<int, 15> kMpeg1 = {0,   32,  40,  48,  56,  64,  80, 96,
                                                 112, 128, 160, 192, 224, 256, 320};
  static constexpr std::array<int, 15> kMpeg2 = {0,  8,  16, 24,  32,  40,  48, 56,
                                                 64, 80, 96, 112, 128, 144, 160};
  static constexpr std::array<int, 3> kRates = {44100, 48000, 32000};
  const bool mpeg1 = version == 3;
  const int bitrate = (mpeg1 ? kMpeg1 : kMpeg2)[bitrate_index] * 1000;
  const int rate = kRates[rate_index] >> (mpeg1 ? 0 : version == 2 ? 1 : 2);
  const int samples = mpeg1 ? 1152 : 576;
  const int padding = (p[2] >> 1) & 1;
  const int channels = (p[3] >> 6) == 3 ? 1 : 2;
  const qsizetype side_info = mpeg1 ? (channels == 1 ? 17 : 32) : (channels == 1 ? 9 : 17);
  return Header{version, rate,     channels, qsizetype(samples / 8 * bitrate / rate + padding),
                samples, side_info};
}

qsizetype Id3v2Size(const QByteArray& data) {
  if (data.size() < 10 || !data.startsWith("ID3")) return 0;
  const auto* p = reinterpret_cast<const uchar*>(data.constData());
  if ((p[6] | p[7] | p[8] | p[9]) & 0x80) return 0;
  const qsizetype body = (p[6] << 21) | (p[7] << 14) | (p[8] << 7) | p[9];
  return 10 + body + ((p[5] & 0x10) ? 10 : 0);
}

}  // namespace

std::optional<Mp3Track> ReadMp3Track(const QByteArray& data) {
  Mp3Track track;
  track.data = data;
  const auto* p = reinterpret_cast<const uchar*>(data.constData());
  const qsizetype size = data.size();
  qsizetype at = Id3v2Size(data);
  qint64 samples = 0;
  std::optional<Header> first;
  while (at + 4 <= size) {
    const std::optional<Header> header = ParseHeader(p + at);
    // Every frame of a track keeps the first one's form; anything else is a stray sync pattern.
    const bool fits = header && header->size >= 4 && at + header->size <= size &&
                      (!first || (header->version == first->version &&
                                  header->sample_rate == first->sample_rate &&
                                  header->channels == first->channels));
    // Junk before the first frame may hold a sync pattern by chance: the first frame must be
    // followed by another of its form or by the end.
    if (fits && !first && at + header->size + 4 <= size) {
      const std::optional<Header> next = ParseHeader(p + at + header->size);
      if (!next || next->version != header->version || next->sample_rate != header->sample_rate) {
        ++at;
        continue;
      }
    }
    if (!fits) {
      if (header && at + header->size > size) break;  // the last frame is cut off
      ++at;
      continue;
    }
    // The encoder's information frame ("Xing" or "Info") holds no sound.
    const QByteArray mark = data.mid(at + 4 + header->side_info, 4);
    if (!first && (mark == "Xing" || mark == "Info")) {
      first = header;
      at += header->size;
      continue;
    }
    if (!first) first = header;
    track.frames.push_back({at, header->size, samples * 1000000 / header->sample_rate});
    samples += header->samples;
    at += header->size;
  }
  if (track.frames.empty()) return std::nullopt;
  track.sample_rate = first->sample_rate;
  track.channels = first->channels;
  track.duration_us = samples * 1000000 / first->sample_rate;
  return track;
}

}  // namespace quorvex::server
