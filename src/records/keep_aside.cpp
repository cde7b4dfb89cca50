#include "records/keep_aside.h"

#include <string>
#include <system_error>

namespace quorvex {

bool KeepDamagedFileAside(const std::filesystem::path& file) {
  for (int attempt = 1; attempt <= 1000; ++attempt) {
    std::filesystem::path aside = file;
    aside += attempt == 1 ? ".damaged" : ".damaged" + std::to_string(attempt);
    std::error_code error;
    if (std::filesystem::exists(std::filesystem::symlink_status(aside, error))) continue;
    std::filesystem::rename(file, aside, error);
    return !error;
  }
  return false;
}

}  // namespace quorvex
