// The program's start and exit on a folder of its own: the club files decide whether the run
// goes on, and only a run that started writes its settings back.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QMessageBox>
#include <QStyle>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "locale/lang_text.h"
#include "locale/languages.h"
#include "records/club_file.h"
#include "settings/settings_file.h"
#include "sound/song_file.h"
#include "sound_recorders.h"
#include "support/offline_http.h"
#include "ui/dialogs/modal_run.h"
#include "ui/online/chat_window.h"
#include "ui/table/program_start.h"

namespace quorvex::testing {
namespace {

namespace fs = std::filesystem;

std::string FileBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Every message box of the run is answered at once and remembered.
class ProgramStartTest : public ::testing::Test {
 protected:
  ProgramStartTest()
      : root(fs::temp_directory_path() /
             ("quorvex_start_" +
              std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "_" +
              std::to_string(::getpid()))),
        dir(root / "game") {
    // The program keeps the account's and the chat's files in its folder's parent.
    fs::remove_all(root);
    fs::create_directories(dir);
    SetCurrentLanguage(0);
    SetModalHook([this](QDialog& dialog) {
      if (auto* box = qobject_cast<QMessageBox*>(&dialog))
        messages.push_back(box->text().toStdString());
      return int(QDialog::Accepted);
    });
  }
  ~ProgramStartTest() override {
    SetModalHook(nullptr);
    SetCurrentLanguage(0);
    fs::remove_all(root);
  }

  ProgramPlaces Places() { return {dir, temp.path(), nullptr, &http}; }
  fs::path SettingsFile() const { return SettingsFilePath(dir); }

  void WriteClubs(const ClubFile& local = FreshClubFile()) {
    ASSERT_TRUE(WriteClubFile(ClubFilePath(dir, false), local).ok);
    ASSERT_TRUE(WriteClubFile(ClubFilePath(dir, true), FreshClubFile()).ok);
  }

  fs::path root;
  fs::path dir;
  QTemporaryDir temp;
  RecordingClips clips;
  RecordingSong song;
  OfflineHttp http;
  std::vector<std::string> messages;
};

TEST_F(ProgramStartTest, AMissingOrDamagedClubFileStopsTheStartAndLeavesTheSettingsFileAlone) {
  enum class Club { Missing, Damaged, NetMissing };
  struct Case {
    Club club;
    bool settings_file;  // a settings file from an earlier run
    const char* message;
  } const cases[] = {
      {Club::Missing, false, "Can`t find the file"},
      {Club::Missing, true, "Can`t find the file"},
      {Club::Damaged, true, "The incorrect file"},
      {Club::NetMissing, true, "Can`t find the file"},
  };
  Settings earlier;
  earlier.Speed = 6;
  earlier.PlayerName = "Boris";
  for (const Case& c : cases) {
    fs::remove_all(dir);
    fs::create_directories(dir);
    messages.clear();
    if (c.settings_file) {
      ASSERT_TRUE(WriteSettingsFile(SettingsFile(), earlier).ok);
    }
    const std::string before = c.settings_file ? FileBytes(SettingsFile()) : std::string();
    if (c.club == Club::Damaged) {
      std::string text = ClubFileText(FreshClubFile());
      text[3] = 'x';
      std::ofstream(ClubFilePath(dir, false), std::ios::binary) << text;
      std::ofstream(ClubFilePath(dir, true), std::ios::binary) << ClubFileText(FreshClubFile());
    } else if (c.club == Club::NetMissing) {
      ASSERT_TRUE(WriteClubFile(ClubFilePath(dir, false), FreshClubFile()).ok);
    }
    {
      ProgramStart program(Places(), clips, song);
      EXPECT_EQ(program.GetSettings().Speed, c.settings_file ? 6 : 4);
      EXPECT_FALSE(program.Start());
      EXPECT_TRUE(program.Finish());  // nothing to write
    }
    ASSERT_EQ(messages.size(), 1u) << c.message;
    EXPECT_EQ(messages[0].rfind(c.message, 0), 0u) << messages[0];
    if (c.settings_file) {
      EXPECT_EQ(FileBytes(SettingsFile()), before);
    } else {
      EXPECT_FALSE(fs::exists(SettingsFile()));
    }
  }
}

TEST_F(ProgramStartTest, ANormalStartAndExitWritesTheSettings) {
  ClubFile marked = FreshClubFile();
  marked.line17.replace(0, 1, "1");  // the club asks for Russian
  WriteClubs(marked);
  {
    ProgramStart program(Places(), clips, song);
    ASSERT_TRUE(program.Start());
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(program.Window().isVisible());
    EXPECT_EQ(program.Window().CurrentScreen(), Screen::Title);
    EXPECT_EQ(program.Menu().parentWidget(), &program.Window());
    EXPECT_EQ(CurrentLanguage(), 1);
    // The start report was tried and the settings written after it; the service was not there,
    // so the installation is reported again at the next start.
    ASSERT_TRUE(fs::exists(SettingsFile()));
    EXPECT_FALSE(ReadSettingsFile(SettingsFile()).settings.InstallReported);
    // The configuration file, the start report, the playlist, then the news page and the chat
    // list (without its picture library the radio fetches no station list).
    ASSERT_EQ(http.requests.size(), 5u);
    EXPECT_FALSE(http.requests[0].post);
    EXPECT_EQ(http.requests[1].body, "gid=47&stat1=1&stat2=1");
    // Hints wake after a quarter of a second; the music's state at start is remembered.
    EXPECT_EQ(QApplication::style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 250);
    EXPECT_TRUE(program.MusicOnAtStart());
    program.GetSettings().PlayerName = "Ada";
    EXPECT_TRUE(program.Finish());
  }
  EXPECT_TRUE(messages.empty());
  const SettingsReadResult read = ReadSettingsFile(SettingsFile());
  EXPECT_EQ(read.end, SettingsReadEnd::Complete);
  EXPECT_EQ(read.settings.Language, 1);
  EXPECT_EQ(read.settings.PlayerName, "Ada");
}

TEST_F(ProgramStartTest, TheSettingsReachTheControllerAndTheSongFileOutlivesTheRun) {
  WriteClubs();
  Settings earlier;
  earlier.ShowCardsAtEnd = false;
  ASSERT_TRUE(WriteSettingsFile(SettingsFile(), earlier).ok);
  const fs::path song_file = fs::path(temp.path().toStdString()) / SongFileName();
  {
    ProgramStart program(Places(), clips, song);
    EXPECT_FALSE(program.Controller().Options().show_cards_at_end);
    ASSERT_TRUE(program.Start());
    ASSERT_TRUE(fs::exists(song_file));
    // A change made while the program runs reaches the controller too.
    program.GetSettings().ShowCardsAtEnd = true;
    program.ApplySettings();
    EXPECT_TRUE(program.Controller().Options().show_cards_at_end);
    EXPECT_TRUE(program.Finish());
  }
  // The next start finds the song where this one left it.
  EXPECT_TRUE(fs::exists(song_file));
}

TEST_F(ProgramStartTest, SettingsThatCannotBeWrittenAreToldAtEachWrite) {
  WriteClubs();
  fs::create_directories(SettingsFile());  // a folder where the file should go
  ProgramStart program(Places(), clips, song);
  ASSERT_TRUE(program.Start());
  ASSERT_EQ(messages.size(), 1u);  // after the start report
  EXPECT_FALSE(messages[0].empty());
  EXPECT_FALSE(program.Finish());
  EXPECT_EQ(messages.size(), 2u);
}

TEST_F(ProgramStartTest, ThePopupMenuOpensTheChat) {
  WriteClubs(FreshClubFile());
  ProgramStart program(Places(), clips, song);
  ASSERT_TRUE(program.Start());
  int chats = 0;
  SetModalHook([&chats](QDialog& dialog) {
    if (qobject_cast<TFormChat*>(&dialog)) ++chats;
    return int(QDialog::Accepted);
  });
  program.Window().ChatAction()->trigger();
  EXPECT_EQ(chats, 1);
  // The chat's state lies beside the program's folder, never inside it.
  EXPECT_TRUE(fs::exists(root / "ZefChatZef.ini"));
  EXPECT_TRUE(program.Finish());
}

TEST_F(ProgramStartTest, AQuietInstallationReportsNothing) {
  ClubFile quiet = FreshClubFile();
  quiet.line17.replace(1, 3, "idd");
  WriteClubs(quiet);
  ProgramStart program(Places(), clips, song);
  ASSERT_TRUE(program.Start());
  // The configuration file, the playlist, and the news and chat looked at: no report.
  ASSERT_EQ(http.requests.size(), 4u);
  for (const HttpRequest& request : http.requests)
    EXPECT_EQ(request.body.find("stat"), std::string::npos) << request.body;
  EXPECT_FALSE(fs::exists(SettingsFile()));
  EXPECT_TRUE(program.Finish());
}

}  // namespace
}  // namespace quorvex::testing
