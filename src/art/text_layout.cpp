#include "art/text_layout.h"

#include "settings/window_scale.h"

namespace quorvex {

int AlignedTextLeft(char alignment, int left, int right, int text_width) {
  switch (alignment) {
    case 'c':
      return left + (right - left - text_width) / 2;
    case 'r':
      return right - text_width;
    default:
      return left;
  }
}

Rgb ShadowColour(Rgb colour) {
  auto half = [](uint8_t c) { return static_cast<uint8_t>(RoundHalfEven(c, 2)); };
  return {half(colour.r), half(colour.g), half(colour.b)};
}

int NoticeClientWidth(int widest_line_with_margin) {
  return widest_line_with_margin >= 350 ? widest_line_with_margin + 50 : 400;
}

}  // namespace quorvex
