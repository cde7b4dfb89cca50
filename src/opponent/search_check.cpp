#include "opponent/search_check.h"

#include <cstdint>

namespace quorvex {

namespace {

// Adds a card to the set of cards seen; false when the slot is malformed or the card repeats.
bool Note(const TCard& card, uint8_t rank, uint64_t& seen, std::string& error) {
  if (card.Empty()) {
    if (rank != kEmptyRank) error = "an empty slot has a rank value";
    return error.empty();
  }
  const uint8_t own = RankValue(card);
  if (own == kEmptyRank) {
    error = "a slot holds no valid card";
    return false;
  }
  if (own != rank) {
    error = "a rank value does not match its card";
    return false;
  }
  const uint64_t bit = uint64_t{1} << (SuitIndex(card.suit) * 13 + own - 1);
  if (seen & bit) {
    error = "card " + CardText(card) + " appears twice";
    return false;
  }
  seen |= bit;
  return true;
}

}  // namespace

std::string CheckSearchPosition(const SearchPosition& position) {
  if (position.trump != kNoSuit && SuitIndex(position.trump) < 0) return "bad trump";
  if (position.role != 1 && position.role != 2) return "role must be 1 or 2";
  if (position.trick_position != 1 && position.trick_position != 2)
    return "position in the trick must be 1 or 2";
  std::string error;
  uint64_t seen = 0;
  for (const SearchHand* hand : {&position.mover, &position.other})
    for (int slot = 1; slot <= 13; ++slot)
      if (!Note(hand->card[slot], hand->rank[slot], seen, error)) return error;
  for (int slot = 1; slot <= 4; ++slot) {
    const bool filled = !position.trick[slot].Empty();
    if (filled != (slot == 1 && position.trick_position == 2))
      return position.trick_position == 1 ? "the trick must be empty when the mover leads"
                                          : "the trick must hold exactly the card led";
    if (!Note(position.trick[slot], position.trick_rank[slot], seen, error)) return error;
  }
  const int mover = position.mover.CardsLeft();
  const int other = position.other.CardsLeft();
  if (mover == 0) return "the mover holds no card";
  if (position.trick_position == 1 && mover != other)
    return "the leader and the other hand must hold the same number of cards";
  if (position.trick_position == 2 && mover != other + 1)
    return "the mover must hold one card more than the hand that led";
  return "";
}

}  // namespace quorvex
