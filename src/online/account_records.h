// The records of the online account: the member, the public profile, this game's record on the
// server, an entry of the rating top ten, and the account as the program holds it for the run.
// Texts are UTF-8 here; they become Windows-1251 bytes only on the wire and in the user file.
#pragma once

#include "game/account_state.h"
#include "records/rating.h"  // kCycleDeals: a rated cycle is the club's cycle of 20 deals

#include <cstdint>
#include <string>

namespace quorvex {

// A rated match is 4 deals; a cycle is 20 rated deals.
inline constexpr int kMatchDeals = 4;
// The deduction recorded in advance at the start of a rated match: a match abandoned by closing
// the program still counts against the player.
inline constexpr int kProvisionalLoss = 2000;
// Rating = total score / deals + deals / kRatingDivisor.
inline constexpr int kRatingDivisor = 20;
// The name prefix of this game's fields in the account's game record.
inline constexpr const char* kGameFieldPrefix = "qvrx02";

// The public profile. On the wire WebSite travels before Skype.
struct TInfo14 {
  std::string Name1;       // at most 20 characters
  std::string Name2;       // 20
  std::string About;       // 50
  std::string Telephone;   // 20
  std::string EMailO;      // 50
  std::string Skype;       // 50
  std::string WebSite;     // 50
  std::string OK;          // 50
  std::string VK;          // 50
  std::string Telegram;    // 50
  std::string FaceBook;    // 60
  std::string Twitter;     // 50
  std::string Instagramm;  // 50
  std::string YouTube;     // 50

  bool operator==(const TInfo14&) const = default;
};

// The local player's account. The defaults are what the account window shows while nobody is
// logged in.
struct TZefUser {
  std::string Nick;
  std::string Pw;  // in clear, only in memory
  std::string City;
  std::string Country1 = "Russia";  // country name (the country table's short name)
  std::string Country2 = "1-001";   // country code
  char Sex = 'M';                   // 'M' or 'W'
  std::string EMail;
  std::string DateR = "00.00.0000";  // registration date; this text when none is held
  std::string R01, R02, R03;
  int64_t R04 = 0;  // the Zefs balance
  int64_t R05 = 0, R06 = 0;
  std::string PwC;  // the password enciphered, as the user file keeps it
  TInfo14 Info;

  bool operator==(const TZefUser&) const = default;
};

// This game's record of the account on the server (only the fields this game uses).
struct TZefGame {
  int64_t Kon = 0;       // rated deals played in total
  int64_t Score = 0;     // score of the unfinished cycle
  int64_t Sessions = 0;  // completed cycles
  double Rating = 0;
  char PlayNow = 'N';
  int64_t R1 = 0;
  std::string R2 = "#";
  int64_t Place = 0;  // the rating place, filled from its own request
  int64_t Best = 0;   // best cycle score
  int64_t KonL = 0;   // rated deals played in the unfinished cycle

  bool operator==(const TZefGame&) const = default;
};

// An entry of the account rating top ten.
struct TZefTop10 {
  std::string Nick;
  std::string City;
  std::string Country;
  char Sex = 'M';
  double Rating = 0;

  bool operator==(const TZefTop10&) const = default;
};

// The account for the whole run, shared by the account window and the rated-match handling.
struct AccountSession {
  AccountState state = AccountState::NotLoggedIn;
  TZefUser user;
  TZefGame game;
  // Between a successful StartRatedMatch and FinishRatedMatch: the window keeps its account
  // controls disabled.
  bool rated_match_running = false;
};

}  // namespace quorvex
