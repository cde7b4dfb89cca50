// Colours of the card-style buttons. Their art is drawn red; every piece and every row of the
// gradient is turned into the button's colour scheme and lightened here, so a scheme is one
// pixel rule that tests can check without a display.
#pragma once

#include <cstdint>
#include <span>

#include "art/recolour.h"

namespace quorvex {

// The colour schemes, in the order the settings and dialogs number them.
enum class ColorSB { DRed, DGreen, DBlue, DNavy, DYellow, DViolet, DOrang, DCards };
inline constexpr int kColorSchemes = 8;

// A colour written the Windows way, 0xBBGGRR, as the button's tables give them.
constexpr Rgb FromBgr(uint32_t bgr) {
  return {static_cast<uint8_t>(bgr & 0xFF), static_cast<uint8_t>((bgr >> 8) & 0xFF),
          static_cast<uint8_t>((bgr >> 16) & 0xFF)};
}

// The channel rule of a scheme for one pixel of the red art. nata is the new square style, which
// maps DCards differently and only where the pixel is close to pure red.
Rgb SchemePixel(Rgb art, ColorSB scheme, bool nata);

// Every channel moved k percent (clamped to 0..100) of the way to white.
Rgb Lighten(Rgb colour, int k);

// Within 180 of pure red: the part of the new-style art that DCards and lightening touch.
bool NearPureRed(Rgb colour);

// A pixel of the red art as the button shows it: the scheme's rule, then the lightening.
Rgb ButtonPixel(Rgb art, ColorSB scheme, int klight, bool nata);

// The row colours of the classic art at the exact heights 30, 45 and 60, in the red art: one per
// row of art height 29, 44 or 59 (any other art height gives an empty table).
std::span<const Rgb> ButtonGradient(int art_height);

// The colour of the focus outline.
Rgb FocusOutlineColour(ColorSB scheme, bool nata);

}  // namespace quorvex
