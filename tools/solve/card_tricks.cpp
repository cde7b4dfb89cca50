#include "card_tricks.h"

#include <algorithm>

#include "game/card.h"
#include "game/trick.h"
#include "opponent/play_search.h"
#include "opponent/search_check.h"
#include "records/deal_record.h"

namespace quorvex::solve {

namespace {

int SuitOf(uint8_t card) {
  return (card - 1) % 4;
}

// The hand in slots 1.., grouped by suit with the ranks rising, as the game keeps hands.
SearchHand HandSlots(std::vector<uint8_t> cards) {
  std::sort(cards.begin(), cards.end(), [](uint8_t a, uint8_t b) {
    return SuitOf(a) != SuitOf(b) ? SuitOf(a) < SuitOf(b) : a < b;
  });
  SearchHand hand;
  for (size_t i = 0; i < cards.size() && i < 13; ++i) {
    hand.card[i + 1] = DealRecordCard(cards[i]);
    hand.rank[i + 1] = RankValue(hand.card[i + 1]);
  }
  return hand;
}

std::vector<uint8_t> Without(std::vector<uint8_t> cards, uint8_t card) {
  cards.erase(std::find(cards.begin(), cards.end(), card));
  return cards;
}

}  // namespace

std::vector<std::pair<uint8_t, int>> CardTricks::LegalCardTricks(
    const CardTricksPosition& position) {
  const std::vector<uint8_t>& hand = position.mover;
  const bool follows = position.led != 0;
  const bool has_led_suit = follows && std::any_of(hand.begin(), hand.end(), [&](uint8_t c) {
                              return SuitOf(c) == SuitOf(position.led);
                            });
  std::vector<std::pair<uint8_t, int>> values;
  for (const uint8_t card : hand) {
    if (has_led_suit && SuitOf(card) != SuitOf(position.led)) continue;
    const int tricks = TricksAfter(position, card);
    if (tricks < 0) return {};
    values.emplace_back(card, tricks);
  }
  return values;
}

int CardTricks::TricksAfter(const CardTricksPosition& p, uint8_t card) {
  const std::vector<uint8_t> mover_left = Without(p.mover, card);
  SearchPosition next;
  next.trump = p.trump;
  // The cache keeps exact values only; pruning would try fewer cards than the rules allow.
  next.use_cache = true;
  int won = 0;
  // Whether the next position's mover is the mover of this one.
  bool same_mover = false;
  if (p.led == 0) {
    // The other hand answers the card.
    next.mover = HandSlots(p.other);
    next.other = HandSlots(mover_left);
    next.trick[1] = DealRecordCard(card);
    next.trick_rank[1] = RankValue(next.trick[1]);
    next.trick_position = 2;
  } else {
    const TCard led = DealRecordCard(p.led);
    const TCard reply = DealRecordCard(card);
    same_mover = TrickWinnerSlot(led, RankValue(led), reply, RankValue(reply), p.trump) == 2;
    won = same_mover ? 1 : 0;
    if (mover_left.empty()) return won;
    next.mover = HandSlots(same_mover ? mover_left : p.other);
    next.other = HandSlots(same_mover ? p.other : mover_left);
  }
  next.role = same_mover == p.mover_declares ? 1 : 2;
  if (!CheckSearchPosition(next).empty()) return -1;
  cache_.Clear();
  const SearchResult result = PlaySearch(next, cache_);
  return won + (p.mover_declares ? result.declarer : result.defender);
}

}  // namespace quorvex::solve
