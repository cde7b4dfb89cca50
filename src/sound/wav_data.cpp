#include "sound/wav_data.h"

#include <cstdint>

namespace quorvex {

namespace {
uint32_t Le(std::string_view bytes, size_t at, int width) {
  uint32_t value = 0;
  for (int i = width - 1; i >= 0; --i)
    value = value << 8 | static_cast<uint8_t>(bytes[at + static_cast<size_t>(i)]);
  return value;
}

void PutLe(std::string& out, uint32_t value, int width) {
  for (int i = 0; i < width; ++i) out += static_cast<char>(value >> (8 * i) & 0xFF);
}
}  // namespace

std::optional<WavClip> ParseWav(std::string_view image) {
  if (image.size() < 12 || image.substr(0, 4) != "RIFF" || image.substr(8, 4) != "WAVE")
    return std::nullopt;
  WavClip clip;
  bool have_format = false;
  size_t at = 12;
  while (image.size() - at >= 8) {
    const std::string_view id = image.substr(at, 4);
    const size_t size = Le(image, at + 4, 4);
    const size_t body = at + 8;
    const size_t room = image.size() - body;
    if (id == "fmt ") {
      if (size < 16 || size > room) return std::nullopt;
      const uint32_t tag = Le(image, body, 2);
      clip.channels = static_cast<int>(Le(image, body + 2, 2));
      clip.sample_rate = static_cast<int>(Le(image, body + 4, 4));
      clip.bits = static_cast<int>(Le(image, body + 14, 2));
      if (tag != 1 || clip.channels < 1 || clip.channels > 2 || clip.sample_rate < 1000 ||
          clip.sample_rate > 192000 || (clip.bits != 8 && clip.bits != 16))
        return std::nullopt;
      have_format = true;
    } else if (id == "data") {
      if (!have_format) return std::nullopt;
      // A recorder that never went back to fill in the length leaves it too large: the bytes
      // that are there are the recording.
      const size_t frame = static_cast<size_t>(clip.channels * clip.bits / 8);
      const size_t length = size < room ? size : room;
      clip.pcm = image.substr(body, length - length % frame);
      return clip;
    }
    if (size > room) return std::nullopt;
    at = body + size + (size & 1);
    if (at > image.size()) return std::nullopt;
  }
  return std::nullopt;
}

std::string MakeWav(std::string_view pcm, int channels, int sample_rate) {
  std::string out = "RIFF";
  PutLe(out, static_cast<uint32_t>(36 + pcm.size()), 4);
  out += "WAVEfmt ";
  PutLe(out, 16, 4);
  PutLe(out, 1, 2);
  PutLe(out, static_cast<uint32_t>(channels), 2);
  PutLe(out, static_cast<uint32_t>(sample_rate), 4);
  PutLe(out, static_cast<uint32_t>(sample_rate * channels * 2), 4);
  PutLe(out, static_cast<uint32_t>(channels * 2), 2);
  PutLe(out, 16, 2);
  out += "data";
  PutLe(out, static_cast<uint32_t>(pcm.size()), 4);
  out.append(pcm);
  return out;
}

}  // namespace quorvex
