// Where the pieces of a card-style button go for a given size and style: which art height is
// used, how wide the caps are drawn, whether the middle is painted row by row from the gradient
// or stretched from its piece, the glyph's gap and the focus outline.
#pragma once

#include "art/button_colours.h"

namespace quorvex {

// Nominal height classes of a button.
enum class HeightSB { D30, D45, D60 };

// 30, 45 or 60.
int NominalHeight(HeightSB height);

// The art of the pieces is 29, 44 or 59 pixels high; its caps are 8, 13 and 17 wide.
int ArtCapWidth(int art_height);

struct ButtonLayout {
  int art_height = 29;
  int cap_width = 8;            // each cap as drawn
  bool exact = true;            // the button is exactly 30, 45 or 60 high
  bool smooth_caps = false;     // caps resampled smoothly rather than stretched
  bool gradient_middle = true;  // one line per row in the gradient's colours
  int glyph_gap = 25;           // between the glyph and the text
  int outline_dx = 7;           // focus outline inset, left and right
  int outline_dy = 4;           // focus outline inset, top and bottom
  int outline_corner = 7;       // size of the outline's rounded corners
};

ButtonLayout PlanButton(int height, bool nata, ColorSB scheme, bool smooth);

}  // namespace quorvex
