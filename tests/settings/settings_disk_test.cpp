// The settings file on disk: reading at start-up, saving, and failed saves.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <fstream>
#include <random>
#include <sstream>

#include "settings/settings_file.h"
#include "settings_fixture.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;

class SettingsDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("quorvex_settings_" + std::to_string(::getpid()) + "_" + std::to_string(++counter_));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    file_ = SettingsFilePath(dir_);
  }
  void TearDown() override {
    fs::permissions(dir_, fs::perms::owner_all);
    fs::remove_all(dir_);
  }

  static std::string Bytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
  }
  void Put(const std::string& bytes) { std::ofstream(file_, std::ios::binary) << bytes; }
  int FilesInDir() const {
    return static_cast<int>(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
  }

  static inline int counter_ = 0;
  fs::path dir_;
  fs::path file_;
};

TEST_F(SettingsDisk, SavedFileReadsBackAndReplacesTheOldOneWhole) {
  Put(std::string(5000, 'z'));
  ::chmod(file_.c_str(), 0640);
  const Settings settings = NonDefaultSettings();
  const SettingsSaveResult saved = WriteSettingsFile(file_, settings);
  ASSERT_TRUE(saved.ok) << saved.error;
  EXPECT_EQ(Bytes(file_), SettingsFileText(settings));
  EXPECT_EQ(FilesInDir(), 1);  // no temporary file left beside it
  struct stat st {};
  ASSERT_EQ(::stat(file_.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);

  const SettingsReadResult back = ReadSettingsFile(file_);
  EXPECT_EQ(back.end, SettingsReadEnd::Complete);
  EXPECT_TRUE(back.settings == settings);
}

TEST_F(SettingsDisk, NoFileOrAFolderInItsPlaceLeavesTheDefaults) {
  int fetches = 0;
  const ConfigurationFetch fetch = [&fetches](Settings&) { ++fetches; };
  SettingsReadResult result = ReadSettingsFile(file_, fetch);
  EXPECT_EQ(result.end, SettingsReadEnd::NoFile);
  EXPECT_TRUE(result.settings == Settings());

  fs::create_directory(file_);
  result = ReadSettingsFile(file_, fetch);
  EXPECT_NE(result.end, SettingsReadEnd::Complete);
  EXPECT_TRUE(result.settings == Settings());
  EXPECT_EQ(fetches, 0);
}

TEST_F(SettingsDisk, ConfigurationFetchRunsOnlyAfterACompleteReading) {
  const Settings settings = NonDefaultSettings();
  const std::string replacement = "http://moved.example/records";
  int fetches = 0;
  const ConfigurationFetch fetch = [&](Settings& s) {
    ++fetches;
    s.TopTenAddress = {Encipher(replacement, AddressKey(ServiceAddress::TopTen)), replacement};
  };

  Put(SettingsFileText(settings));
  SettingsReadResult result = ReadSettingsFile(file_, fetch);
  EXPECT_EQ(fetches, 1);
  EXPECT_EQ(result.settings.TopTenAddress.plain, replacement);
  EXPECT_EQ(result.settings.TopTenNick, settings.TopTenNick);

  std::vector<std::string> lines = SplitLines(SettingsFileText(settings));
  lines[27] = "1-0011";
  Put(JoinLines(lines));
  result = ReadSettingsFile(file_, fetch);
  EXPECT_EQ(result.end, SettingsReadEnd::Stopped);
  lines.pop_back();
  Put(JoinLines(lines));
  result = ReadSettingsFile(file_, fetch);
  EXPECT_EQ(result.end, SettingsReadEnd::TooFewLines);
  EXPECT_EQ(fetches, 1);
}

// Runs a save as an ordinary user when the tests run as root, who may write anywhere.
SettingsSaveResult SaveAsOrdinaryUser(const fs::path& file, const Settings& settings) {
  const bool root = ::geteuid() == 0;
  if (root && ::seteuid(65534) != 0) return {true, "could not drop root"};
  SettingsSaveResult result = WriteSettingsFile(file, settings);
  if (root && ::seteuid(0) != 0) std::abort();
  return result;
}

TEST_F(SettingsDisk, SaveIntoAReadOnlyFolderReportsAndKeepsTheOldFile) {
  const std::string old_text = SettingsFileText(Settings());
  Put(old_text);
  fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                            fs::perms::group_exec | fs::perms::others_read |
                            fs::perms::others_exec);
  const SettingsSaveResult saved = SaveAsOrdinaryUser(file_, NonDefaultSettings());
  EXPECT_FALSE(saved.ok);
  EXPECT_EQ(saved.error, "Can`t save options!");
  EXPECT_EQ(Bytes(file_), old_text);
  EXPECT_EQ(FilesInDir(), 1);
}

TEST_F(SettingsDisk, DiskFullDuringTheWriteKeepsTheOldFile) {
  const std::string old_text = SettingsFileText(Settings());
  Put(old_text);
  // A file size limit makes every write past 64 bytes fail, as a full disk would.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit old_limit{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old_limit), 0);
  rlimit small = old_limit;
  small.rlim_cur = 64;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const SettingsSaveResult saved = WriteSettingsFile(file_, NonDefaultSettings());
  ::setrlimit(RLIMIT_FSIZE, &old_limit);
  EXPECT_FALSE(saved.ok);
  EXPECT_EQ(saved.error, "Can`t save options!");
  EXPECT_EQ(Bytes(file_), old_text);
  EXPECT_EQ(FilesInDir(), 1);
}

}  // namespace
}  // namespace quorvex
