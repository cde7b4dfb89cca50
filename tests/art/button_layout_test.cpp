// Which art a card-style button uses at a given height, and where its caps and outline go.
#include <gtest/gtest.h>

#include "art/button_layout.h"

namespace quorvex {
namespace {

// The 35-pixel button: the 44 art, caps of round(13 x 35 / 45) = 10 resampled smoothly, and the
// stretched middle piece instead of the gradient rows.
TEST(ButtonLayout, ThirtyFivePixelButton) {
  const ButtonLayout plan = PlanButton(35, false, ColorSB::DRed, true);
  EXPECT_EQ(plan.art_height, 44);
  EXPECT_EQ(plan.cap_width, 10);
  EXPECT_FALSE(plan.exact);
  EXPECT_TRUE(plan.smooth_caps);
  EXPECT_FALSE(plan.gradient_middle);
  EXPECT_EQ(plan.glyph_gap, 10);
  EXPECT_EQ(plan.outline_dx, 8);  // 10 x 0.8
  EXPECT_EQ(plan.outline_dy, 5);
  EXPECT_FALSE(PlanButton(35, false, ColorSB::DRed, false).smooth_caps);
}

TEST(ButtonLayout, ArtAndCapsByHeight) {
  const struct {
    int height, art, cap, dy;
  } cases[] = {
      {20, 29, 5, 3},  {29, 29, 8, 4},  {30, 29, 8, 4},  {31, 44, 9, 5},
      {45, 44, 13, 5}, {50, 59, 14, 5}, {60, 59, 17, 6}, {70, 59, 20, 6},
  };
  for (const auto& c : cases) {
    const ButtonLayout plan = PlanButton(c.height, false, ColorSB::DGreen, true);
    EXPECT_EQ(plan.art_height, c.art) << c.height;
    EXPECT_EQ(plan.cap_width, c.cap) << c.height;
    EXPECT_EQ(plan.outline_dy, c.dy) << c.height;
  }
}

// Exact heights paint the gradient row by row in the classic style, except in the cards
// scheme and the square style; their insets, corners and glyph gaps are fixed.
TEST(ButtonLayout, ExactHeights) {
  const struct {
    int height, dx, dy, corner, gap;
  } cases[] = {{30, 7, 4, 7, 25}, {45, 9, 5, 9, 28}, {60, 11, 6, 11, 30}};
  for (const auto& c : cases) {
    const ButtonLayout plan = PlanButton(c.height, false, ColorSB::DNavy, true);
    EXPECT_TRUE(plan.exact);
    EXPECT_FALSE(plan.smooth_caps) << "exact heights stretch their own art";
    EXPECT_TRUE(plan.gradient_middle);
    EXPECT_EQ(plan.outline_dx, c.dx);
    EXPECT_EQ(plan.outline_dy, c.dy);
    EXPECT_EQ(plan.outline_corner, c.corner);
    EXPECT_EQ(plan.glyph_gap, c.gap);
    EXPECT_FALSE(PlanButton(c.height, false, ColorSB::DCards, true).gradient_middle);
    EXPECT_FALSE(PlanButton(c.height, true, ColorSB::DNavy, true).gradient_middle);
  }
}

TEST(ButtonLayout, NominalHeights) {
  EXPECT_EQ(NominalHeight(HeightSB::D30), 30);
  EXPECT_EQ(NominalHeight(HeightSB::D45), 45);
  EXPECT_EQ(NominalHeight(HeightSB::D60), 60);
}

}  // namespace
}  // namespace quorvex
