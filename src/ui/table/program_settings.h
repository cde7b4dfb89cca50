// The settings of one run: read from "Quorva.ini" in the program's folder at start, written back
// there when the program ends.
#pragma once

#include <filesystem>

#include "settings/settings.h"

class QWidget;

namespace quorvex {

class ProgramSettings {
 public:
  // Reads the file of the folder; a missing or damaged one leaves the defaults. The start-up
  // language is applied at once, so that everything built afterwards has its captions.
  explicit ProgramSettings(const std::filesystem::path& program_dir);

  Settings& Get() { return settings_; }
  const std::filesystem::path& File() const { return file_; }

  // Writes the file back; on failure tells the player, in the current language. False then.
  bool Save(QWidget* parent) const;

 private:
  std::filesystem::path file_;
  Settings settings_;
};

}  // namespace quorvex
