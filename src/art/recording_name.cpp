#include "art/recording_name.h"

#include <cstdio>

namespace quorvex {

std::string RecordingFileName(const CivilTime& t, int attempt) {
  char name[96];
  std::snprintf(name, sizeof name, "%04d.%02d.%02d-%02d.%02d.%02d", t.year, t.month, t.day, t.hour,
                t.minute, t.second);
  std::string result = name;
  if (attempt > 1) result += "-" + std::to_string(attempt);
  return result + ".gif";
}

}  // namespace quorvex
