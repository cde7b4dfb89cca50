#include "settings/safe_file_write.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

namespace quorvex {

namespace {

// "<target>.XXXXXX.tmp": the extension keeps a left-over out of readers that pick files by theirs.
constexpr std::string_view kTempSuffix = ".tmp";
constexpr size_t kTempRandom = 6;

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

// A new temporary file, locked for as long as it is open: the lock tells a clean-up that a write
// is still running (a killed process loses its locks). -1 when none can be made.
int OpenLockedTemporary(const std::filesystem::path& file, std::string& name) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    name = file.string() + "." + std::string(kTempRandom, 'X') + std::string(kTempSuffix);
    const int fd = ::mkostemps(name.data(), static_cast<int>(kTempSuffix.size()), O_CLOEXEC);
    if (fd < 0) return -1;
    struct stat st {};
    // A clean-up may have taken the file between its making and the lock; then take another.
    if (::flock(fd, LOCK_EX) == 0 && ::fstat(fd, &st) == 0 && st.st_nlink > 0) return fd;
    ::close(fd);
  }
  return -1;
}

}  // namespace

bool IsReplacementTemporary(std::string_view name, std::string_view target_name) {
  const size_t length = target_name.size() + 1 + kTempRandom + kTempSuffix.size();
  return name.size() == length && name.substr(0, target_name.size()) == target_name &&
         name[target_name.size()] == '.' && name.substr(length - kTempSuffix.size()) == kTempSuffix;
}

int RemoveStaleReplacements(const std::filesystem::path& file) {
  const std::string target = file.filename().string();
  const std::filesystem::path folder = file.parent_path().empty() ? "." : file.parent_path();
  std::error_code error;
  int removed = 0;
  // Stepped without exceptions: a folder that changes or fails mid-way ends the clean-up only.
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    const std::filesystem::directory_entry& entry = *it;
    const std::string name = entry.path().filename().string();
    if (!IsReplacementTemporary(name, target)) continue;
    const int fd = ::open(entry.path().c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) continue;
    struct stat held {};
    struct stat named {};
    // Only a file nobody holds, and still the one under that name (not renamed into place since).
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &held) == 0 &&
        ::lstat(entry.path().c_str(), &named) == 0 && held.st_ino == named.st_ino &&
        held.st_dev == named.st_dev && ::unlink(entry.path().c_str()) == 0)
      ++removed;
    ::close(fd);
  }
  return removed;
}

FileReplacement::FileReplacement(std::filesystem::path file) : file_(std::move(file)) {
  RemoveStaleReplacements(file_);
  fd_ = OpenLockedTemporary(file_, temp_);
  if (fd_ < 0) {
    temp_.clear();
    return;
  }
  // The new file keeps the permissions of the one it replaces (mkstemps makes it private).
  struct stat old_stat {};
  const mode_t mode = ::stat(file_.c_str(), &old_stat) == 0 ? (old_stat.st_mode & 07777) : 0644;
  if (::fchmod(fd_, mode) != 0) Abandon();
}

FileReplacement::~FileReplacement() {
  Abandon();
}

void FileReplacement::Abandon() {
  if (fd_ < 0) return;
  ::unlink(temp_.c_str());
  ::close(fd_);
  fd_ = -1;
  temp_.clear();
}

bool FileReplacement::Append(std::string_view bytes) {
  if (fd_ < 0) return false;
  if (!WriteAll(fd_, bytes)) Abandon();
  return fd_ >= 0;
}

bool FileReplacement::Commit() {
  if (fd_ < 0) return false;
  // Renamed while still locked, so that no clean-up takes it in between.
  if (::fsync(fd_) != 0 || std::rename(temp_.c_str(), file_.c_str()) != 0) {
    Abandon();
    return false;
  }
  ::close(fd_);
  fd_ = -1;
  temp_.clear();
  SyncFolder(file_.parent_path());
  return true;
}

bool ReplaceFileContents(const std::filesystem::path& file, std::string_view bytes) {
  FileReplacement replacement(file);
  return replacement.Append(bytes) && replacement.Commit();
}

}  // namespace quorvex
