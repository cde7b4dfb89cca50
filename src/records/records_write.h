// The outcome of writing a club or history file.
#pragma once

#include <string>

namespace quorvex {

struct RecordsWrite {
  bool ok = false;
  std::string error;  // the message to show, in the current language, when the write failed
};

}  // namespace quorvex
