#include "art/recolour.h"

#include <algorithm>
#include <cstdlib>

#include "settings/window_scale.h"

namespace quorvex {

namespace {

// num / den to the nearest integer, halves to even like every other rounding of the program.
uint8_t Rounded(int64_t num, int64_t den) {
  return static_cast<uint8_t>(RoundHalfEven(num, den));
}

Rgb FromRed(Rgb p, int variant) {
  switch (variant) {
    case 2:  // orange: keep the red, lift green part of the way towards it
      if (p.g < p.r && p.b < p.r) {
        const uint8_t b = Rounded(7 * std::min(p.g, p.b), 10);
        const uint8_t g = static_cast<uint8_t>(b + Rounded(4 * std::abs(p.r - b), 10));
        return {p.r, g, b};
      }
      return p;
    case 3:
      return {p.r, p.r, p.b};
    case 4:
      return {p.g, p.r, p.b};
    case 5:
      return {p.b, p.r, p.r};
    case 6:
      return {p.b, p.g, p.r};
    case 7:
      return {p.r, p.g, p.r};
    default:
      return p;
  }
}

Rgb FromGreen(Rgb p, int variant) {
  switch (variant) {
    case 1:
      return {p.g, p.r, p.b};
    case 3:
      return {p.g, p.g, p.b};
    case 5:
      return {p.r, p.g, p.g};
    case 6:
      return {p.r, p.b, p.g};
    case 7:
      return {p.g, p.b, p.g};
    default:
      return p;
  }
}

Rgb FromBlue(Rgb p, int variant) {
  switch (variant) {
    case 1:
      return {p.b, p.g, p.r};
    case 3:
      return {p.b, p.b, p.g};
    case 4:
      return {p.r, p.b, p.g};
    case 5:
      return {p.r, p.b, p.b};
    case 7:
      return {p.b, p.g, p.b};
    default:
      return p;
  }
}

}  // namespace

Rgb RecolourPixel(Rgb pixel, int base_hue, int variant) {
  if (variant == kGreyVariant) {
    const uint8_t grey = Rounded(30 * pixel.r + 59 * pixel.g + 11 * pixel.b, 100);
    return {grey, grey, grey};
  }
  switch (base_hue) {
    case kRedArt:
      return FromRed(pixel, variant);
    case kGreenArt:
      return FromGreen(pixel, variant);
    case kBlueArt:
      return FromBlue(pixel, variant);
    default:
      return pixel;
  }
}

}  // namespace quorvex
