// The analyser's text form of a search position and of its result.
//
// A position is seven words: trump (c, d, h, s or n for no trump), the mover's role (1 declarer's
// side, 2 defender's), pruning and cache (0 or 1), the mover's hand, the other hand, and the trick
// ("-" when the mover leads, else the card led). A hand lists its slots in order, separated by
// commas: a card such as "Th" (rank 23456789TJQKA, suit hdcs) or "--" for an empty slot; slots not
// listed are empty, and "-" is a hand with no cards.
#pragma once

#include <string>
#include <vector>

#include "opponent/play_search.h"

namespace quorvex {

// Splits a line at blanks and tabs.
std::vector<std::string> SplitWords(const std::string& line);

bool ParseSearchHand(const std::string& text, SearchHand& hand, std::string& error);

// Parses the seven words and checks that the position is searchable.
bool ParseSearchPosition(const std::vector<std::string>& words, SearchPosition& position,
                         std::string& error);

// "<slot> <declarer tricks> <defender tricks>".
std::string SearchResultText(const SearchResult& result);

}  // namespace quorvex
