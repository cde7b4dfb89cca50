#include "records/club_file.h"

#include <fstream>
#include <system_error>
#include <vector>

#include "locale/lang_text.h"
#include "records/fixed_fields.h"
#include "settings/safe_file_write.h"

namespace quorvex {

namespace {

constexpr size_t kChecksumBytes = 583;
constexpr size_t kChecksumWidth = 6;
constexpr size_t kLine17Kept = 10;
constexpr size_t kLine17Length = 28;
// A club file is under 1 KB; anything far larger is not one and is not read whole.
constexpr size_t kMaxClubFileBytes = 64 * 1024;

bool AllDigits(std::string_view text) {
  for (const char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

bool FieldsInLayout(const ClubFile& club) {
  for (const std::string& line : club.profile_lines)
    if (!IsEmptyProfileLine(line) && !ParseProfileLine(line)) return false;
  for (const std::string& line : club.top_ten_lines)
    if (!ParseTopTenLine(line)) return false;
  return true;
}

}  // namespace

std::optional<ClubProfile> ClubFile::Profile(int slot) const {
  if (slot < 1 || slot > kClubProfiles) return std::nullopt;
  return ParseProfileLine(profile_lines[slot - 1]);
}

TopTenEntry ClubFile::TopTen(int place) const {
  if (place < 1 || place > kTopTenPlaces) return {};
  return ParseTopTenLine(top_ten_lines[place - 1]).value_or(TopTenEntry{});
}

ClubFile FreshClubFile() {
  ClubFile club;
  club.profile_lines.fill(kEmptyProfileLine);
  club.top_ten_lines.fill(kEmptyTopTenLine);
  club.line16 = std::string(kLine17Length, '#');
  club.line17 = std::string(kLine17Kept, '#');
  UpdateClubChecksum(club);
  return club;
}

std::string ClubChecksum(const ClubFile& club) {
  std::string joined;
  for (const std::string& line : club.profile_lines) joined += line;
  for (const std::string& line : club.top_ten_lines) joined += line;
  joined += club.line16;
  return SumsText(SumBytes(std::string_view(joined).substr(0, kChecksumBytes)), kChecksumWidth);
}

void UpdateClubChecksum(ClubFile& club) {
  // Positions 1..10 stay as they were; a shorter kept part is padded so that the checksum always
  // stands at 11..28. Whatever follows position 28 is carried too.
  std::string line17 = LeftPaddedCut(club.line17, kLine17Kept) + ClubChecksum(club);
  if (club.line17.size() > kLine17Length) line17 += club.line17.substr(kLine17Length);
  club.line17 = std::move(line17);
}

std::string ClubFileText(const ClubFile& club) {
  ClubFile sealed = club;
  UpdateClubChecksum(sealed);
  std::vector<std::string> lines(sealed.profile_lines.begin(), sealed.profile_lines.end());
  lines.insert(lines.end(), sealed.top_ten_lines.begin(), sealed.top_ten_lines.end());
  lines.push_back(sealed.line16);
  lines.push_back(sealed.line17);
  return JoinFileLines(lines);
}

ClubFileRead ParseClubText(std::string_view bytes) {
  ClubFileRead read;
  read.status = ClubFileStatus::BadLayout;
  if (bytes.size() > kMaxClubFileBytes) return read;
  const std::vector<std::string> lines = SplitFileLines(bytes);
  if (lines.size() != static_cast<size_t>(kClubFileLines)) return read;

  ClubFile& club = read.club;
  for (int i = 0; i < kClubProfiles; ++i) club.profile_lines[i] = lines[i];
  for (int i = 0; i < kTopTenPlaces; ++i) club.top_ten_lines[i] = lines[kClubProfiles + i];
  club.line16 = lines[15];
  club.line17 = lines[16];

  if (club.line17.size() < kLine17Length) return read;
  const std::string_view stored =
      std::string_view(club.line17).substr(kLine17Kept, kLine17Length - kLine17Kept);
  if (!AllDigits(stored)) return read;
  if (stored != ClubChecksum(club)) {
    read.status = ClubFileStatus::BadChecksum;
    return read;
  }
  read.status = FieldsInLayout(club) ? ClubFileStatus::Ok : ClubFileStatus::BadLayout;
  return read;
}

ClubFileRead ReadClubFile(const std::filesystem::path& file) {
  std::error_code error;
  const auto state = std::filesystem::status(file, error);
  if (state.type() == std::filesystem::file_type::not_found) return {ClubFileStatus::Missing, {}};
  std::ifstream in(file, std::ios::binary);
  if (error || !std::filesystem::is_regular_file(state) || !in) {
    return {ClubFileStatus::Unreadable, {}};
  }
  std::string bytes(kMaxClubFileBytes + 1, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (in.bad()) return {ClubFileStatus::Unreadable, {}};
  bytes.resize(static_cast<size_t>(in.gcount()));
  return ParseClubText(bytes);
}

std::string ClubFileMessage(ClubFileStatus status, const std::filesystem::path& file) {
  if (status == ClubFileStatus::Ok) return {};
  const Tx text = status == ClubFileStatus::Missing ? Tx::CantFindFile : Tx::IncorrectFile;
  return Text(text) + " \"" + file.string() + "\"!";
}

RecordsWrite WriteClubFile(const std::filesystem::path& file, const ClubFile& club) {
  if (ReplaceFileContents(file, ClubFileText(club))) return {true, {}};
  return {false, Text(Tx::ErrorOfDiskWriting)};
}

std::filesystem::path ClubFilePath(const std::filesystem::path& program_dir, bool network) {
  return program_dir / (network ? kNetworkClubFileName : kLocalClubFileName);
}

}  // namespace quorvex
