// The two pixel fixes the face loader applies to library pictures: the inverted ellipse every
// library face keeps, and the flood fill of one design's diamonds symbol. They work on 32-bit
// 0xAARRGGBB rows so the art generator and the window share them.
#pragma once

#include <cstdint>

#include "art/card_geometry.h"

namespace quorvex {

struct PixelRows {
  uint32_t* first = nullptr;  // top row
  int width = 0;
  int height = 0;
  int stride = 0;  // pixels from one row to the next
  uint32_t& At(int x, int y) const { return first[static_cast<int64_t>(y) * stride + x]; }
};

// Inverts red, green and blue of every pixel inside the ellipse; alpha stays. Doing it twice
// gives the picture back.
void InvertEllipse(const PixelRows& rows, const PixelRect& ellipse);

// The face design whose diamonds symbol is stored on grey and filled with silver on loading.
inline constexpr int kFilledSymbolDesign = 26;
inline constexpr uint32_t kSymbolGrey = 0xC3C3C3;
inline constexpr uint32_t kSilver = 0xC0C0C0;

// Replaces the opaque pixels of colour `from` (0xRRGGBB) connected to (x, y) through their four
// neighbours with the opaque colour `to`. Nothing happens when (x, y) is outside or of another
// colour.
void FloodFill(const PixelRows& rows, int x, int y, uint32_t from, uint32_t to);

}  // namespace quorvex
