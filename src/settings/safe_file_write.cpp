#include "settings/safe_file_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

namespace quorvex {

namespace {

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

// Makes the rename itself durable; a failure here does not undo a completed replacement.
void SyncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

bool ReplaceFileContents(const std::filesystem::path& file, std::string_view bytes) {
  std::string temp = file.string() + ".XXXXXX";
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return false;

  // The new file keeps the permissions of the one it replaces (mkstemp makes it private).
  struct stat old_stat {};
  const mode_t mode = ::stat(file.c_str(), &old_stat) == 0 ? (old_stat.st_mode & 07777) : 0644;
  const bool written = ::fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (!written || !closed || std::rename(temp.c_str(), file.c_str()) != 0) {
    ::unlink(temp.c_str());
    return false;
  }
  SyncFolder(file.parent_path());
  return true;
}

}  // namespace quorvex
