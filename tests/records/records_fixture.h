// A folder of its own for each test, and the helpers to look at the bytes on disk.
#pragma once

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

namespace quorvex {

class RecordsFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("quorvex_records_" + std::to_string(::getpid()) + "_" + std::to_string(++counter_));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code error;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir_, error))
      std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                   std::filesystem::perm_options::add, error);
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_all, error);
    std::filesystem::remove_all(dir_, error);
  }

  static std::string Bytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
  }
  static void Put(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  static int FilesIn(const std::filesystem::path& folder) {
    return static_cast<int>(std::distance(std::filesystem::directory_iterator(folder),
                                          std::filesystem::directory_iterator()));
  }

  // Runs the write in a child process that the system kills the moment the file it writes
  // passes `limit` bytes, as a crash or a pulled plug in the middle of the write would. True
  // when the child was indeed killed by that.
  static bool CrashDuringWrite(const std::function<void()>& write, rlim_t limit) {
    const pid_t child = ::fork();
    if (child == 0) {
      std::signal(SIGXFSZ, SIG_DFL);
      rlimit small{limit, limit};
      ::setrlimit(RLIMIT_FSIZE, &small);
      write();
      ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ;
  }

  static inline int counter_ = 0;
  std::filesystem::path dir_;
};

}  // namespace quorvex
