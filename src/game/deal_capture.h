// The record of the deal on the table, taken when it ends, for the deal records.
#pragma once

#include <string>

#include "game/deal_state.h"
#include "opponent/auction_table.h"
#include "records/deal_record.h"

namespace quorvex {

// Everything but the time: seats as this machine's table has them (2 is this machine's
// player), the calls in the order made, the cards of the draw and of the contract as played.
DealRecord CaptureDeal(const TDealState& state, const AuctionTable& auction, TableRole role,
                       const std::string& upper_name, const std::string& lower_name,
                       int32_t declarer_score);

}  // namespace quorvex
