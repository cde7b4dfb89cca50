#include "art/bilinear_resize.h"

#include <cmath>

namespace quorvex {

bool ResizeApplies(int width, int height, int target_width, int target_height) {
  return width >= 2 && height >= 2 && target_width >= 2 && target_height >= 2;
}

RgbaPicture ResizeBilinear(const RgbaPicture& source, int target_width, int target_height) {
  if (!ResizeApplies(source.width, source.height, target_width, target_height) ||
      source.rgba.size() != static_cast<size_t>(source.width) * source.height * 4) {
    return source;
  }
  RgbaPicture target{target_width, target_height,
                     std::vector<uint8_t>(static_cast<size_t>(target_width) * target_height * 4)};
  const int sw = source.width;
  auto at = [&](int x, int y, int channel) {
    return static_cast<double>(source.rgba[(static_cast<size_t>(y) * sw + x) * 4 + channel]);
  };
  for (int y = 0; y < target_height; ++y) {
    // The sample point stays below the last row and column, so its right and lower neighbours
    // always exist.
    const double fy = static_cast<double>(y) * (source.height - 1) / target_height;
    const int y0 = static_cast<int>(fy);
    const double dy = fy - y0;
    for (int x = 0; x < target_width; ++x) {
      const double fx = static_cast<double>(x) * (sw - 1) / target_width;
      const int x0 = static_cast<int>(fx);
      const double dx = fx - x0;
      uint8_t* out = &target.rgba[(static_cast<size_t>(y) * target_width + x) * 4];
      for (int c = 0; c < 4; ++c) {
        const double top = at(x0, y0, c) * (1 - dx) + at(x0 + 1, y0, c) * dx;
        const double bottom = at(x0, y0 + 1, c) * (1 - dx) + at(x0 + 1, y0 + 1, c) * dx;
        out[c] = static_cast<uint8_t>(std::lround(top * (1 - dy) + bottom * dy));
      }
    }
  }
  return target;
}

}  // namespace quorvex
