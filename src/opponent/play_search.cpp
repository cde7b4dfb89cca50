#include "opponent/play_search.h"

#include "opponent/search_cache.h"
#include "opponent/search_check.h"
#include "opponent/search_engine.h"

namespace quorvex {

SearchHand::SearchHand() {
  card.fill(kEmptyCard);
  rank.fill(kEmptyRank);
}

int SearchHand::CardsLeft() const {
  int n = 0;
  for (int slot = 1; slot <= 13; ++slot)
    if (!card[slot].Empty()) ++n;
  return n;
}

SearchPosition::SearchPosition() {
  trick.fill(kEmptyCard);
  trick_rank.fill(kEmptyRank);
}

SearchResult PlaySearch(const SearchPosition& position, SearchCache& cache) {
  // A position that cannot occur in play has no meaningful answer: report no slot.
  if (!CheckSearchPosition(position).empty()) return SearchResult{};
  search_detail::SearchEngine engine(position, cache);
  return engine.Run();
}

}  // namespace quorvex
