// Colour schemes, lightening, gradients and outline colours of the card-style buttons.
#include <gtest/gtest.h>

#include <cstdlib>

#include "art/button_colours.h"

namespace quorvex {
namespace {

std::string Show(Rgb c) {
  return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
}

// A shaded pixel tells every channel swap apart; the cards scheme differs between the styles.
TEST(ButtonColours, EachSchemeMapsTheChannels) {
  const Rgb p{200, 50, 30};
  const struct {
    ColorSB scheme;
    Rgb classic, nata;
  } cases[] = {
      {ColorSB::DRed, {200, 50, 30}, {200, 50, 30}},
      {ColorSB::DGreen, {50, 200, 30}, {50, 200, 30}},
      {ColorSB::DBlue, {30, 200, 200}, {30, 200, 200}},
      {ColorSB::DNavy, {30, 50, 200}, {30, 50, 200}},
      {ColorSB::DYellow, {200, 200, 30}, {200, 200, 30}},
      {ColorSB::DViolet, {200, 50, 200}, {200, 50, 200}},
      // B' = round(0.7 x 30) = 21, G' = 21 + round(0.4 x 179) = 93
      {ColorSB::DOrang, {200, 93, 21}, {200, 93, 21}},
      {ColorSB::DCards, {140, 0, 200}, {120, 35, 200}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SchemePixel(p, c.scheme, false), c.classic)
        << static_cast<int>(c.scheme) << ": " << Show(SchemePixel(p, c.scheme, false));
    EXPECT_EQ(SchemePixel(p, c.scheme, true), c.nata)
        << static_cast<int>(c.scheme) << ": " << Show(SchemePixel(p, c.scheme, true));
  }
}

TEST(ButtonColours, ConditionalRulesLeaveOtherPixelsAlone) {
  // Orange only where red leads both other channels.
  EXPECT_EQ(SchemePixel({100, 150, 50}, ColorSB::DOrang, false), (Rgb{100, 150, 50}));
  EXPECT_EQ(SchemePixel({100, 50, 100}, ColorSB::DOrang, false), (Rgb{100, 50, 100}));
  // The pale line of the square art is far from red: the cards scheme keeps it in the new
  // style, while the classic rule applies everywhere (0.7 x 255 = 178.5 rounds to even).
  const Rgb pale{255, 190, 190};
  EXPECT_FALSE(NearPureRed(pale));
  EXPECT_EQ(SchemePixel(pale, ColorSB::DCards, true), pale);
  EXPECT_EQ(SchemePixel(pale, ColorSB::DCards, false), (Rgb{178, 0, 255}));
  // Lightening likewise: everywhere in the classic style, near red only in the new one.
  const Rgb frame{48, 32, 32};
  EXPECT_EQ(ButtonPixel(frame, ColorSB::DRed, 50, true), frame);
  EXPECT_EQ(ButtonPixel(frame, ColorSB::DRed, 50, false), (Rgb{152, 144, 144}));
  EXPECT_EQ(ButtonPixel({200, 0, 0}, ColorSB::DRed, 50, true), (Rgb{228, 128, 128}));
}

// A navy classic button turns the red art blue; lightening by 50 then moves every channel half
// way to white (ties to even), and 0 and 100 are the two ends.
TEST(ButtonColours, NavyArtIsBlueAndLighteningHalvesTheWayToWhite) {
  for (int art_height : {29, 44, 59}) {
    for (const Rgb art : ButtonGradient(art_height)) {
      const Rgb navy = ButtonPixel(art, ColorSB::DNavy, 0, false);
      EXPECT_EQ(navy, (Rgb{art.b, art.g, art.r}));
      if (art.g == 0) {
        EXPECT_GT(navy.b, navy.r) << Show(navy);
      }
      const Rgb light = ButtonPixel(art, ColorSB::DNavy, 50, false);
      for (auto [before, after] :
           {std::pair{navy.r, light.r}, {navy.g, light.g}, {navy.b, light.b}}) {
        EXPECT_LE(std::abs(2 * after - (before + 255)), 1) << Show(navy) << " -> " << Show(light);
      }
      EXPECT_EQ(ButtonPixel(art, ColorSB::DNavy, 100, false), (Rgb{255, 255, 255}));
    }
  }
  EXPECT_EQ(Lighten({0, 0, 238}, 50), (Rgb{128, 128, 246}));  // 127.5 and 246.5 to even
  EXPECT_EQ(Lighten({10, 20, 30}, -5), (Rgb{10, 20, 30}));
  EXPECT_EQ(Lighten({10, 20, 30}, 300), (Rgb{255, 255, 255}));
}

TEST(ButtonColours, GradientTablesHaveTheirRuns) {
  const struct {
    int art_height, pale, reds;
    uint8_t dark, first_red, last_red;
  } tables[] = {{29, 13, 13, 0x11, 0x88, 0xEE},
                {44, 21, 20, 0x0B, 0x88, 0xF4},
                {59, 28, 28, 0x09, 0x84, 0xF6}};
  for (const auto& t : tables) {
    const auto rows = ButtonGradient(t.art_height);
    ASSERT_EQ(static_cast<int>(rows.size()), t.art_height);
    EXPECT_EQ(rows.front(), FromBgr(0x000080));
    EXPECT_EQ(rows.back(), FromBgr(0x000080));
    EXPECT_EQ(rows[1], (Rgb{t.dark, 0, 0}));
    EXPECT_EQ(rows[2], FromBgr(0x5B5B87));
    EXPECT_EQ(rows[1 + t.pale], FromBgr(0x242498));
    EXPECT_EQ(rows[2 + t.pale], (Rgb{t.first_red, 0, 0}));
    EXPECT_EQ(rows[1 + t.pale + t.reds], (Rgb{t.last_red, 0, 0}));
    for (int i = 3 + t.pale; i <= 1 + t.pale + t.reds; ++i) {
      EXPECT_GT(rows[i].r, rows[i - 1].r) << t.art_height << " row " << i;
      EXPECT_EQ(rows[i].g, 0);
    }
  }
  const uint8_t reds30[] = {0x88, 0x90, 0x99, 0xA1, 0xAA, 0xB2, 0xBB,
                            0xC3, 0xCC, 0xD4, 0xDD, 0xE5, 0xEE};
  for (int i = 0; i < 13; ++i) EXPECT_EQ(ButtonGradient(29)[15 + i].r, reds30[i]) << i;
  EXPECT_TRUE(ButtonGradient(30).empty());
}

TEST(ButtonColours, FocusOutlineFollowsSchemeAndStyle) {
  const struct {
    ColorSB scheme;
    uint32_t classic, nata;
  } cases[] = {{ColorSB::DRed, 0xC8C8FF, 0x00FFFF},    {ColorSB::DGreen, 0xFFC8C8, 0xFF0000},
               {ColorSB::DBlue, 0xC8FFC8, 0xFF0000},   {ColorSB::DNavy, 0xC8FFC8, 0x00FF00},
               {ColorSB::DYellow, 0xC8C8FF, 0x0000FF}, {ColorSB::DViolet, 0xC8FFFF, 0xFFFFFF},
               {ColorSB::DOrang, 0x4080FF, 0xFFFFFF},  {ColorSB::DCards, 0x32AFC8, 0xFFB4DC}};
  for (const auto& c : cases) {
    EXPECT_EQ(FocusOutlineColour(c.scheme, false), FromBgr(c.classic)) << int(c.scheme);
    EXPECT_EQ(FocusOutlineColour(c.scheme, true), FromBgr(c.nata)) << int(c.scheme);
  }
  // Pale pink becomes yellow when a red button switches to the new style.
  EXPECT_EQ(FocusOutlineColour(ColorSB::DRed, false), (Rgb{255, 200, 200}));
  EXPECT_EQ(FocusOutlineColour(ColorSB::DRed, true), (Rgb{255, 255, 0}));
}

}  // namespace
}  // namespace quorvex
