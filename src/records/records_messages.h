// The messages of the records files, in the current language.
#pragma once

#include <string>

namespace quorvex {

enum class RecordsMessage {
  CantFindFile,     // "Can`t find the file"
  IncorrectFile,    // "The incorrect file"
  DiskWriteError,   // "Error of disk writing!"
  CantSaveHistory,  // "Cann`t save history!" (the same in every language)
};

std::string RecordsText(RecordsMessage message);

// The outcome of writing a records file.
struct RecordsWrite {
  bool ok = false;
  std::string error;  // the message to show when the write failed
};

}  // namespace quorvex
