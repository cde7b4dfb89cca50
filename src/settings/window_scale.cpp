#include "settings/window_scale.h"

#include <algorithm>

namespace quorvex {

namespace {

struct FixedSize {
  int width, height;
  ScaleFactor factor;
  int screen_width, screen_height;  // smallest screen that offers it
};

// Indexed by window size; size 2 (full screen) is computed.
constexpr FixedSize kFixedSizes[kWindowSizes + 1] = {
    {},
    {760, 500, {1, 1}, 0, 0},
    {},
    {990, 650, {13, 10}, 990, 670},
    {1290, 850, {17, 10}, 1290, 870},
    {1520, 1000, {2, 1}, 1520, 1020},
};

bool Less(const ScaleFactor& a, const ScaleFactor& b) {
  return a.num * b.den < b.num * a.den;
}

// Position of a scaled element: round(f * p) + round((f - size) * extent / 2).
int Place(const ScaleFactor& f, const ScaleFactor& size, int p, int extent) {
  const int64_t shift_num = (f.num * size.den - size.num * f.den) * extent;
  const int64_t shift_den = f.den * size.den * 2;
  return static_cast<int>(RoundHalfEven(f.num * p, f.den) + RoundHalfEven(shift_num, shift_den));
}

}  // namespace

int64_t RoundHalfEven(int64_t num, int64_t den) {
  if (den < 0) num = -num, den = -den;
  int64_t q = num / den;
  int64_t r = num % den;
  if (r < 0) r += den, --q;  // floor division
  if (2 * r > den || (2 * r == den && q % 2 != 0)) ++q;
  return q;
}

WindowScale WindowScaleFor(int window_size, int maximised_width, int maximised_height) {
  WindowScale scale;
  if (window_size == 2 && maximised_width > 0 && maximised_height > 0) {
    scale.client_width = maximised_width;
    scale.client_height = maximised_height;
    scale.x = {maximised_width, kDesignWidth};
    scale.y = {maximised_height, kDesignHeight};
    scale.size = std::min(scale.x, scale.y, Less);
  } else if (window_size >= 1 && window_size <= kWindowSizes && window_size != 2) {
    const FixedSize& fixed = kFixedSizes[window_size];
    scale.client_width = fixed.width;
    scale.client_height = fixed.height;
    scale.x = scale.y = scale.size = fixed.factor;
  }
  return scale;
}

bool WindowSizeOffered(int window_size, int screen_width, int screen_height) {
  if (window_size == 1 || window_size == 2) return true;
  if (window_size < 1 || window_size > kWindowSizes) return false;
  const FixedSize& fixed = kFixedSizes[window_size];
  return screen_width >= fixed.screen_width && screen_height >= fixed.screen_height;
}

int ScaleSize(const WindowScale& scale, int s) {
  return static_cast<int>(RoundHalfEven(scale.size.num * s, scale.size.den));
}

int ScaleX(const WindowScale& scale, int x, int w) {
  return Place(scale.x, scale.size, x, w);
}

int ScaleY(const WindowScale& scale, int y, int h) {
  return Place(scale.y, scale.size, y, h);
}

}  // namespace quorvex
