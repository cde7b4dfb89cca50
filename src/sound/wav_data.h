// Reading a WAV image: the format and the sample bytes of a PCM recording. The images come
// from resource libraries that may be damaged, so every length is checked against the bytes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvex {

struct WavClip {
  int channels = 0;
  int sample_rate = 0;
  int bits = 0;          // 8 or 16
  std::string_view pcm;  // whole sample frames, inside the image

  double Seconds() const {
    const int frame = channels * bits / 8;
    return frame > 0 && sample_rate > 0 ? double(pcm.size() / frame) / sample_rate : 0.0;
  }
};

// The clip of a plain PCM WAV (mono or stereo, 8 or 16 bits); nothing for anything else.
std::optional<WavClip> ParseWav(std::string_view image);

// A 16-bit PCM WAV image of the given samples.
std::string MakeWav(std::string_view pcm, int channels, int sample_rate);

}  // namespace quorvex
