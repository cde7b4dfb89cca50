// The search's review of a recorded deal: what each card of the contract play cost against the
// best card, and what each seat would have made as declarer in every denomination.
#pragma once

#include <functional>
#include <optional>

#include "records/deal_record.h"

namespace quorvex {

// Told (searches done, searches in all) before every search and once more when all are done.
// Returning false stops the review. It is called on the thread that runs the review.
using ReviewProgress = std::function<bool(int done, int total)>;

// Reviews a deal with the exact play search (no move pruning), both hands known. The review uses
// nothing shared, so a window may run it on a worker thread and stop it through `progress` when
// it closes; it then returns nullopt. An empty `progress` runs it to the end.
//
// A card's `best` is what the side to move can still take before it, the trick in progress
// included; its `cost` is `best` less what that side can take once it is played. The forecast
// keeps the opening lead of the game (the seat that did not call first leads), whoever declares.
//
// A record is reviewed as far as it can be played: the cards stop before the first one that the
// seat to move does not hold or that fails to follow suit. A deal without a contract (passed out)
// gets the forecast only, and a record without two proper hands or a first seat an empty review.
// Nothing in a record can make it fail.
std::optional<DealAnalysis> AnalyseDeal(const DealRecord& record, const ReviewProgress& progress);

}  // namespace quorvex
