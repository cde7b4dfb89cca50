// Sizes of the card pictures: the size class a window size asks for, the card cell a card is
// drawn in, the sizes the libraries store, and the ellipse the libraries keep inverted.
#pragma once

#include "settings/window_scale.h"

namespace quorvex {

// Size class 1 is the normal 69 x 94 card; 0 (resampled) and 2 (as stored) are the big ones.
inline constexpr int kNormalSize = 1;

struct PixelSize {
  int width = 0;
  int height = 0;
  bool operator==(const PixelSize&) const = default;
};

// Bounds of an ellipse: a pixel belongs to it when its centre lies inside the ellipse inscribed
// in [left, right) x [top, bottom).
struct PixelRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const PixelRect&) const = default;
};

// 1 below a scale of 1.3, 0 from 1.3 up to 2, 2 from 2 up.
int CardSizeClass(const ScaleFactor& size);
// 71 x 96 at the normal size; the stored big size at size class 2; 71 (or 61 for narrow faces)
// x 96 scaled and rounded at size class 0.
PixelSize CardCell(int size_class, bool wide_faces, const ScaleFactor& size);
// The size a library stores a face at: 69 x 94, or 146 x 198 wide and 126 x 198 narrow.
PixelSize StoredFaceSize(int size_class, bool wide_faces);
// The same for a back: 69 x 94 or the big face size; rotated swaps the sides.
PixelSize StoredBackSize(int size_class, bool wide_faces, bool rotated);
// Suit symbols: 20 x 20, and 40 x 40 for the big twins.
PixelSize StoredSymbolSize(bool big);
// Corner size of the rounded cell a resampled big face is cut to: round(8 x scale).
int BigCornerSize(const ScaleFactor& size);
// How far the trick cards move right in the table centre: 0 with wide faces or at window size
// 1, else 5 design pixels.
int LayoutOffset(bool wide_faces, int window_size);

// The ellipse each library face keeps inverted, 10 pixels inside the face on every side.
PixelRect FaceEllipse(int size_class, bool wide_faces);
bool EllipseContains(const PixelRect& ellipse, int x, int y);

}  // namespace quorvex
