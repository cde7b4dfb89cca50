// The club file: its lines, checksum, reading, refusing damaged files and writing.
#include <gtest/gtest.h>

#include <random>

#include "locale/lang_text.h"
#include "records/club_file.h"
#include "records/fixed_fields.h"
#include "records_fixture.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;

// "Иван" in Windows-1251: names and passwords are single bytes of the code page.
const std::string kIvan = "\xC8\xE2\xE0\xED";

ClubFile SampleClub() {
  ClubFile club = FreshClubFile();
  club.profile_lines[0] = ProfileLine({kIvan, 1.3125, 1234567, -99999,
                                       "\xF4"
                                       "a b"});
  club.profile_lines[1] = ProfileLine({"Mr.X", -0.5, 20, 0, ""});
  club.top_ten_lines[0] = TopTenLine({"Anna", 4120});
  club.top_ten_lines[1] = TopTenLine({kIvan, -35});
  club.line16 = "carried over as it was read!";
  club.line17 = "1-marker--";
  return club;
}

TEST(ClubLines, ProfileLineColumns) {
  const std::string line = ProfileLine({"Mr.X", 1.3125, 16, 120, "ab"});
  EXPECT_EQ(line,
            "Mr.X                  1,312500     16    120"
            "331332266266266");
  EXPECT_EQ(line.size(), kProfileLineLength);
  EXPECT_EQ(kEmptyProfileLine.size(), kProfileLineLength);
  EXPECT_EQ(kEmptyProfileLine[37], ' ');

  const ClubProfile back = ParseProfileLine(line).value();
  EXPECT_EQ(back.name, "Mr.X                ");
  EXPECT_DOUBLE_EQ(back.rating, 1.3125);
  EXPECT_EQ(back.deals, 16);
  EXPECT_EQ(back.score, 120);
  EXPECT_EQ(back.password, "ab   ");
  EXPECT_FALSE(ParseProfileLine(kEmptyProfileLine));
}

TEST(ClubLines, ValuesOutOfTheirColumnsNeverMoveTheFieldsAfterThem) {
  const std::string line =
      ProfileLine({std::string(30, 'N') + "\r\n", -150, 123456789, -2000000, "pass\nword"});
  ASSERT_EQ(line.size(), kProfileLineLength);
  const ClubProfile back = ParseProfileLine(line).value();
  EXPECT_EQ(back.name, std::string(20, 'N'));
  EXPECT_DOUBLE_EQ(back.rating, -99.99);
  EXPECT_EQ(back.deals, 9999999);
  EXPECT_EQ(back.score, -99999);
  EXPECT_EQ(back.password, "pass ");
  EXPECT_EQ(TopTenLine({"Anna", 12345678}), "Anna                999999");
}

TEST(ClubLines, EveryPasswordByteRoundTripsThroughItsStoredForm) {
  for (int code = 0x20; code <= 0xFF; ++code) {
    const std::string password = {static_cast<char>(code), 'x', static_cast<char>(code)};
    const std::string stored = StoredPassword(password);
    ASSERT_EQ(stored.size(), 15u);
    EXPECT_EQ(stored.substr(0, 3), std::to_string(code + 234));
    EXPECT_EQ(stored.substr(9), "266266");  // the padding blanks
    EXPECT_EQ(PasswordFromStored(stored), password + "  ") << code;
  }
  for (const char* bad : {"233266266266266", "490266266266266", "26626626626626", "26a266266266266",
                          "-66266266266266"})
    EXPECT_FALSE(PasswordFromStored(bad)) << bad;
}

TEST(ClubFileText, FreshFileHasSeventeenLinesAndAChecksumOfItsOwnBytes) {
  const std::string text = ClubFileText(FreshClubFile());
  const std::vector<std::string> lines = SplitFileLines(text);
  ASSERT_EQ(lines.size(), 17u);
  EXPECT_EQ(JoinFileLines(lines), text);  // CR LF after every line
  for (int i = 0; i < 5; ++i) EXPECT_EQ(lines[i], kEmptyProfileLine);
  // 583 bytes: 578 "#" (35) and the five blanks (32) of the profiles at positions 38, 97, 156,
  // 215 and 274, three of them at even positions and one (156) at a multiple of three.
  EXPECT_EQ(lines[16],
            "##########"
            "020390"
            "010176"
            "006787");

  const ClubFileRead read = ParseClubText(text);
  EXPECT_EQ(read.status, ClubFileStatus::Ok);
  EXPECT_FALSE(read.club.RussianMark());
  for (int slot = 1; slot <= 5; ++slot) EXPECT_FALSE(read.club.Profile(slot));
  for (int place = 1; place <= 10; ++place) EXPECT_TRUE(read.club.TopTen(place).Empty());
}

TEST(ClubFileText, ReadsBackIdenticallyWithLines16And17CarriedOver) {
  const std::string text = ClubFileText(SampleClub());
  const ClubFileRead read = ParseClubText(text);
  ASSERT_EQ(read.status, ClubFileStatus::Ok);
  EXPECT_EQ(ClubFileText(read.club), text);
  EXPECT_EQ(read.club.line16, "carried over as it was read!");
  EXPECT_EQ(read.club.line17.substr(0, 10), "1-marker--");
  EXPECT_TRUE(read.club.RussianMark());
  EXPECT_EQ(read.club.Profile(1).value().name, kIvan + std::string(16, ' '));
  EXPECT_EQ(read.club.Profile(1).value().password,
            "\xF4"
            "a b ");
  EXPECT_EQ(read.club.TopTen(2), (TopTenEntry{kIvan + std::string(16, ' '), -35}));
  EXPECT_FALSE(read.club.Profile(0));
  EXPECT_FALSE(read.club.Profile(6));
  EXPECT_TRUE(read.club.TopTen(11).Empty());
}

TEST(ClubFileText, AnyChangedByteOfLines1To16IsRefused) {
  const std::string text = ClubFileText(SampleClub());
  // Lines 1..16 are the bytes before line 17; every one of them is guarded.
  const size_t guarded = text.rfind("\r\n", text.size() - 3) + 2;
  std::mt19937 random(47);
  int checked = 0;
  for (size_t i = 0; i < guarded; ++i) {
    if (text[i] == '\r' || text[i] == '\n') continue;
    std::string damaged = text;
    do {
      damaged[i] = static_cast<char>(random());
    } while (damaged[i] == text[i] || damaged[i] == '\r' || damaged[i] == '\n');
    EXPECT_NE(ParseClubText(damaged).status, ClubFileStatus::Ok) << "byte " << i;
    ++checked;
  }
  EXPECT_EQ(checked, 583);
  std::string checksum_changed = text;
  checksum_changed[text.size() - 3] ^= 1;
  EXPECT_EQ(ParseClubText(checksum_changed).status, ClubFileStatus::BadChecksum);
}

TEST(ClubFileText, DamagedInputsAreRefusedWithoutHarm) {
  const std::string good = ClubFileText(SampleClub());
  std::vector<std::string> lines = SplitFileLines(good);
  // A line out of layout under a checksum made to fit it, so that only the layout is wrong.
  auto with_line = [&](int n, std::string line) {
    std::vector<std::string> changed = lines;
    changed[n - 1] = std::move(line);
    return ClubFileText(ParseClubText(JoinFileLines(changed)).club);
  };
  std::string binary(700, '\0');
  std::mt19937 random(5);
  for (char& c : binary) c = static_cast<char>(random());
  const struct {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"empty", ""},
      {"cut in the middle", good.substr(0, good.size() / 2)},
      {"sixteen lines", JoinFileLines({lines.begin(), lines.end() - 1})},
      {"eighteen lines", good + "\r\n"},
      {"line 17 short", good.substr(0, good.size() - 6) + "\r\n"},
      {"checksum not digits", good.substr(0, good.size() - 5) + "12a\r\n"},
      {"binary", binary},
      {"one huge line", std::string(10'000'000, '#')},
      {"profile one character short", with_line(2, lines[1].substr(1))},
      {"profile with letters for deals",
       with_line(1, lines[0].substr(0, 30) + "   abcd" + lines[0].substr(37))},
      {"profile password not digits", with_line(2, lines[1].substr(0, 44) + "abcdefghijklmno")},
      {"top ten score not a number", with_line(6, "Anna                 12x45")},
      {"top ten line too long", with_line(6, lines[5] + " ")},
  };
  for (const auto& c : cases) {
    const ClubFileRead read = ParseClubText(c.bytes);
    EXPECT_NE(read.status, ClubFileStatus::Ok) << c.name;
    EXPECT_EQ(ClubFileMessage(read.status, "/g/Quorva.clb"),
              "The incorrect file \"/g/Quorva.clb\"!")
        << c.name;
  }
}

class ClubFileDisk : public RecordsFolder {};

TEST_F(ClubFileDisk, MissingOrUnusableFilesGiveTheirMessages) {
  SetCurrentLanguage(0);
  const fs::path file = ClubFilePath(dir_, false);
  EXPECT_EQ(file.filename(), "Quorva.clb");
  EXPECT_EQ(ClubFilePath(dir_, true).filename(), "Quorva.net");

  ClubFileRead read = ReadClubFile(file);
  EXPECT_EQ(read.status, ClubFileStatus::Missing);
  EXPECT_EQ(ClubFileMessage(read.status, file), "Can`t find the file \"" + file.string() + "\"!");
  SetCurrentLanguage(1);
  EXPECT_EQ(ClubFileMessage(read.status, "Quorva.clb"), "Не могу найти файл \"Quorva.clb\"!");
  SetCurrentLanguage(0);

  fs::create_directory(file);
  read = ReadClubFile(file);
  EXPECT_EQ(read.status, ClubFileStatus::Unreadable);
  EXPECT_EQ(ClubFileMessage(read.status, "x"), "The incorrect file \"x\"!");
  EXPECT_EQ(ClubFileMessage(ClubFileStatus::Ok, "x"), "");
}

TEST_F(ClubFileDisk, WrittenFileReadsBackIdentically) {
  const fs::path file = ClubFilePath(dir_, true);
  ASSERT_TRUE(WriteClubFile(file, SampleClub()).ok);
  const ClubFileRead read = ReadClubFile(file);
  ASSERT_EQ(read.status, ClubFileStatus::Ok);
  EXPECT_EQ(Bytes(file), ClubFileText(SampleClub()));
  ASSERT_TRUE(WriteClubFile(file, read.club).ok);
  EXPECT_EQ(Bytes(file), ClubFileText(SampleClub()));
  EXPECT_EQ(FilesIn(dir_), 1);
}

TEST_F(ClubFileDisk, CrashOrFullDiskDuringTheWriteKeepsTheOldFile) {
  const fs::path file = ClubFilePath(dir_, false);
  const std::string old_text = ClubFileText(FreshClubFile());
  Put(file, old_text);
  EXPECT_TRUE(CrashDuringWrite([&] { WriteClubFile(file, SampleClub()); }, 300));
  EXPECT_EQ(Bytes(file), old_text);
  EXPECT_EQ(ReadClubFile(file).status, ClubFileStatus::Ok);

  // The same limit without the kill: the write fails, says so and leaves nothing behind.
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit old_limit{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old_limit), 0);
  rlimit small = old_limit;
  small.rlim_cur = 300;
  for (const fs::path& leftover : fs::directory_iterator(dir_))
    if (leftover != file) fs::remove(leftover);
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const RecordsWrite write = WriteClubFile(file, SampleClub());
  ::setrlimit(RLIMIT_FSIZE, &old_limit);
  EXPECT_FALSE(write.ok);
  EXPECT_EQ(write.error, "Error of disk writing!");
  EXPECT_EQ(Bytes(file), old_text);
  EXPECT_EQ(FilesIn(dir_), 1);
}

}  // namespace
}  // namespace quorvex
