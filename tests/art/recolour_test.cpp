// Colour variants of the red, green and blue art.
#include <gtest/gtest.h>

#include "art/recolour.h"

namespace quorvex {
namespace {

constexpr Rgb kRed{255, 0, 0}, kGreen{0, 255, 0}, kBlue{0, 0, 255};

// Whatever the art's own hue, variants 1..7 reach the same seven colours from its pure colour,
// and the grey of a tie rounds to even (0.3 x 255 = 76.5).
TEST(Recolour, PureArtColourGivesTheSevenColours) {
  const Rgb expected[] = {{},          {255, 0, 0},   {255, 102, 0}, {255, 255, 0},
                          {0, 255, 0}, {0, 255, 255}, {0, 0, 255},   {255, 0, 255}};
  const struct {
    int base;
    Rgb pure;
    Rgb grey;
  } arts[] = {{kRedArt, kRed, {76, 76, 76}},
              {kGreenArt, kGreen, {150, 150, 150}},
              {kBlueArt, kBlue, {28, 28, 28}}};
  for (const auto& art : arts) {
    for (int variant = 1; variant <= 7; ++variant) {
      if (variant == 2 && art.base != kRedArt) continue;  // orange exists for red art only
      const Rgb got = RecolourPixel(art.pure, art.base, variant);
      EXPECT_EQ(got, expected[variant]) << "base " << art.base << " variant " << variant << ": "
                                        << +got.r << "," << +got.g << "," << +got.b;
    }
    EXPECT_EQ(RecolourPixel(art.pure, art.base, kGreyVariant), art.grey) << art.base;
  }
}

// A shaded pixel tells a swap from a copy.
TEST(Recolour, ShadedPixelFollowsEachRule) {
  const Rgb p{200, 50, 30};
  const struct {
    int base, variant;
    Rgb result;
  } cases[] = {
      {1, 2, {200, 93, 21}},  // B' = round(0.7 x 30) = 21, G' = 21 + round(0.4 x 179) = 93
      {1, 3, {200, 200, 30}}, {1, 4, {50, 200, 30}},  {1, 5, {30, 200, 200}},
      {1, 6, {30, 50, 200}},  {1, 7, {200, 50, 200}}, {2, 1, {50, 200, 30}},
      {2, 3, {50, 50, 30}},   {2, 5, {200, 50, 50}},  {2, 6, {200, 30, 50}},
      {2, 7, {50, 30, 50}},   {3, 1, {30, 50, 200}},  {3, 3, {30, 30, 50}},
      {3, 4, {200, 30, 50}},  {3, 5, {200, 30, 30}},  {3, 7, {30, 50, 30}},
      {2, 8, {93, 93, 93}},  // 0.3 x 200 + 0.59 x 50 + 0.11 x 30 = 92.8
  };
  for (const auto& c : cases) {
    const Rgb got = RecolourPixel(p, c.base, c.variant);
    EXPECT_EQ(got, c.result) << "base " << c.base << " variant " << c.variant << ": " << +got.r
                             << "," << +got.g << "," << +got.b;
  }
}

TEST(Recolour, UnlistedVariantsAndNonRedOrangeLeaveThePixel) {
  const Rgb p{200, 50, 30};
  const int cases[][2] = {{1, 1}, {1, 0}, {1, 9}, {2, 2}, {2, 4}, {3, 2}, {3, 6}, {0, 3}, {4, 4}};
  for (const auto& c : cases) EXPECT_EQ(RecolourPixel(p, c[0], c[1]), p) << c[0] << " " << c[1];
  // Orange only lifts pixels whose red leads.
  EXPECT_EQ(RecolourPixel({100, 100, 20}, kRedArt, 2), (Rgb{100, 100, 20}));
  EXPECT_EQ(RecolourPixel({100, 20, 100}, kRedArt, 2), (Rgb{100, 20, 100}));
}

}  // namespace
}  // namespace quorvex
