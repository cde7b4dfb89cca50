#include "art/face_pixels.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace quorvex {

void InvertEllipse(const PixelRows& rows, const PixelRect& ellipse) {
  const int top = std::max(0, ellipse.top), bottom = std::min(rows.height, ellipse.bottom);
  const int left = std::max(0, ellipse.left), right = std::min(rows.width, ellipse.right);
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x)
      if (EllipseContains(ellipse, x, y)) rows.At(x, y) ^= 0x00FFFFFFu;
}

void FloodFill(const PixelRows& rows, int x, int y, uint32_t from, uint32_t to) {
  const uint32_t match = 0xFF000000u | (from & 0xFFFFFFu);
  const uint32_t fill = 0xFF000000u | (to & 0xFFFFFFu);
  if (match == fill) return;
  auto inside = [&](int px, int py) {
    return px >= 0 && py >= 0 && px < rows.width && py < rows.height && rows.At(px, py) == match;
  };
  std::vector<std::pair<int, int>> stack;
  if (inside(x, y)) stack.emplace_back(x, y);
  while (!stack.empty()) {
    const auto [px, py] = stack.back();
    stack.pop_back();
    if (!inside(px, py)) continue;
    rows.At(px, py) = fill;
    stack.emplace_back(px + 1, py);
    stack.emplace_back(px - 1, py);
    stack.emplace_back(px, py + 1);
    stack.emplace_back(px, py - 1);
  }
}

}  // namespace quorvex
