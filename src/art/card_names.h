// Names of the card pictures and recordings: suit prefix, rank code, design prefix, size suffix.
#pragma once

#include <string>

#include "game/card.h"

namespace quorvex {

inline constexpr int kFaceDesigns = 48;

// "Ch" hearts, "Bu" diamonds, "Kr" clubs, "Pi" spades; empty for anything else.
std::string SuitPrefix(char suit);
// "02".."10", "2J", "3Q", "4K", "5A" for rank values 1..13; empty for anything else.
std::string RankCode(int rank_value);
// Suit prefix and rank code ("Pi5A"); empty for an empty slot.
std::string CardBaseName(const TCard& card);

// The design's own prefix (used by jacks, queens and kings), 0 = "" (the built-in classic faces).
std::string DesignPrefix(int design);
// Prefixes of the pip cards (2..10) and the aces, which some designs borrow from others.
std::string PipPrefix(int design);
std::string AcePrefix(int design);

// Face resource name, e.g. "Kr3QMedB" for the queen of clubs of design 1 at a big size.
// size_class 1 is the normal size; 0 and 2 are the big sizes.
std::string FaceResourceName(const TCard& card, int design, int size_class);
// The prefix of a design's suit symbols: its pip prefix, except design 11 which borrows "Mod".
std::string SymbolPrefix(int design);
// Suit symbol resource name by suit index 0 hearts .. 3 spades ("CherMod", "PikiB").
std::string SuitSymbolName(int suit_index, int design, int size_class);

// Faces are wide for designs 0-27, 40 and 45, narrow for the others.
bool WideFaces(int design);

}  // namespace quorvex
