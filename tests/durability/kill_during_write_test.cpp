// The program killed outright in the middle of writing its files: every kind of file is found
// afterwards as the old record or the new one, read back by the program's own reader, and what a
// killed write leaves beside it is cleared by the next write instead of piling up.
#include <gtest/gtest.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <random>
#include <thread>

#include "durability/file_kinds.h"
#include "settings/safe_file_write.h"

extern char** environ;

namespace quorvex::durability {
namespace {

constexpr int kKills = 100;
// Kills go on past kKills, up to this many, until one has landed inside a write: on a busy
// machine a fast kind of write may slip between a hundred kills.
constexpr int kMostKills = 1000;

// Starts the writing loop and kills it `delay` after it says it is writing. False when the loop
// did not start or ended by itself (a failed write).
bool KillWhileWriting(const FileKind& kind, const fs::path& folder,
                      std::chrono::microseconds delay) {
  int out[2];
  if (::pipe(out) != 0) return false;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  std::string program = QUORVEX_WRITE_LOOP;
  std::string name = kind.name;
  std::string where = folder.string();
  char* argv[] = {program.data(), name.data(), where.data(), nullptr};
  pid_t child = 0;
  const int spawned = ::posix_spawn(&child, program.c_str(), &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(out[1]);
  if (spawned != 0) {
    ::close(out[0]);
    return false;
  }
  pollfd ready{out[0], POLLIN, 0};
  char word[6];
  const bool started = ::poll(&ready, 1, 10000) == 1 && ::read(out[0], word, 6) == 6;
  ::close(out[0]);
  if (started) std::this_thread::sleep_for(delay);
  ::kill(child, SIGKILL);
  int status = 0;
  ::waitpid(child, &status, 0);
  return started && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

int Temporaries(const fs::path& file) {
  int count = 0;
  for (const auto& entry : fs::directory_iterator(file.parent_path()))
    if (IsReplacementTemporary(entry.path().filename().string(), file.filename().string())) ++count;
  return count;
}

}  // namespace

// Names a kind in the test's messages instead of dumping its bytes.
void PrintTo(const FileKind& kind, std::ostream* out) {
  *out << kind.name;
}

namespace {

class KillDuringWrite : public ::testing::TestWithParam<FileKind> {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("quorvex_kill_" + std::string(GetParam().name) + "_" + std::to_string(::getpid()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }
  fs::path folder_;
};

TEST_P(KillDuringWrite, LeavesTheOldOrTheNewFileWhole) {
  const FileKind& kind = GetParam();
  const bool may_be_absent = kind.read(folder_) == Found::Absent;
  ASSERT_TRUE(kind.write(folder_, 0));
  std::optional<int> history = HistoryRecordCount(folder_);
  const fs::path file = folder_ / kind.file;

  std::mt19937 random(std::random_device{}());
  // Most kills land within the first few writes; some let the loop run for a while.
  std::uniform_int_distribution<int> short_delay(0, 3000), long_delay(0, 40000);
  int cut_short = 0;
  for (int kill = 0; kill < kKills || (cut_short == 0 && kill < kMostKills); ++kill) {
    const auto delay =
        std::chrono::microseconds(kill % 10 == 9 || kill >= kKills ? long_delay(random)
                                                                  : short_delay(random));
    ASSERT_TRUE(KillWhileWriting(kind, folder_, delay)) << "kill " << kill;
    const Found found = kind.read(folder_);
    ASSERT_NE(found, Found::Damaged) << "kill " << kill << " after " << delay.count() << " us";
    if (!may_be_absent) {
      ASSERT_NE(found, Found::Absent) << "kill " << kill;
    }
    // The next write clears what the killed one left: never more than one at a time.
    const int temporaries = Temporaries(file);
    ASSERT_LE(temporaries, 1) << "kill " << kill;
    cut_short += temporaries;
    if (history) {
      // Records already on disk are never lost.
      const std::optional<int> now = HistoryRecordCount(folder_);
      ASSERT_TRUE(now);
      ASSERT_GE(*now, *history) << "kill " << kill;
      history = now;
    }
  }
  // The next start writes over whatever the last kill left, and leaves nothing beside the file.
  ASSERT_TRUE(kind.write(folder_, 1));
  EXPECT_NE(kind.read(folder_), Found::Damaged);
  EXPECT_EQ(Temporaries(file), 0);
  // Proof that the kills do land inside writes, not only between them.
  EXPECT_GT(cut_short, 0);
  RecordProperty("kills_mid_write", cut_short);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, KillDuringWrite, ::testing::ValuesIn(kFileKinds),
                         [](const ::testing::TestParamInfo<FileKind>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace quorvex::durability
