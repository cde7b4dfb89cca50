// Which resource library holds a picture, where a library is looked for, which back a deal
// shows, and the card codes that stand for pictures rather than cards. The loaders of the
// window follow these rules; the art generator fills the libraries by them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "game/card.h"

namespace quorvex {

class Random;

inline constexpr char kCardsLibraryA[] = "ZefCards06A.dll";  // faces of designs 1-31
inline constexpr char kCardsLibraryB[] = "ZefCards06B.dll";  // faces 32-39 and the backs
inline constexpr char kCardsLibraryC[] = "ZefCards06C.dll";  // faces 40-47
inline constexpr char kBackgroundLibrary[] = "ZefBackG03.dll";
inline constexpr char kGraphicsLibrary[] = "ZefCGraph1.dll";  // the purple design

// Picture names the graphics library holds for the purple design.
inline constexpr char kPurpleMenuBackground[] = "BGLilu";
inline constexpr char kTouchEffect[] = "GTouch";

// The library of a face design; empty for design 0, whose faces are the program's own.
std::string FaceLibrary(int design);
// The library of the backs: the program's own (empty) for the classic design when the faces are
// wide or the size is normal, else the cards library B.
std::string BackLibrary(int deck, bool wide_faces, int size_class);

// The places a library is looked for, in order: the working directory, then its parent.
std::vector<std::string> LibrarySearchPaths(std::string_view working_dir, std::string_view file);

// Weekday numbering of the backs: 1 Monday .. 7 Sunday.
// The back of a deal: today's weekday, 7 when the player always wants the same back, and a
// fresh random 1..10 for the random decks 8..11.
int ChooseBackNumber(int deck, bool always_one, int weekday, Random& random);

// The card picture table: slots 1..36 hold the ranks six to ace, 41..56 the ranks two to five,
// each rank in the order hearts, diamonds, clubs, spades; 37..40 are kept for jokers.
inline constexpr int kCardSlots = 56;
// The slot of a card, 0 for anything that is not one of the 52 cards.
int CardSlot(const TCard& card);

// Codes that draw a picture instead of a card: "Fr" the empty card, "KY" and "KN" the knock
// cards, "X" + b, r, n, g, y, v, a or o a plain coloured card. The name ends in "Sm" at the
// normal size and "Bg" at the big ones; empty for any other code.
std::string SpecialCardPicture(const TCard& code, int size_class);

}  // namespace quorvex
