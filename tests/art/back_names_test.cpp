#include <gtest/gtest.h>

#include "art/back_names.h"

namespace quorvex {
namespace {

TEST(BackNames, NumberDayDeckRotationAndSize) {
  struct Case {
    int number, deck;
    bool rotated;
    int size_class;
    bool wide;
    const char* name;
  };
  const Case cases[] = {
      {7, 3, false, 1, true, "Ob07SuCar"},  {1, 0, true, 1, true, "Ob01MoR"},
      {1, 0, true, 2, true, "Ob01MoRB"},    {6, 12, false, 0, false, "Ob06SuRusU"},
      {10, 9, false, 1, true, "Ob10XXFlo"}, {8, 11, true, 2, false, "Ob08XXROthU"},
      {5, 1, false, 0, true, "Ob05FrCl1B"}, {3, 5, false, 1, false, "Ob03WeChe"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(BackResourceName(c.number, c.deck, c.rotated, c.size_class, c.wide), c.name);
  // Only the random decks have backs 8..10.
  EXPECT_EQ(BackResourceName(8, 3, false, 1, true), "");
  EXPECT_EQ(BackResourceName(0, 3, false, 1, true), "");
  EXPECT_EQ(BackResourceName(1, 13, false, 1, true), "");
  for (int deck = 0; deck < kBackDesigns; ++deck)
    EXPECT_EQ(BackCount(deck), deck >= 8 && deck <= 11 ? 10 : 7) << deck;
}

TEST(BackNames, Backgrounds) {
  EXPECT_EQ(BackgroundResourceName(10, 6, 3), "Fon10FiB");
  EXPECT_EQ(BackgroundResourceName(1, 0, 1), "Fon01Gr");
  EXPECT_EQ(BackgroundResourceName(5, 4, 2), "Fon05B1B");
  EXPECT_EQ(BackgroundResourceName(0, 0, 1), "");
  EXPECT_EQ(BackgroundResourceName(11, 0, 1), "");
  EXPECT_EQ(BackgroundResourceName(3, 7, 1), "");
}

}  // namespace
}  // namespace quorvex
