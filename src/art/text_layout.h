// Where the shared text helpers put their text, and how wide the notice window opens.
#pragma once

#include "art/recolour.h"

namespace quorvex {

// The left edge of a text of the given width between left and right: alignment 'l' starts at
// left, 'r' ends at right, 'c' is centred (the offset truncated); any other letter counts as 'l'.
int AlignedTextLeft(char alignment, int left, int right, int text_width);

// The shadow drawn one pixel right and down under a text: every channel halved, halves to even.
Rgb ShadowColour(Rgb colour);

// The client width of the notice window for its widest line measured with the lines' left
// margin: that width plus 50 once it reaches 350, otherwise 400.
int NoticeClientWidth(int widest_line_with_margin);

}  // namespace quorvex
