// Deal records made the way a game against the computer makes them, for the benchmarks: the
// game's shuffle and deal, the draw phase by the computer's rule, the computer's calls and the
// computer's searched cards for both seats, except that seat 2 (the human's) now and then plays
// a random legal card instead, so that some cards cost tricks.
#pragma once

#include <cstdint>

#include "records/deal_record.h"

namespace quorvex::bench {

// Deal `index` of the series named by `seed`; seat 2 plays a random legal card with the
// probability random_percent / 100 in the contract play. Without the draw phase the hands are the
// thirteen cards each seat was dealt, a plain split of a shuffled deck; after the draw phase they
// are mostly far more uneven, since the draw rule sheds the shortest suit first. The same
// arguments give the same record.
DealRecord MakeRecordedDeal(uint64_t seed, int index, int random_percent, bool draw_phase);

}  // namespace quorvex::bench
