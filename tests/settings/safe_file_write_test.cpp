// What a killed replacement leaves beside its file, and who may clear it.
#include "settings/safe_file_write.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <fstream>

namespace quorvex {
namespace {

namespace fs = std::filesystem;

TEST(SafeFileWrite, KnowsItsOwnTemporariesOnly) {
  EXPECT_TRUE(IsReplacementTemporary("Quorva.ini.a1B2c3.tmp", "Quorva.ini"));
  for (const char* other :
       {"Quorva.ini", "Quorva.ini.tmp", "Quorva.ini.a1B2c.tmp", "Quorva.clb.a1B2c3.tmp",
        "Quorva.ini.a1B2c3.dll", "XQuorva.ini.a1B2c3.tmp"})
    EXPECT_FALSE(IsReplacementTemporary(other, "Quorva.ini")) << other;
}

TEST(SafeFileWrite, ALeftOverIsClearedButARunningWriteIsNot) {
  const fs::path dir = fs::temp_directory_path() / ("quorvex_safe_" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  const fs::path file = dir / "ZefUser.zef";
  const fs::path dead = dir / "ZefUser.zef.AAAAAA.tmp";
  const fs::path live = dir / "ZefUser.zef.BBBBBB.tmp";
  const fs::path other = dir / "ZefRadio.ini.CCCCCC.tmp";
  for (const fs::path& path : {dead, live, other}) std::ofstream(path) << "half";
  // A write still running holds a lock on its temporary file.
  const int held = ::open(live.c_str(), O_RDONLY);
  ASSERT_EQ(::flock(held, LOCK_EX), 0);

  ASSERT_TRUE(ReplaceFileContents(file, "whole"));
  EXPECT_FALSE(fs::exists(dead));
  EXPECT_TRUE(fs::exists(live));
  EXPECT_TRUE(fs::exists(other));  // another file's write is none of this one's business

  ::close(held);
  EXPECT_EQ(RemoveStaleReplacements(file), 1);
  EXPECT_FALSE(fs::exists(live));
  std::ifstream in(file);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "whole");
  fs::remove_all(dir);
}

TEST(SafeFileWrite, APieceByPieceReplacementTakesThePlaceOnlyOnCommit) {
  const fs::path dir = fs::temp_directory_path() / ("quorvex_pieces_" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  const fs::path file = dir / "ZefCards06A.dll";
  std::ofstream(file) << "old";
  const auto contents = [&file] {
    std::ifstream in(file);
    return std::string(std::istreambuf_iterator<char>(in), {});
  };
  {
    FileReplacement dropped(file);
    ASSERT_TRUE(dropped.Append("half of it"));
    EXPECT_TRUE(fs::exists(dropped.TemporaryPath()));
  }
  EXPECT_EQ(contents(), "old");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);

  FileReplacement kept(file);
  ASSERT_TRUE(kept.Append("new, ") && kept.Append("whole"));
  EXPECT_EQ(contents(), "old");
  ASSERT_TRUE(kept.Commit());
  EXPECT_EQ(contents(), "new, whole");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
  fs::remove_all(dir);
}

}  // namespace
}  // namespace quorvex
