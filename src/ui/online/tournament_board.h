// The tournament top ten as the list boards draw it: the best ten of a ranking with place,
// flag, face, nick, city and value, and the player's own place below with its medal.
#pragma once

#include <optional>
#include <string>

#include "online/http_client.h"
#include "online/tournament_records.h"
#include "ui/online/top_ten_board.h"

namespace quorvex {

// Reads the ranking `kind` at the tournament service `address`, and the place of `own`'s value
// in it when the standing is known. A failed list shows "No Connect"; a failed place leaves the
// place line empty.
BoardContent ReadTournamentBoard(HttpClient& http, const std::string& address, TourKind kind,
                                 const std::optional<TourStanding>& own);

}  // namespace quorvex
