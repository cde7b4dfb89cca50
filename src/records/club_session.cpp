#include "records/club_session.h"

#include <algorithm>
#include <optional>

#include "records/fixed_fields.h"
#include "records/rating.h"

namespace quorvex {

namespace {

// The member's line index 0..4, or -1.
int MemberLine(const ClubFile& club, const ClubSessionEntry& entry) {
  if (entry.slot < 1 || entry.slot > kClubProfiles) return -1;
  const std::string name = ClubName(entry.file_name.empty() ? entry.name : entry.file_name);
  const std::optional<ClubProfile> in_slot = club.Profile(entry.slot);
  if (in_slot && in_slot->name == name) return entry.slot - 1;
  const std::string password = ClubPassword(entry.password);
  for (int i = 0; i < kClubProfiles; ++i) {
    const std::optional<ClubProfile> profile = club.Profile(i + 1);
    if (profile && profile->name == name && profile->password == password) return i;
  }
  return -1;
}

template <size_t N>
void TakeOut(std::array<std::string, N>& lines, int index, const std::string& filler) {
  std::move(lines.begin() + index + 1, lines.end(), lines.begin() + index);
  lines.back() = filler;
}

template <size_t N>
void PutIn(std::array<std::string, N>& lines, int index, std::string line) {
  std::move_backward(lines.begin() + index, lines.end() - 1, lines.end());
  lines[index] = std::move(line);
}

// The top-ten place index 0..9 that a score S takes, or -1.
int TopTenIndex(const ClubFile& club, int32_t score) {
  for (int i = 0; i < kTopTenPlaces; ++i) {
    const TopTenEntry entry = club.TopTen(i + 1);
    if (entry.Empty() || *entry.score <= score) return i;
  }
  return -1;
}

// The profile line index 0..4 that a rating takes, or -1.
int ProfileIndex(const ClubFile& club, double rating) {
  for (int i = 0; i < kClubProfiles; ++i) {
    const std::optional<ClubProfile> profile = club.Profile(i + 1);
    if (!profile || profile->rating <= rating) return i;
  }
  return -1;
}

}  // namespace

ClubSessionOutcome EndClubSession(const ClubFile& club, const ClubSessionEntry& entry) {
  ClubSessionOutcome out;
  out.club = club;
  out.cycle_complete = CycleComplete(entry.deal_no);

  const int member = MemberLine(club, entry);
  if (member >= 0) TakeOut(out.club.profile_lines, member, kEmptyProfileLine);

  ClubProfile profile{ClubName(entry.name), entry.rating, entry.deal_no, entry.score,
                      ClubPassword(entry.password)};
  // The values as the line holds them: the score offered is what the file can show.
  profile = ParseProfileLine(ProfileLine(profile)).value_or(profile);

  if (out.cycle_complete) {
    out.cycle_score = profile.score;
    const int index = TopTenIndex(out.club, profile.score);
    if (index >= 0) {
      PutIn(out.club.top_ten_lines, index, TopTenLine({profile.name, profile.score}));
      out.place = index + 1;
    }
    profile.score = 0;
  }

  const int index = ProfileIndex(out.club, profile.rating);
  if (index >= 0) {
    PutIn(out.club.profile_lines, index, ProfileLine(profile));
    out.profile_slot = index + 1;
  }
  UpdateClubChecksum(out.club);
  return out;
}

ClubSessionSave SaveClubSession(const std::filesystem::path& file, ClubFile& club,
                                const ClubSessionEntry& entry) {
  ClubSessionSave save;
  save.outcome = EndClubSession(club, entry);
  club = save.outcome.club;
  save.write = WriteClubFile(file, club);
  return save;
}

}  // namespace quorvex
