// Replacing a file so that a crash or a full disk at any moment leaves either the old file or the
// new one whole, never a mix or a stump.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quorvex {

// Writes the bytes to a new file beside the target, flushes it to disk and renames it over the
// target. Returns false, with the target untouched, when any step fails. Temporary files that an
// earlier, killed write of the same target left behind are removed on the way.
bool ReplaceFileContents(const std::filesystem::path& file, std::string_view bytes);

// Whether a name in a folder is one of the temporary files of a replacement of `target_name`
// (readers that list a folder skip them).
bool IsReplacementTemporary(std::string_view name, std::string_view target_name);

// Removes the temporary files of replacements of `file` that no running write holds; returns how
// many it removed.
int RemoveStaleReplacements(const std::filesystem::path& file);

}  // namespace quorvex
