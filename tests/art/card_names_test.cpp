#include <gtest/gtest.h>

#include "support/cards.h"

#include "art/card_names.h"

namespace quorvex {
namespace {

using testing::Card;

TEST(CardNames, FacesPipsAndAcesBorrowPrefixes) {
  struct Case {
    const char* card;
    int design;
    int size_class;
    const char* name;
  };
  const Case cases[] = {
      {"Qc", 1, 0, "Kr3QMedB"},  {"7h", 19, 1, "Ch07Sea"}, {"Ah", 0, 1, "Ch5A"},
      {"Ts", 0, 2, "Pi10B"},     {"2d", 6, 1, "Bu02Mod"},  {"Ad", 6, 1, "Bu5ACor"},
      {"Kd", 6, 1, "Bu4KCor"},   {"9c", 13, 1, "Kr09Mod"}, {"Ac", 13, 1, "Kr5AMod"},
      {"Jc", 13, 1, "Kr2JPar"},  {"5s", 25, 1, "Pi05Rhi"}, {"As", 25, 1, "Pi5ABoy"},
      {"3h", 27, 1, "Ch03Big"},  {"Ah", 27, 1, "Ch5AUSR"}, {"Qh", 27, 1, "Ch3QUSR"},
      {"Ks", 47, 0, "Pi4KCzeB"}, {"8d", 20, 1, "Bu08Sea"}, {"Jd", 20, 1, "Bu2JHea"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FaceResourceName(Card(c.card), c.design, c.size_class), c.name) << c.card << c.design;
  EXPECT_EQ(FaceResourceName(kEmptyCard, 1, 1), "");
  EXPECT_EQ(FaceResourceName(Card("Ah"), 48, 1), "");
}

TEST(CardNames, BaseNamesSymbolsAndWidth) {
  EXPECT_EQ(CardBaseName(Card("As")), "Pi5A");
  EXPECT_EQ(CardBaseName(Card("2h")), "Ch02");
  EXPECT_EQ(CardBaseName(Card("Tc")), "Kr10");
  EXPECT_EQ(SuitSymbolName(3, 11, 1), "PikiMod");  // design 11 borrows only its symbols
  EXPECT_EQ(FaceResourceName(Card("2s"), 11, 1), "Pi02Nat");
  EXPECT_EQ(SuitSymbolName(0, 0, 0), "CherB");
  EXPECT_EQ(SuitSymbolName(1, 7, 1), "BubiMod");
  EXPECT_TRUE(WideFaces(27));
  EXPECT_FALSE(WideFaces(28));
  EXPECT_TRUE(WideFaces(40));
  EXPECT_TRUE(WideFaces(45));
  EXPECT_FALSE(WideFaces(47));
}

}  // namespace
}  // namespace quorvex
