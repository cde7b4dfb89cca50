// What the tournament lobby needs from the program for the whole run: the account (its nick,
// city, country and sex, whether it is logged in, the error sound and message boxes), the world
// lists' context (the ranking the player chose last, the world top ten of the purple design),
// and the game's relay connection.
#pragma once

#include "online/tournament_lobby.h"
#include "ui/online/account_context.h"
#include "ui/online/world_lists_context.h"

namespace quorvex {

struct TournamentContext {
  AccountContext& account;
  WorldListsContext& lists;  // also holds the tournament service's address
  LobbyRelay& relay;
};

}  // namespace quorvex
