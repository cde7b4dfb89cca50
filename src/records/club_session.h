// The club file at the end of a session of games against the computer or of a LAN game: the
// member's profile leaves its line, a completed cycle is offered to the top ten, and the profile
// goes back among the five by its new rating.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "records/club_file.h"
#include "records/records_write.h"

namespace quorvex {

// The member who ends the session and the standing the session left them with.
struct ClubSessionEntry {
  std::string name;       // the member's name (padded or not)
  std::string password;   // as typed in the player dialog, up to five bytes
  int slot = 0;           // the member's slot 1..5 when the session began; 0 for a new member
  double rating = 0;      // SessionRating after the session
  int32_t deal_no = 0;    // DealNo at the end of the session
  int32_t score = 0;      // initial score + session balance
  std::string file_name;  // the name the file knows the member by, when it was changed meanwhile
};

struct ClubSessionOutcome {
  ClubFile club;                // the file to write
  bool cycle_complete = false;  // DealNo is a multiple of 20
  int place = 0;                // place 1..10 in the top ten; 0 when it entered nowhere
  int32_t cycle_score = 0;      // the score offered to the top ten (the end-of-game window's S)
  int profile_slot = 0;         // the profile's line 1..5 now; 0 when no line was free for it
};

// The whole update as one step over the file's lines. The member is found in their slot when
// the name there is still theirs, else by name and password; a new member is never matched to
// an existing line. A cycle score enters the top ten above the first entry it equals or beats;
// the profile goes back above the first profile whose rating it equals or beats, or into the
// first empty line.
ClubSessionOutcome EndClubSession(const ClubFile& club, const ClubSessionEntry& entry);

struct ClubSessionSave {
  ClubSessionOutcome outcome;
  RecordsWrite write;
};

// Applies the update to the club held in memory and writes the file once, whole. The memory
// copy is updated even when the write fails, so that the game goes on with the new values and
// the next write carries them.
ClubSessionSave SaveClubSession(const std::filesystem::path& file, ClubFile& club,
                                const ClubSessionEntry& entry);

}  // namespace quorvex
