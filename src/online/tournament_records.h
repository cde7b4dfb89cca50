// The records of the world online tournament: a table of two seats as the tournament service
// lists it, and a seat holder as the lobby sends and reads it. Texts are UTF-8 here; the wire
// carries Windows-1251.
#pragma once

#include <cstdint>
#include <string>

namespace quorvex {

// The tournament keeps ten tables of two seats.
inline constexpr int kTourTables = 10;

// A table. The defaults are what a table holds before the service filled it; "X" marks a free
// seat.
struct TZefTable {
  std::string IP = "0.0.0.0";  // the relay's address
  int64_t Port = 0;            // one more than the relay's base port
  std::string Free = "X";      // the service's own state text, carried
  int64_t R1 = 0;
  std::string R2 = "X";
  std::string Nick1 = "X";
  int64_t Score1 = 0;
  int64_t Kon1 = 0;  // games played
  int64_t Rating1 = 0;
  std::string Country1 = "X";
  std::string City1 = "X";
  std::string Sex1 = "M";
  std::string IP1 = "X";
  std::string Nick2 = "X";
  int64_t Score2 = 0;
  int64_t Kon2 = 0;
  int64_t Rating2 = 0;
  std::string Country2 = "X";
  std::string City2 = "X";
  std::string Sex2 = "M";
  std::string IP2 = "X";

  bool operator==(const TZefTable&) const = default;
};

// Whether a seat's nick names a player.
inline bool SeatTaken(const std::string& nick) {
  return nick != "X";
}

// A seat holder: the local player as the lobby sends it, or the holder of a seat as read.
struct TZefClient {
  std::string Nick;
  int64_t Score = 0;
  int64_t Kon = 0;  // games played
  int64_t Rating = 0;
  std::string Country;  // the account's country name
  std::string City;
  std::string Sex = "M";  // one letter
  std::string IP;         // the public address

  // What the lobby sends when it gives a seat up: "X" texts, zero numbers and `sex`.
  static TZefClient Vacant(const std::string& sex) {
    return TZefClient{"X", 0, 0, 0, "X", "X", sex, "X"};
  }
  bool operator==(const TZefClient&) const = default;
};

// The tournament standing of a player: score, games and rating.
struct TourStanding {
  int64_t Score = 0;
  int64_t Kon = 0;
  int64_t Rating = 0;

  bool operator==(const TourStanding&) const = default;
};

// The three rankings of the tournament, by the letter the service knows them by.
enum class TourKind : char {
  Score = 's',
  Rating = 'r',
  Games = 'k',
};

// The value of a standing a ranking orders by.
inline int64_t StandingValue(const TourStanding& standing, TourKind kind) {
  return kind == TourKind::Score    ? standing.Score
         : kind == TourKind::Rating ? standing.Rating
                                    : standing.Kon;
}

}  // namespace quorvex
