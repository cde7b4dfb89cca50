// A damaged file is never written over: it is renamed out of the way first, so that whatever can
// still be read from it stays on disk.
#pragma once

#include <filesystem>

namespace quorvex {

// Renames the file to "<name>.damaged", or "<name>.damaged2", ... when that is taken. False when
// it could not be moved; the caller then leaves it alone.
bool KeepDamagedFileAside(const std::filesystem::path& file);

}  // namespace quorvex
