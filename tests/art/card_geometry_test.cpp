#include <gtest/gtest.h>

#include "art/card_geometry.h"
#include "art/face_pixels.h"

namespace quorvex {
namespace {

TEST(CardGeometry, SizeClassAndCellFollowTheWindowScale) {
  struct Case {
    ScaleFactor scale;
    bool wide;
    int size_class;
    PixelSize cell;
  };
  const Case cases[] = {
      {{1, 1}, true, 1, {71, 96}},      {{1, 1}, false, 1, {71, 96}},
      {{129, 100}, true, 1, {71, 96}},  {{13, 10}, true, 0, {92, 125}},
      {{13, 10}, false, 0, {79, 125}},  {{17, 10}, true, 0, {121, 163}},
      {{17, 10}, false, 0, {104, 163}}, {{199, 100}, true, 0, {141, 191}},
      {{2, 1}, true, 2, {146, 198}},    {{2, 1}, false, 2, {126, 198}},
      {{5, 2}, true, 2, {146, 198}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CardSizeClass(c.scale), c.size_class) << c.scale.num << "/" << c.scale.den;
    EXPECT_EQ(CardCell(c.size_class, c.wide, c.scale), c.cell) << c.scale.num << "/" << c.scale.den;
  }
  EXPECT_EQ(BigCornerSize({13, 10}), 10);
  EXPECT_EQ(BigCornerSize({17, 10}), 14);
  EXPECT_EQ(LayoutOffset(true, 5), 0);
  EXPECT_EQ(LayoutOffset(false, 1), 0);
  EXPECT_EQ(LayoutOffset(false, 3), 5);
}

TEST(CardGeometry, InvertingTheEllipseTwiceRestoresThePicture) {
  const PixelRect ellipse = FaceEllipse(1, true);
  EXPECT_EQ(ellipse, (PixelRect{10, 10, 59, 84}));
  EXPECT_EQ(FaceEllipse(2, false), (PixelRect{10, 10, 116, 188}));
  std::vector<uint32_t> pixels(69 * 94);
  for (size_t i = 0; i < pixels.size(); ++i)
    pixels[i] = 0x80000000u | static_cast<uint32_t>(i * 2654435761u >> 8);
  const std::vector<uint32_t> original = pixels;
  const PixelRows rows{pixels.data(), 69, 94, 69};
  InvertEllipse(rows, ellipse);
  // The middle is inverted with its alpha kept; the corners and the rim are not touched.
  EXPECT_EQ(rows.At(34, 47), original[47 * 69 + 34] ^ 0x00FFFFFFu);
  EXPECT_EQ(rows.At(10, 10), original[10 * 69 + 10]);
  EXPECT_EQ(rows.At(34, 9), original[9 * 69 + 34]);
  EXPECT_EQ(rows.At(34, 10), original[10 * 69 + 34] ^ 0x00FFFFFFu);
  EXPECT_EQ(rows.At(9, 47), original[47 * 69 + 9]);
  InvertEllipse(rows, ellipse);
  EXPECT_EQ(pixels, original);
}

TEST(CardGeometry, FloodFillStaysInsideItsColour) {
  // A grey ground with a red ring; grey also inside the ring, which the fill must not reach.
  constexpr uint32_t grey = 0xFF000000u | kSymbolGrey, red = 0xFFFF0000u;
  std::vector<uint32_t> pixels(9 * 9, grey);
  const PixelRows rows{pixels.data(), 9, 9, 9};
  for (int i = 2; i <= 6; ++i) rows.At(i, 2) = rows.At(i, 6) = rows.At(2, i) = rows.At(6, i) = red;
  rows.At(8, 8) = 0x00000000u | kSymbolGrey;  // transparent grey is not the colour
  FloodFill(rows, 0, 0, kSymbolGrey, kSilver);
  EXPECT_EQ(rows.At(0, 0), 0xFF000000u | kSilver);
  EXPECT_EQ(rows.At(7, 3), 0xFF000000u | kSilver);
  EXPECT_EQ(rows.At(4, 4), grey);
  EXPECT_EQ(rows.At(2, 2), red);
  EXPECT_EQ(rows.At(8, 8), kSymbolGrey);
  // A start outside the picture or on another colour changes nothing.
  const std::vector<uint32_t> before = pixels;
  FloodFill(rows, -1, 0, kSilver, grey);
  FloodFill(rows, 2, 2, kSymbolGrey, kSilver);
  EXPECT_EQ(pixels, before);
}

}  // namespace
}  // namespace quorvex
