// The bilinear resize behind the banners.
#include <gtest/gtest.h>

#include "art/bilinear_resize.h"

namespace quorvex {
namespace {

// A 2 x 2 picture whose four channels each hold their own corner values, so that a channel
// mixed up with another, or alpha blended differently from colour, shows.
RgbaPicture Corners() {
  const uint8_t corner[4][4] = {
      {0, 200, 10, 255},   // (0, 0)
      {100, 0, 10, 0},     // (1, 0)
      {200, 40, 90, 255},  // (0, 1)
      {40, 120, 90, 0},    // (1, 1)
  };
  RgbaPicture p{2, 2, {}};
  for (const auto& c : corner) p.rgba.insert(p.rgba.end(), c, c + 4);
  return p;
}

TEST(BilinearResize, SamplesBetweenTheFourNeighbours) {
  const RgbaPicture big = ResizeBilinear(Corners(), 4, 4);
  ASSERT_EQ(big.width, 4);
  ASSERT_EQ(big.height, 4);
  ASSERT_EQ(big.rgba.size(), 64u);
  auto px = [&](int x, int y) {
    const uint8_t* p = &big.rgba[(y * 4 + x) * 4];
    return std::vector<int>{p[0], p[1], p[2], p[3]};
  };
  // Target x samples the source at x / 4 of the way across: 0, 0.25, 0.5, 0.75.
  EXPECT_EQ(px(0, 0), (std::vector<int>{0, 200, 10, 255}));
  EXPECT_EQ(px(2, 0), (std::vector<int>{50, 100, 10, 128}));  // alpha 127.5 rounds up
  EXPECT_EQ(px(0, 2), (std::vector<int>{100, 120, 50, 255}));
  EXPECT_EQ(px(2, 2), (std::vector<int>{85, 90, 50, 128}));
  // (0.75, 0.75): never reaches the last source row or column.
  EXPECT_EQ(px(3, 3), (std::vector<int>{79, 88, 70, 64}));
}

TEST(BilinearResize, SmallPicturesAndTargetsAreLeftAlone) {
  EXPECT_TRUE(ResizeApplies(2, 2, 2, 2));
  const int cases[][4] = {{1, 5, 10, 10}, {5, 1, 10, 10}, {5, 5, 1, 10}, {5, 5, 10, 0}};
  for (const auto& c : cases) EXPECT_FALSE(ResizeApplies(c[0], c[1], c[2], c[3]));
  const RgbaPicture source = Corners();
  EXPECT_EQ(ResizeBilinear(source, 1, 8), source);
}

TEST(BilinearResize, ShrinksToTheTargetSize) {
  RgbaPicture wide{6, 3, std::vector<uint8_t>(6 * 3 * 4, 77)};
  const RgbaPicture small = ResizeBilinear(wide, 4, 2);
  EXPECT_EQ(small, (RgbaPicture{4, 2, std::vector<uint8_t>(4 * 2 * 4, 77)}));
}

}  // namespace
}  // namespace quorvex
