// Where the player's online account stands, read everywhere the game's course depends on it.
#pragma once

#include <cstdint>

namespace quorvex {

enum class AccountState : uint8_t {
  NotLoggedIn = 1,
  LoggedIn = 2,    // games are not rated
  RatingGame = 3,  // the next or running match is rated
};

}  // namespace quorvex
