#include "art/card_geometry.h"

namespace quorvex {

namespace {
// a / b compared with n / d, the factors being exact fractions.
bool AtLeast(const ScaleFactor& f, int64_t n, int64_t d) {
  return f.num * d >= n * f.den;
}

int Scaled(const ScaleFactor& f, int value) {
  return static_cast<int>(RoundHalfEven(f.num * value, f.den));
}
}  // namespace

int CardSizeClass(const ScaleFactor& size) {
  if (AtLeast(size, 2, 1)) return 2;
  if (AtLeast(size, 13, 10)) return 0;
  return kNormalSize;
}

PixelSize CardCell(int size_class, bool wide_faces, const ScaleFactor& size) {
  if (size_class == kNormalSize) return {71, 96};
  if (size_class == 2) return StoredFaceSize(2, wide_faces);
  return {Scaled(size, wide_faces ? 71 : 61), Scaled(size, 96)};
}

PixelSize StoredFaceSize(int size_class, bool wide_faces) {
  if (size_class == kNormalSize) return {69, 94};
  return {wide_faces ? 146 : 126, 198};
}

PixelSize StoredBackSize(int size_class, bool wide_faces, bool rotated) {
  const PixelSize upright = StoredFaceSize(size_class, wide_faces);
  return rotated ? PixelSize{upright.height, upright.width} : upright;
}

PixelSize StoredSymbolSize(bool big) {
  return big ? PixelSize{40, 40} : PixelSize{20, 20};
}

int BigCornerSize(const ScaleFactor& size) {
  return Scaled(size, 8);
}

int LayoutOffset(bool wide_faces, int window_size) {
  return wide_faces || window_size == 1 ? 0 : 5;
}

PixelRect FaceEllipse(int size_class, bool wide_faces) {
  const PixelSize face = StoredFaceSize(size_class, wide_faces);
  return {10, 10, face.width - 10, face.height - 10};
}

bool EllipseContains(const PixelRect& e, int x, int y) {
  // Doubled coordinates keep the test in integers: (2x + 1 - cx2) / w, cx2 = left + right.
  const int64_t w = e.right - e.left, h = e.bottom - e.top;
  if (w <= 0 || h <= 0) return false;
  const int64_t dx = 2 * int64_t{x} + 1 - (e.left + e.right);
  const int64_t dy = 2 * int64_t{y} + 1 - (e.top + e.bottom);
  return dx * dx * h * h + dy * dy * w * w <= w * w * h * h;
}

}  // namespace quorvex
