// The other machine of a two-player game in one process: the messages a side sends kept in
// order, and a whole deck in numbering order as it travels.
#pragma once

#include <array>
#include <deque>
#include <string>

#include "game/card.h"
#include "game/platform.h"
#include "net/lan_messages.h"

namespace quorvex::testing {

class QueueLink : public PeerLink {
 public:
  void SendMessage(const std::string& message) override { queue.push_back(message); }
  std::deque<std::string> queue;
};

// A deck in numbering order: card n has rank (n - 1) / 4 + 1.
inline std::string OrderedDeck() {
  std::array<TCard, 53> deck{};
  std::array<uint8_t, 53> ranks{};
  for (int n = 1; n <= 52; ++n) {
    deck[size_t(n)] = DeckCard(n);
    ranks[size_t(n)] = RankValue(DeckCard(n));
  }
  return DeckMessageOf(deck, ranks);
}

}  // namespace quorvex::testing
