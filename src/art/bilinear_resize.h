// The bilinear resize of pictures with alpha: the title and mode banners are drawn at design
// size and fitted to the scaled window this way.
#pragma once

#include <cstdint>
#include <vector>

namespace quorvex {

// A picture as rows of R, G, B, A bytes, not premultiplied.
struct RgbaPicture {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgba;  // width * height * 4

  bool operator==(const RgbaPicture&) const = default;
};

// Pictures or targets smaller than 2 x 2 are not resized.
bool ResizeApplies(int width, int height, int target_width, int target_height);

// The resized copy: target pixel (x, y) samples the source at (x (sw - 1) / tw, y (sh - 1) / th)
// and blends the four source pixels around that point, colour and alpha alike. The caller
// checks ResizeApplies first; otherwise the source comes back unchanged.
RgbaPicture ResizeBilinear(const RgbaPicture& source, int target_width, int target_height);

}  // namespace quorvex
