// A reader of the portable bridge notation, enough for what PbnText writes and for the usual
// files of other programs: the players, the deal, the auction, the contract, the declarer, the
// result and the play. Any bytes are read without harm: a game the reader cannot make sense of
// carries the reason, and the reading goes on with the next game.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex {

// At most this many games are read from one text.
inline constexpr size_t kPbnGameLimit = 100000;

// Seats are those of the notation (0 North .. 3 West, see pbn_text.h); cards are deck numbers
// 1..52 as in DealRecord.
struct PbnCall {
  int seat = 0;
  int code = 0;  // 1..35 a bid, 36 double, 37 redouble, 38 pass
  bool operator==(const PbnCall&) const = default;
};

struct PbnPlayed {
  int seat = 0;
  uint8_t card = 0;
  bool operator==(const PbnPlayed&) const = default;
};

struct PbnGame {
  // Tag values as written (Latin-1), escapes undone, a value inherited from the game before
  // filled in.
  std::string event, site, date, board, vulnerable, score;
  std::array<std::string, 4> players;
  int dealer = -1;
  // The hands of the deal by seat; nullopt for a hand written "-" or a game without a deal.
  std::array<std::optional<std::vector<uint8_t>>, 4> hands;
  std::vector<PbnCall> auction;
  bool auction_finished = false;  // the calls end as bridge ends an auction
  int contract = -1;              // the bid code; 0 passed out, -1 not given
  int doubling = 0;
  int declarer = -1;
  int result = -1;              // the declarer's tricks, -1 not given
  int leader = -1;              // the seat that led the first trick
  std::vector<PbnPlayed> play;  // in the order played
  bool play_finished = false;   // thirteen tricks written and no "*"
  // Why the game could not be read whole; empty when it was.
  std::string error;
};

struct PbnRead {
  std::vector<PbnGame> games;
  bool cut = false;  // more than kPbnGameLimit games: the rest were not read
};

PbnRead ReadPbnGames(std::string_view text);

}  // namespace quorvex
