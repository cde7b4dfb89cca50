// The settings file "Quorva.ini": 35 fixed lines of single-byte text with CR LF line ends, kept
// in the layout every earlier version of the game wrote.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "settings/settings.h"

namespace quorvex {

inline constexpr int kSettingsLines = 35;
inline constexpr const char* kSettingsFileName = "Quorva.ini";

// Line 33: Windows-1251 "и" when games are recorded as GIF, "л" when not.
inline constexpr char kGifOnMark = '\xE8';
inline constexpr char kGifOffMark = '\xEB';

// Where the reading ended.
enum class SettingsReadEnd {
  NoFile,       // could not be opened (twice): every default stays
  TooFewLines,  // fewer than 35 lines: ignored as a whole
  Stopped,      // a malformed line; the values before it were taken
  Complete,
};

struct SettingsReadResult {
  Settings settings;
  SettingsReadEnd end = SettingsReadEnd::NoFile;
  int stop_line = 0;  // the malformed line when end is Stopped
};

// The last step of reading: the online configuration may replace the service addresses. It runs
// only when the file was read to its end.
using ConfigurationFetch = std::function<void(Settings&)>;

std::filesystem::path SettingsFilePath(const std::filesystem::path& program_dir);

// Reads the file at start-up. No content, however damaged, is read past its end or stops the
// program; a malformed value keeps its default, a malformed line ends the reading there.
SettingsReadResult ReadSettingsFile(const std::filesystem::path& file,
                                    const ConfigurationFetch& fetch_configuration = {});

// The same reading over the bytes of a file.
SettingsReadResult ReadSettingsText(std::string_view bytes);

// The whole file for the settings.
std::string SettingsFileText(const Settings& settings);

struct SettingsSaveResult {
  bool ok = false;
  std::string error;  // the message to show when the save failed
};

// Rewrites the file whole, trying once more on failure. The old file stays intact until the new
// one is complete on disk.
SettingsSaveResult WriteSettingsFile(const std::filesystem::path& file, const Settings& settings);

}  // namespace quorvex
