// Window sizes, the scale helpers and font heights.
#include <gtest/gtest.h>

#include <cmath>

#include "settings/font_roles.h"
#include "settings/window_scale.h"

namespace quorvex {
namespace {

TEST(RoundHalfEven, TiesGoToTheEvenNeighbour) {
  const struct {
    int64_t num, den, rounded;
  } cases[] = {{5, 2, 2},    {7, 2, 4},  {-5, 2, -2}, {-7, 2, -4}, {13, 5, 3},
               {-13, 5, -3}, {12, 5, 2}, {0, 3, 0},   {1, -2, 0},  {3, -2, -2}};
  for (const auto& c : cases)
    EXPECT_EQ(RoundHalfEven(c.num, c.den), c.rounded) << c.num << "/" << c.den;
}

TEST(WindowScale, FixedSizesScaleUniformly) {
  const struct {
    int size, width, height;
    int size5, size15, size71;  // ScaleSize of 5, 15 and 71: 1.3 x 5 = 6.5 is a true tie
  } cases[] = {
      {1, 760, 500, 5, 15, 71},
      {3, 990, 650, 6, 20, 92},
      {4, 1290, 850, 8, 26, 121},
      {5, 1520, 1000, 10, 30, 142},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.size);
    const WindowScale scale = WindowScaleFor(c.size, 1920, 1080);
    EXPECT_EQ(scale.client_width, c.width);
    EXPECT_EQ(scale.client_height, c.height);
    EXPECT_EQ(ScaleSize(scale, 5), c.size5);
    EXPECT_EQ(ScaleSize(scale, 15), c.size15);
    EXPECT_EQ(ScaleSize(scale, 71), c.size71);
    // Positions scale like sizes when the window scales evenly.
    EXPECT_EQ(ScaleX(scale, 5, 71), c.size5);
    EXPECT_EQ(ScaleY(scale, 15, 96), c.size15);
    EXPECT_EQ(ScaleY(scale, 500, 0), c.height);
  }
}

TEST(WindowScale, FullScreenKeepsTheCentreOfElementsScaledLessThanTheWindow) {
  const WindowScale scale = WindowScaleFor(2, 1920, 1080);
  EXPECT_EQ(scale.client_width, 1920);
  EXPECT_EQ(scale.client_height, 1080);
  EXPECT_DOUBLE_EQ(scale.size.Value(), 2.16);  // the smaller of 1920/760 and 1080/500
  // x: round(100 * 48/19) = 253, shift round((48/19 - 54/25) * 71 / 2) = 13.
  EXPECT_EQ(ScaleX(scale, 100, 71), 266);
  EXPECT_EQ(ScaleSize(scale, 71), 153);
  EXPECT_EQ(ScaleY(scale, 100, 96), 216);  // height sets the size: no shift

  // The scaled element's centre lies where the window puts the design centre.
  for (const auto& [width, height] : {std::pair{1920, 1080}, {1366, 705}, {1000, 1000}}) {
    const WindowScale s = WindowScaleFor(2, width, height);
    for (int p = 0; p <= 500; p += 25) {
      for (int extent : {0, 17, 71, 96, 300}) {
        SCOPED_TRACE(testing::Message() << width << "x" << height << " " << p << " " << extent);
        const double half = ScaleSize(s, extent) / 2.0;
        EXPECT_NEAR(ScaleX(s, p, extent) + half, s.x.Value() * (p + extent / 2.0), 1.25);
        EXPECT_NEAR(ScaleY(s, p, extent) + half, s.y.Value() * (p + extent / 2.0), 1.25);
      }
    }
  }
}

TEST(WindowScale, CentreShiftRoundsTiesToEven) {
  // 1140 x 500: x scales by 1.5, sizes by 1, so the shift is w / 4.
  const WindowScale scale = WindowScaleFor(2, 1140, 500);
  EXPECT_EQ(ScaleX(scale, 1, 1), 2);   // round(1.5) + round(0.25)
  EXPECT_EQ(ScaleX(scale, 1, 2), 2);   // round(1.5) + round(0.5)
  EXPECT_EQ(ScaleX(scale, 3, 6), 6);   // round(4.5) + round(1.5)
  EXPECT_EQ(ScaleX(scale, 0, 10), 2);  // round(2.5)
}

TEST(WindowScale, UnknownSizesAndEmptyScreensFallBackToTheSmallWindow) {
  for (const WindowScale& s :
       {WindowScaleFor(0, 1920, 1080), WindowScaleFor(6, 1920, 1080), WindowScaleFor(2, 0, 0)}) {
    EXPECT_EQ(s.client_width, 760);
    EXPECT_EQ(s.client_height, 500);
    EXPECT_EQ(ScaleX(s, 123, 45), 123);
  }
}

TEST(WindowScale, SizesOfferedByScreen) {
  const struct {
    int width, height;
    bool offered[6];  // index = window size
  } cases[] = {
      {800, 600, {false, true, true, false, false, false}},
      {990, 669, {false, true, true, false, false, false}},
      {990, 670, {false, true, true, true, false, false}},
      {1366, 768, {false, true, true, true, false, false}},
      {1290, 870, {false, true, true, true, true, false}},
      {1920, 1080, {false, true, true, true, true, true}},
  };
  for (const auto& c : cases) {
    for (int size = 0; size <= 5; ++size) {
      EXPECT_EQ(WindowSizeOffered(size, c.width, c.height), c.offered[size])
          << c.width << "x" << c.height << " size " << size;
    }
  }
}

TEST(FontRoles, KeysAndScaledHeights) {
  for (FontRole role : {FontRole::Decor, FontRole::Serif, FontRole::Fixed, FontRole::Conew}) {
    EXPECT_EQ(FontRoleFromKey(FontRoleKey(role)), role);
  }
  EXPECT_EQ(FontRoleKey(FontRole::Conew), "conew");
  EXPECT_EQ(FontRoleFromKey("nonsense"), FontRole::Decor);

  Settings s;
  s.FontScale = {0, 150, 50, 75, 100};
  EXPECT_EQ(ScaledFontHeight(s, FontRole::Decor, 11), 16);   // 16.5
  EXPECT_EQ(ScaledFontHeight(s, FontRole::Decor, 13), 20);   // 19.5
  EXPECT_EQ(ScaledFontHeight(s, FontRole::Serif, 13), 6);    // 6.5
  EXPECT_EQ(ScaledFontHeight(s, FontRole::Serif, -13), -6);  // heights in character units
  EXPECT_EQ(ScaledFontHeight(s, FontRole::Fixed, 10), 8);    // 7.5
  EXPECT_EQ(ScaledFontHeight(s, FontRole::Conew, 14), 14);
}

}  // namespace
}  // namespace quorvex
