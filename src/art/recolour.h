// Colour variants of the program's red, green and blue art: the title banner follows the chosen
// caption colour, and card-style buttons come in several colour schemes.
#pragma once

#include <cstdint>

namespace quorvex {

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

enum ArtHue { kRedArt = 1, kGreenArt = 2, kBlueArt = 3 };

// Colour variants: 1 red, 2 orange, 3 yellow, 4 green, 5 cyan, 6 blue, 7 magenta, 8 grey.
inline constexpr int kGreyVariant = 8;

// One pixel of art drawn in the base hue, turned into the variant. A variant that equals the
// art's own hue, or that the art has no rule for, leaves the pixel as it is.
Rgb RecolourPixel(Rgb pixel, int base_hue, int variant);

}  // namespace quorvex
