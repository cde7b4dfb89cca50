#include "records/history_file.h"

#include <cstdio>
#include <fstream>
#include <system_error>

#include "locale/lang_text.h"
#include "records/club_file.h"
#include "records/fixed_fields.h"
#include "records/keep_aside.h"
#include "settings/safe_file_write.h"

namespace quorvex {

namespace fs = std::filesystem;

namespace {

constexpr size_t kMinLineLength = 114;  // "longer than 113 characters"
// A full file is about 100 KB; anything far larger is not one and is not read whole.
constexpr size_t kMaxHistoryFileBytes = 16 * 1024 * 1024;

struct ParsedHistory {
  bool valid = false;
  std::vector<std::string> record_lines;
};

ParsedHistory ParseHistory(std::string_view bytes) {
  ParsedHistory parsed;
  if (bytes.size() > kMaxHistoryFileBytes) return parsed;
  std::vector<std::string> lines = SplitFileLines(bytes, kMaxHistoryFileBytes);
  ByteSums totals;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (line.size() < kMinLineLength) return parsed;
    const ByteSums sums = HistoryLineSums(line);
    totals.a += sums.a;
    totals.b += sums.b;
    totals.c += sums.c;
    if (line[0] != '$') {
      parsed.record_lines.push_back(std::move(lines[i]));
      continue;
    }
    if (i + 1 >= lines.size() || lines[i + 1].size() < kHistoryTotalLength) return parsed;
    const std::string_view total(lines[i + 1]);
    const std::optional<int64_t> a = ParseWholeNumber(total.substr(0, 10));
    const std::optional<int64_t> b = ParseWholeNumber(total.substr(10, 10));
    const std::optional<int64_t> c = ParseWholeNumber(total.substr(20, 10));
    parsed.valid = a == totals.a && b == totals.b && c == totals.c;
    return parsed;
  }
  return parsed;
}

// The file's bytes; nullopt when it cannot be read or is far too large to be a history file.
std::optional<std::string> ReadBytes(const fs::path& file) {
  std::error_code error;
  if (!fs::is_regular_file(file, error)) return std::nullopt;
  const uintmax_t size = fs::file_size(file, error);
  if (error || size > kMaxHistoryFileBytes) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes(static_cast<size_t>(size), '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (in.bad()) return std::nullopt;
  bytes.resize(static_cast<size_t>(in.gcount()));
  return bytes;
}

std::optional<std::chrono::system_clock::time_point> ModifiedTime(const fs::path& file) {
  std::error_code error;
  const fs::file_time_type time = fs::last_write_time(file, error);
  if (error) return std::nullopt;
  return std::chrono::time_point_cast<std::chrono::system_clock::duration>(
      std::chrono::file_clock::to_sys(time));
}

}  // namespace

fs::path HistoryFolder(const fs::path& program_dir) {
  return program_dir / kHistoryFolderName;
}

std::string HistoryFileName(int number) {
  std::string base = kLocalClubFileName;
  base.resize(base.size() - 4);  // without ".clb"
  char digits[16];
  std::snprintf(digits, sizeof digits, "%04d", number);
  return base + "_I" + digits + ".hst";
}

fs::path HistoryFilePath(const fs::path& program_dir, int number) {
  return HistoryFolder(program_dir) / HistoryFileName(number);
}

HistoryCheck CheckHistoryText(std::string_view bytes) {
  const ParsedHistory parsed = ParseHistory(bytes);
  HistoryCheck check;
  check.valid = parsed.valid;
  check.records = static_cast<int>(parsed.record_lines.size());
  return check;
}

HistoryCheck CheckHistoryFile(const fs::path& file) {
  const std::optional<std::string> bytes = ReadBytes(file);
  if (!bytes) return {};
  HistoryCheck check = CheckHistoryText(*bytes);
  if (check.valid) check.modified = ModifiedTime(file);
  return check;
}

std::vector<HistoryFileInfo> ListHistoryFiles(const fs::path& program_dir) {
  std::vector<HistoryFileInfo> files;
  for (int number = 1; number <= kHistoryFilesMax; ++number) {
    HistoryCheck check = CheckHistoryFile(HistoryFilePath(program_dir, number));
    if (!check.valid) break;
    files.push_back({number, std::move(check)});
  }
  return files;
}

std::vector<HistoryRow> HistoryRows(std::string_view bytes) {
  std::vector<HistoryRow> rows;
  for (const std::string& line : SplitFileLines(bytes.substr(0, kMaxHistoryFileBytes))) {
    if (!line.empty() && line[0] == '$') break;
    rows.push_back(ParseHistoryRow(line));
  }
  return rows;
}

std::vector<HistoryRow> ReadHistoryRows(const fs::path& file) {
  const std::optional<std::string> bytes = ReadBytes(file);
  return bytes ? HistoryRows(*bytes) : std::vector<HistoryRow>{};
}

HistoryWrite WriteHistory(const fs::path& program_dir, std::span<const HisStr> records,
                          const HistoryStamp& stamp) {
  HistoryWrite out;
  const RecordsWrite failed{false, Text(Tx::CantSaveHistory)};
  if (records.empty()) {
    out.write.ok = true;
    return out;
  }
  std::error_code error;
  fs::create_directories(HistoryFolder(program_dir), error);
  if (!fs::is_directory(HistoryFolder(program_dir), error)) {
    out.write = failed;
    return out;
  }

  std::vector<std::string> lines;
  for (int number = 1; number <= kHistoryFilesMax && out.number == 0; ++number) {
    const fs::path file = HistoryFilePath(program_dir, number);
    const std::optional<std::string> bytes = ReadBytes(file);
    ParsedHistory parsed = bytes ? ParseHistory(*bytes) : ParsedHistory{};
    if (parsed.valid && parsed.record_lines.size() >= static_cast<size_t>(kHistoryRecordsPerFile))
      continue;
    if (parsed.valid) {
      lines = std::move(parsed.record_lines);
    } else if (fs::exists(fs::symlink_status(file, error)) && !KeepDamagedFileAside(file)) {
      out.write = failed;
      return out;
    }
    out.number = number;
  }
  if (out.number == 0) {
    out.write = failed;
    return out;
  }

  for (const HisStr& record : records) lines.push_back(HistoryRecordLine(record, stamp));
  lines.push_back(HistorySummaryLine());
  // The totals are summed from the lines themselves rather than from their checksum columns:
  // for every line the program wrote the two agree, and a column edited since cannot make the
  // new file fail its own check.
  ByteSums totals;
  for (const std::string& line : lines) {
    const ByteSums sums = HistoryLineSums(line);
    totals.a += sums.a;
    totals.b += sums.b;
    totals.c += sums.c;
  }
  lines.push_back(HistoryTotalLine(totals));

  if (!ReplaceFileContents(HistoryFilePath(program_dir, out.number), JoinFileLines(lines))) {
    out.write = failed;
    return out;
  }
  out.write.ok = true;
  return out;
}

}  // namespace quorvex
