#include <gtest/gtest.h>

#include "art/back_names.h"
#include "art/library_rules.h"
#include "game/platform.h"

namespace quorvex {
namespace {

class FixedRandom : public Random {
 public:
  explicit FixedRandom(int value) : value_(value) {}
  void Reseed() override { ++reseeds; }
  int Below(int n) override {
    last_range = n;
    return value_;
  }
  int reseeds = 0;
  int last_range = 0;

 private:
  int value_;
};

TEST(LibraryRules, EachDesignHasItsLibrary) {
  EXPECT_EQ(FaceLibrary(0), "");
  EXPECT_EQ(FaceLibrary(1), kCardsLibraryA);
  EXPECT_EQ(FaceLibrary(31), kCardsLibraryA);
  EXPECT_EQ(FaceLibrary(32), kCardsLibraryB);
  EXPECT_EQ(FaceLibrary(39), kCardsLibraryB);
  EXPECT_EQ(FaceLibrary(40), kCardsLibraryC);
  EXPECT_EQ(FaceLibrary(47), kCardsLibraryC);
  // The classic backs are built in except narrow and big; every other design is in library B.
  EXPECT_EQ(BackLibrary(0, true, 1), "");
  EXPECT_EQ(BackLibrary(0, false, 1), "");
  EXPECT_EQ(BackLibrary(0, true, 2), "");
  EXPECT_EQ(BackLibrary(0, false, 0), kCardsLibraryB);
  EXPECT_EQ(BackLibrary(4, true, 1), kCardsLibraryB);
}

TEST(LibraryRules, WorkingDirectoryThenParent) {
  EXPECT_EQ(
      LibrarySearchPaths("/opt/game/bin", "ZefCards06B.dll"),
      (std::vector<std::string>{"/opt/game/bin/ZefCards06B.dll", "/opt/game/ZefCards06B.dll"}));
  EXPECT_EQ(LibrarySearchPaths("/opt/", "a.dll"),
            (std::vector<std::string>{"/opt/a.dll", "/a.dll"}));
  EXPECT_EQ(LibrarySearchPaths("/", "a.dll"), (std::vector<std::string>{"/a.dll"}));
}

TEST(LibraryRules, BackOfTheDeal) {
  FixedRandom random(4);
  EXPECT_EQ(ChooseBackNumber(3, false, 7, random), 7);  // Sunday: Ob07SuCar
  EXPECT_EQ(BackResourceName(ChooseBackNumber(3, false, 7, random), 3, false, 1, true),
            "Ob07SuCar");
  EXPECT_EQ(ChooseBackNumber(0, false, 1, random), 1);
  EXPECT_EQ(ChooseBackNumber(5, true, 2, random), 7);
  EXPECT_EQ(random.reseeds, 0);
  // The random decks draw 1..10 from a freshly seeded generator, whatever the day.
  for (int deck = 8; deck <= 11; ++deck) {
    EXPECT_EQ(ChooseBackNumber(deck, false, 7, random), 5) << deck;
    EXPECT_EQ(random.last_range, 10);
  }
  EXPECT_EQ(random.reseeds, 4);
  FixedRandom lowest(0), highest(9);
  EXPECT_EQ(ChooseBackNumber(9, true, 7, lowest), 1);
  EXPECT_EQ(ChooseBackNumber(9, false, 3, highest), 10);
}

TEST(LibraryRules, CardSlots) {
  auto slot = [](const char* text) {
    TCard card;
    EXPECT_TRUE(ParseCardText(text, card));
    return CardSlot(card);
  };
  EXPECT_EQ(slot("6h"), 1);
  EXPECT_EQ(slot("6s"), 4);
  EXPECT_EQ(slot("7d"), 6);
  EXPECT_EQ(slot("Ah"), 33);
  EXPECT_EQ(slot("As"), 36);
  EXPECT_EQ(slot("2h"), 41);
  EXPECT_EQ(slot("5s"), 56);
  EXPECT_EQ(CardSlot(kEmptyCard), 0);
  EXPECT_EQ(CardSlot(TCard{'F', 'r'}), 0);
  // Every card has its own slot, and no card uses the joker slots.
  std::vector<int> seen(kCardSlots + 1, 0);
  for (int n = 1; n <= 52; ++n) ++seen[CardSlot(DeckCard(n))];
  for (int s = 1; s <= kCardSlots; ++s) EXPECT_EQ(seen[s], s >= 37 && s <= 40 ? 0 : 1) << s;
}

TEST(LibraryRules, SpecialCodes) {
  struct Case {
    TCard code;
    int size_class;
    const char* picture;
  };
  const Case cases[] = {
      {{'F', 'r'}, 1, "GCard0Sm"},
      {{'F', 'r'}, 2, "GCard0Bg"},
      {{'K', 'Y'}, 1, "GKnockYSm"},
      {{'K', 'N'}, 0, "GKnockNBg"},
      {{'X', 'b'}, 1, "GCardBlackSm"},
      {{'X', 'r'}, 2, "GCardRedBg"},
      {{'X', 'n'}, 1, "GCardNavySm"},
      {{'X', 'g'}, 1, "GCardGreenSm"},
      {{'X', 'y'}, 0, "GCardYellowBg"},
      {{'X', 'v'}, 1, "GCardVioletSm"},
      {{'X', 'a'}, 1, "GCardAquaSm"},
      {{'X', 'o'}, 2, "GCardOrangBg"},
      {{'X', 'q'}, 1, ""},
      {{'K', 'h'}, 1, ""},
      {{'F', 's'}, 1, ""},
      {kEmptyCard, 1, ""},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SpecialCardPicture(c.code, c.size_class), c.picture) << c.code.Code();
}

}  // namespace
}  // namespace quorvex
