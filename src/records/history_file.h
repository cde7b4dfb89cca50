// The history files in the folder "History" beside the program: Quorva_I0001.hst, Quorva_I0002.hst
// and so on, each up to 840 session records, a summary line and a total line. The totals let the
// program tell a file it wrote from one edited or damaged since.
#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "records/history_line.h"
#include "records/records_write.h"

namespace quorvex {

inline constexpr int kHistoryFilesMax = 9999;
inline constexpr int kHistoryRecordsPerFile = 840;
inline constexpr const char* kHistoryFolderName = "History";

std::filesystem::path HistoryFolder(const std::filesystem::path& program_dir);
// "Quorva_I0001.hst": the local club file's name without its extension, "_I", four digits.
std::string HistoryFileName(int number);
std::filesystem::path HistoryFilePath(const std::filesystem::path& program_dir, int number);

struct HistoryCheck {
  bool valid = false;
  int records = 0;  // record lines before the summary line
  // When the file was last written; the window shows it as a short date.
  std::optional<std::chrono::system_clock::time_point> modified;
};

// Checks the bytes of a file: every line up to the summary line longer than 113 characters, and
// the total line after it equal to the sums recomputed from positions 1..99 of those lines. The
// checksum columns of a record line are not compared one by one, so a change there alone passes;
// the file format has always worked so, and the files already written rely on it.
HistoryCheck CheckHistoryText(std::string_view bytes);
HistoryCheck CheckHistoryFile(const std::filesystem::path& file);

// The files the history window offers: from number 1 on, up to the first missing or damaged one.
struct HistoryFileInfo {
  int number = 0;
  HistoryCheck check;
};
std::vector<HistoryFileInfo> ListHistoryFiles(const std::filesystem::path& program_dir);

// The record lines of a file in the columns of the window, up to the summary line.
std::vector<HistoryRow> HistoryRows(std::string_view bytes);
std::vector<HistoryRow> ReadHistoryRows(const std::filesystem::path& file);

struct HistoryWrite {
  RecordsWrite write;
  int number = 0;  // the file the records went to
};

// Adds the records (a session writes one, the game never more than four) to the first file that
// is valid and holds fewer than 840 records, or starts a fresh file under the first number that
// is missing or damaged. A damaged file is first kept aside as "<name>.damaged" (a number added
// when that is taken), never written over. The new file replaces the old one whole. On failure
// the message is "Cann`t save history!" and the files stay as they were.
HistoryWrite WriteHistory(const std::filesystem::path& program_dir, std::span<const HisStr> records,
                          const HistoryStamp& stamp);

}  // namespace quorvex
