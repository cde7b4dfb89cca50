// The palette of the GIF recordings.
#include <gtest/gtest.h>

#include <cstdlib>

#include "art/median_cut.h"

namespace quorvex {
namespace {

int Distance(Rgb a, Rgb b) {
  return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

// A table picture has few colours; each must come back exactly, however rare.
TEST(MedianCut, FewColoursAreKeptExactly) {
  const Rgb colours[] = {{0, 96, 40}, {255, 255, 255}, {200, 0, 0}, {0, 0, 0}, {201, 0, 0}};
  ColourHistogram h;
  h.Add(colours[0], 300000);
  for (int i = 1; i < 5; ++i) h.Add(colours[i], i);
  const Palette palette = MedianCutPalette(h);
  EXPECT_EQ(palette.colours.size(), 4u);
  for (int i : {0, 1, 3}) EXPECT_EQ(palette.colours[palette.IndexOf(colours[i])], colours[i]);
  // 200 and 201 share a bin and are averaged by count: (200 x 2 + 201 x 4) / 6 rounds to 201.
  EXPECT_EQ(palette.colours[palette.IndexOf(colours[2])], (Rgb{201, 0, 0}));
  EXPECT_EQ(palette.colours[palette.IndexOf(colours[4])], (Rgb{201, 0, 0}));
}

// A smooth ramp of 32768 colours fits into 256 entries with small error everywhere, and a
// colour never counted still maps to a near entry.
TEST(MedianCut, ManyColoursFitIntoTheLimit) {
  ColourHistogram h;
  for (int r = 0; r < 256; r += 8)
    for (int g = 0; g < 256; g += 8)
      for (int b = 0; b < 256; b += 8)
        h.Add({static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b)});
  const Palette palette = MedianCutPalette(h);
  ASSERT_EQ(palette.colours.size(), 256u);
  int worst = 0;
  for (int r = 0; r < 256; r += 8)
    for (int g = 0; g < 256; g += 8)
      for (int b = 0; b < 256; b += 8) {
        const Rgb c{static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b)};
        worst = std::max(worst, Distance(c, palette.colours[palette.IndexOf(c)]));
      }
  EXPECT_LE(worst, 40);

  ColourHistogram few;
  few.Add({0, 0, 0}, 10);
  few.Add({250, 250, 250}, 10);
  const Palette two = MedianCutPalette(few);
  EXPECT_EQ(two.colours[two.IndexOf({230, 240, 235})], (Rgb{250, 250, 250}));
  EXPECT_EQ(two.colours[two.IndexOf({30, 20, 10})], (Rgb{0, 0, 0}));
}

TEST(MedianCut, LimitsAndEmptyHistogram) {
  ColourHistogram h;
  EXPECT_EQ(MedianCutPalette(h).colours, std::vector<Rgb>{Rgb{}});
  h.Add({0, 0, 0}, 1);
  h.Add({100, 200, 50}, 3);
  EXPECT_EQ(MedianCutPalette(h, 1).colours, std::vector<Rgb>{(Rgb{75, 150, 38})});
}

}  // namespace
}  // namespace quorvex
