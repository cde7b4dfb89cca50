// Placing the shared texts and sizing the notice window.
#include <gtest/gtest.h>

#include "art/text_layout.h"

namespace quorvex {
namespace {

TEST(NoticeWidth, NarrowNoticesOpenAt400) {
  const int cases[][2] = {{200, 400}, {349, 400}, {350, 400}, {351, 401}, {420, 470}, {0, 400}};
  for (const auto& c : cases) EXPECT_EQ(NoticeClientWidth(c[0]), c[1]) << c[0];
}

TEST(TextPlace, Alignments) {
  const struct {
    char align;
    int left, right, width, x;
  } cases[] = {
      {'l', 10, 110, 40, 10}, {'r', 10, 110, 40, 70},
      {'c', 10, 110, 40, 40}, {'c', 10, 110, 41, 39},  // 59 / 2 truncated
      {'c', 10, 110, 105, 8},                          // -5 / 2 truncates towards zero
      {'x', 10, 110, 40, 10},
  };
  for (const auto& c : cases)
    EXPECT_EQ(AlignedTextLeft(c.align, c.left, c.right, c.width), c.x) << c.align << c.width;
}

TEST(TextPlace, ShadowHalvesEveryChannel) {
  EXPECT_EQ(ShadowColour({255, 254, 1}), (Rgb{128, 127, 0}));
  EXPECT_EQ(ShadowColour({3, 5, 0}), (Rgb{2, 2, 0}));
}

}  // namespace
}  // namespace quorvex
