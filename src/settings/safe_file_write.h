// Replacing a file so that a crash or a full disk at any moment leaves either the old file or the
// new one whole, never a mix or a stump.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quorvex {

// A replacement written piece by piece, for contents too large to hold in memory: the pieces go
// to a new file beside the target, and only Commit() puts it in the target's place. Dropped
// without a commit, it leaves the target as it was and no file behind.
class FileReplacement {
 public:
  explicit FileReplacement(std::filesystem::path file);
  ~FileReplacement();
  FileReplacement(const FileReplacement&) = delete;
  FileReplacement& operator=(const FileReplacement&) = delete;

  // False once any step has failed; the replacement is then only abandoned.
  bool Good() const { return fd_ >= 0; }
  bool Append(std::string_view bytes);
  // The new contents so far, for a check before they take the target's place; empty when none.
  const std::string& TemporaryPath() const { return temp_; }
  // Flushes the new file to disk and renames it over the target. True when the target is now
  // the new contents whole.
  bool Commit();

 private:
  void Abandon();

  std::filesystem::path file_;
  std::string temp_;
  int fd_ = -1;
};

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
