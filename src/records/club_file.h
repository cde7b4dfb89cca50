// The club files "Quorva.clb" (games against the computer) and "Quorva.net" (LAN games): 17 lines
// of Windows-1251 text with CR LF line ends. Lines 1..5 hold the members' profiles, best rating
// first; lines 6..15 the local top ten, best first; line 16 is carried whole; line 17 keeps its
// first ten characters and ends with the checksum of lines 1..16.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "records/club_lines.h"
#include "records/records_write.h"

namespace quorvex {

inline constexpr int kClubProfiles = 5;
inline constexpr int kTopTenPlaces = 10;
inline constexpr int kClubFileLines = 17;
inline constexpr const char* kLocalClubFileName = "Quorva.clb";
inline constexpr const char* kNetworkClubFileName = "Quorva.net";

// The lines of a club file as they stand. Lines no step changes are written back byte for byte.
struct ClubFile {
  std::array<std::string, kClubProfiles> profile_lines;
  std::array<std::string, kTopTenPlaces> top_ten_lines;
  std::string line16;
  std::string line17;  // positions 1..10 carried over, 11..28 the checksum

  // The member in slot 1..5; nullopt for an empty slot or a slot out of range.
  std::optional<ClubProfile> Profile(int slot) const;
  // The entry at place 1..10; an empty entry for a free place or a place out of range.
  TopTenEntry TopTen(int place) const;
  // Line 17 starting with "1" starts the program in Russian.
  bool RussianMark() const { return !line17.empty() && line17[0] == '1'; }
  // "idd" after the language mark: an installation that reports nothing to the statistics.
  bool QuietInstallation() const { return line17.size() >= 4 && line17.compare(1, 3, "idd") == 0; }

  bool operator==(const ClubFile&) const = default;
};

// Five empty profiles and an empty top ten: what a new installation starts from.
ClubFile FreshClubFile();

// The 18 checksum digits of lines 1..16: the three byte sums of their first 583 bytes, joined
// without line ends, six digits each.
std::string ClubChecksum(const ClubFile& club);
// Puts the checksum of lines 1..16 into line 17 (positions 1..10 kept, padded when short).
void UpdateClubChecksum(ClubFile& club);
// The whole file, with the checksum recomputed.
std::string ClubFileText(const ClubFile& club);

enum class ClubFileStatus {
  Ok,
  Missing,      // no such file
  Unreadable,   // there, but could not be read
  BadLayout,    // not 17 lines, or a line out of its layout
  BadChecksum,  // the checksum does not match lines 1..16
};

struct ClubFileRead {
  ClubFileStatus status = ClubFileStatus::Missing;
  // The lines read; filled whenever the file had 17 lines, so that the language mark of line
  // 17 is seen even in a file that fails its checks.
  ClubFile club;
  bool ok() const { return status == ClubFileStatus::Ok; }
};

ClubFileRead ParseClubText(std::string_view bytes);
ClubFileRead ReadClubFile(const std::filesystem::path& file);

// The message for a club file that cannot be used: "Can`t find the file" or "The incorrect file",
// then the quoted path and "!". Empty for a good file.
std::string ClubFileMessage(ClubFileStatus status, const std::filesystem::path& file);

// Replaces the file whole; a failed write leaves the old file as it was and reports
// "Error of disk writing!".
RecordsWrite WriteClubFile(const std::filesystem::path& file, const ClubFile& club);

std::filesystem::path ClubFilePath(const std::filesystem::path& program_dir, bool network);

}  // namespace quorvex
