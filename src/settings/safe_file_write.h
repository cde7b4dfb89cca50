// Replacing a file so that a crash or a full disk at any moment leaves either the old file or the
// new one whole, never a mix or a stump.
#pragma once

#include <filesystem>
#include <string_view>

namespace quorvex {

// Writes the bytes to a new file beside the target, flushes it to disk and renames it over the
// target. Returns false, with the target untouched, when any step fails.
bool ReplaceFileContents(const std::filesystem::path& file, std::string_view bytes);

}  // namespace quorvex
