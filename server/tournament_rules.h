// The tournament's standings and how one decided match changes them: the score by the deal's
// balance (a forfeit costs the offender 200 and gives the opponent 200), one game each, and the
// Elo rating (K 32, everyone starts at 1500), kept as whole numbers.
#pragma once

#include <QtGlobal>
#include <cstdint>

namespace quorvex::server {

inline constexpr qint64 kStartRating = 1500;
inline constexpr qint64 kForfeitPoints = 200;

struct Standing {
  qint64 score = 0;
  qint64 games = 0;
  qint64 rating = kStartRating;
};

struct MatchResult {
  Standing seat[2];  // seat 1, seat 2
};

// `balance1`: seat 1's points minus seat 2's in the deal; `forfeit_by`: 0 when played out, else
// the seat (1 or 2) that lost by forfeit, whatever the balance.
MatchResult ApplyMatch(const Standing& seat1, const Standing& seat2, int32_t balance1,
                       int forfeit_by);

}  // namespace quorvex::server
