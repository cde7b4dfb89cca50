// Names of the card backs and of the table backgrounds in the resource libraries.
#pragma once

#include <string>

namespace quorvex {

inline constexpr int kBackDesigns = 13;
// The most backs a back design has: the random decks have ten, the others one per weekday.
inline constexpr int kMaxBacks = 10;

// Deck prefix by back design, 0 = "" (the built-in classic backs).
std::string DeckPrefix(int deck);
// Seven backs, one per weekday, or ten for the random decks 8..11.
int BackCount(int deck);
// "Mo", "Tu", "We", "Th", "Fr", "Su", "Su" for backs 1..7, "XX" for 8..10.
std::string DayCode(int number);
// Empty for the normal size; at a big size "B" with wide faces and "U" with narrow ones.
std::string BackSizeSuffix(int size_class, bool wide_faces);
// "Ob07SuCar", rotated "Ob01MoR" + prefix + suffix; empty for a number or design out of range.
std::string BackResourceName(int number, int deck, bool rotated, int size_class, bool wide_faces);

inline constexpr int kBackgrounds = 10;
inline constexpr int kBackgroundColours = 7;
// The built-in background: picture 2 ("Felt") in colour 0 ("Green").
inline constexpr int kDefaultBackground = 2;
inline constexpr int kDefaultBackgroundColour = 0;
inline constexpr char kBuiltInBackgroundName[] = "FonG";

// "Gr", "Re", "Or", "Ye", "B1", "B2", "Fi" for colours 0..6.
std::string BackgroundColourCode(int colour);
// "Fon10FiB": picture number, colour code, "B" for every window size but 1. Empty for
// background 0 (none) or anything out of range.
std::string BackgroundResourceName(int background, int colour, int window_size);

}  // namespace quorvex
