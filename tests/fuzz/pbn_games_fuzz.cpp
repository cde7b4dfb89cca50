// PBN files: any bytes read into games without reading past them, every card and call the reader
// gives back a real one, and a play only from the hands the deal names.
#include <algorithm>
#include <bitset>

#include "fuzz_support.h"
#include "records/pbn_import.h"

using namespace quorvex;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const PbnRead read = ReadPbnGames(fuzz::Bytes(data, size));
  FUZZ_CHECK(read.games.size() <= kPbnGameLimit);
  for (const PbnGame& game : read.games) {
    std::bitset<53> dealt;
    for (const auto& hand : game.hands) {
      if (!hand) continue;
      FUZZ_CHECK(!hand->empty() && hand->size() <= 13);
      for (uint8_t card : *hand) {
        FUZZ_CHECK(card >= 1 && card <= 52 && !dealt[card]);
        dealt[card] = true;
      }
    }
    for (const PbnCall& call : game.auction)
      FUZZ_CHECK(call.seat >= 0 && call.seat < 4 && call.code >= 1 && call.code <= 38);
    FUZZ_CHECK(game.auction.size() <= 400);
    FUZZ_CHECK(game.contract >= -1 && game.contract <= 35);
    FUZZ_CHECK(game.result >= -1 && game.result <= 13);
    std::bitset<53> played;
    for (const PbnPlayed& p : game.play) {
      FUZZ_CHECK(p.seat >= 0 && p.seat < 4 && p.card >= 1 && p.card <= 52 && !played[p.card]);
      played[p.card] = true;
      const auto& hand = game.hands[p.seat];
      if (hand) FUZZ_CHECK(std::find(hand->begin(), hand->end(), p.card) != hand->end());
    }
    FUZZ_CHECK(game.play.size() <= 52);
  }
  return 0;
}
