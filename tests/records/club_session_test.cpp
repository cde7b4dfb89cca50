// The club file at the end of a session: the top ten's tie rules, the profile's new line, and the
// one write that carries both.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "records/club_session.h"
#include "records/fixed_fields.h"
#include "records_fixture.h"

namespace quorvex {
namespace {

ClubFile ClubWithTopTen(const std::vector<int32_t>& scores) {
  ClubFile club = FreshClubFile();
  for (size_t i = 0; i < scores.size(); ++i)
    club.top_ten_lines[i] = TopTenLine({"T" + std::to_string(scores[i]), scores[i]});
  return club;
}

std::vector<std::optional<int32_t>> TopTenScores(const ClubFile& club) {
  std::vector<std::optional<int32_t>> scores;
  for (int place = 1; place <= kTopTenPlaces; ++place) scores.push_back(club.TopTen(place).score);
  return scores;
}

ClubSessionEntry Member(std::string name, int slot, double rating, int32_t deal_no, int32_t score) {
  return {std::move(name), "pw", slot, rating, deal_no, score, std::string()};
}

TEST(ClubSession, CycleScoreEntersTheTopTenAboveTheFirstEntryItEqualsOrBeats) {
  const std::vector<int32_t> full = {1000, 900, 800, 700, 600, 500, 400, 300, 200, 100};
  using Scores = std::vector<std::optional<int32_t>>;
  const std::optional<int32_t> none;
  const struct {
    const char* name;
    std::vector<int32_t> top_ten;
    int32_t deal_no;
    int32_t score;
    int place;
    Scores after;
  } cases[] = {
      {"equal to the tenth: tenth place, old tenth out",
       full,
       40,
       100,
       10,
       {1000, 900, 800, 700, 600, 500, 400, 300, 200, 100}},
      {"equal to the fourth: above it",
       full,
       40,
       700,
       4,
       {1000, 900, 800, 700, 700, 600, 500, 400, 300, 200}},
      {"below all ten: unchanged, no place",
       full,
       40,
       99,
       0,
       {1000, 900, 800, 700, 600, 500, 400, 300, 200, 100}},
      {"best of all", full, 60, 1500, 1, {1500, 1000, 900, 800, 700, 600, 500, 400, 300, 200}},
      {"a free place takes any score",
       {50, 20, 10},
       20,
       -75,
       4,
       {50, 20, 10, -75, none, none, none, none, none, none}},
      {"empty top ten", {}, 20, 0, 1, {0, none, none, none, none, none, none, none, none, none}},
      {"no complete cycle: top ten untouched",
       full,
       37,
       5000,
       0,
       {1000, 900, 800, 700, 600, 500, 400, 300, 200, 100}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const ClubSessionOutcome out =
        EndClubSession(ClubWithTopTen(c.top_ten), Member("Mr.X", 0, 0.5, c.deal_no, c.score));
    EXPECT_EQ(out.place, c.place);
    EXPECT_EQ(TopTenScores(out.club), c.after);
    if (c.place > 0) {
      EXPECT_EQ(out.club.TopTen(c.place).name, ClubName("Mr.X"));
    }
    // After a completed cycle the profile's score starts again from 0.
    const std::string& line = out.club.profile_lines[out.profile_slot - 1];
    EXPECT_EQ(line.substr(38, 6), out.cycle_complete ? "     0" : NumberField(c.score, 6));
    EXPECT_EQ(out.cycle_score, out.cycle_complete ? c.score : 0);
    EXPECT_EQ(ParseClubText(ClubFileText(out.club)).status, ClubFileStatus::Ok);
  }
}

TEST(ClubSession, ProfileGoesBackAboveTheFirstItEqualsOrBeats) {
  using Ratings = std::vector<std::optional<double>>;
  const std::optional<double> empty;
  const struct {
    const char* name;
    Ratings before;  // P1..P5 in lines 1..5, nullopt an empty line
    ClubSessionEntry entry;
    int slot;
    std::vector<std::string> after;  // names of lines 1..5, "" for an empty line
  } cases[] = {
      {"same rating as the one above: placed above it",
       {2.0, 1.5, 1.0, empty, empty},
       Member("P3", 3, 1.5, 7, 0),
       2,
       {"P1", "P3", "P2", "", ""}},
      {"falls below the others: first empty line",
       {2.0, 1.5, 1.0, empty, empty},
       Member("P1", 1, -0.25, 7, 0),
       3,
       {"P2", "P3", "P1", "", ""}},
      {"stays in its own place",
       {2.0, 1.5, 1.0, 0.5, -1.0},
       Member("P3", 3, 1.2, 7, 0),
       3,
       {"P1", "P2", "P3", "P4", "P5"}},
      {"climbs to the top",
       {2.0, 1.5, 1.0, 0.5, -1.0},
       Member("P5", 5, 3.0, 7, 0),
       1,
       {"P5", "P1", "P2", "P3", "P4"}},
      {"slot moved since: found by name and password",
       {2.0, 1.5, 1.0, 0.5, -1.0},
       Member("P4", 1, -2.0, 7, 0),
       5,
       {"P1", "P2", "P3", "P5", "P4"}},
      {"new member in a full club pushes the lowest out",
       {2.0, 1.5, 1.0, 0.5, -1.0},
       Member("New", 0, 0.75, 7, 0),
       4,
       {"P1", "P2", "P3", "New", "P4"}},
      {"new member below a full club finds no line",
       {2.0, 1.5, 1.0, 0.5, -1.0},
       Member("New", 0, -5.0, 7, 0),
       0,
       {"P1", "P2", "P3", "P4", "P5"}},
      {"new member never replaces a namesake",
       {2.0, empty, empty, empty, empty},
       Member("P1", 0, 1.0, 7, 0),
       2,
       {"P1", "P1", "", "", ""}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ClubFile club = FreshClubFile();
    for (size_t i = 0; i < c.before.size(); ++i)
      if (c.before[i])
        club.profile_lines[i] =
            ProfileLine({"P" + std::to_string(i + 1), *c.before[i], 5, 10, "pw"});
    const ClubSessionOutcome out = EndClubSession(club, c.entry);
    EXPECT_EQ(out.profile_slot, c.slot);
    std::vector<std::string> names;
    for (int slot = 1; slot <= kClubProfiles; ++slot) {
      const std::optional<ClubProfile> p = out.club.Profile(slot);
      names.push_back(p ? TrimmedClubName(p->name) : "");
      if (!p) {
        EXPECT_EQ(out.club.profile_lines[slot - 1], kEmptyProfileLine);
      }
    }
    EXPECT_EQ(names, c.after);
    if (c.slot > 0) {
      const ClubProfile p = out.club.Profile(c.slot).value();
      EXPECT_DOUBLE_EQ(p.rating, c.entry.rating);
      EXPECT_EQ(p.deals, 7);
      EXPECT_EQ(p.password, "pw   ");
    }
  }
}

TEST(ClubSession, NamesakesWithOnePasswordEachKeepTheirOwnLine) {
  ClubFile club = FreshClubFile();
  club.profile_lines[0] = ProfileLine({"Sam", 2.0, 40, 0, "pw"});
  club.profile_lines[1] = ProfileLine({"Sam", 1.0, 60, 0, "pw"});
  const ClubSessionOutcome out = EndClubSession(club, Member("Sam", 2, 0.5, 61, 10));
  EXPECT_EQ(out.club.profile_lines[0], club.profile_lines[0]);
  EXPECT_EQ(out.club.Profile(2).value().deals, 61);
  EXPECT_FALSE(out.club.Profile(3));
}

TEST(ClubSession, LinesNoStepTouchesStayByteForByte) {
  ClubFile club = ClubWithTopTen({300, 200});
  // A rating in a form this program does not write, still one it reads.
  club.profile_lines[0] =
      ClubName("Old player") + "       1,5" + "  12345" + " " + "    -7" + StoredPassword("old");
  club.profile_lines[1] = ProfileLine({"Mr.X", 1.0, 19, 40, "pw"});
  club.line16 = "whatever line sixteen holds";
  club.line17 = "1idd------000000000000000000";
  const ClubSessionOutcome out = EndClubSession(club, Member("Mr.X", 2, 0.5, 20, 250));
  EXPECT_EQ(out.club.profile_lines[0], club.profile_lines[0]);
  EXPECT_EQ(out.club.line16, club.line16);
  EXPECT_EQ(out.club.line17.substr(0, 10), "1idd------");
  EXPECT_EQ(out.place, 2);
  EXPECT_EQ(out.club.top_ten_lines[0], club.top_ten_lines[0]);
  EXPECT_EQ(out.club.top_ten_lines[1], "Mr.X                   250");
  EXPECT_EQ(out.club.top_ten_lines[2], club.top_ten_lines[1]);
}

class ClubSessionDisk : public RecordsFolder {};

TEST_F(ClubSessionDisk, OneWriteAndTheMemoryCopyFollowsEvenWhenTheWriteFails) {
  ClubFile club = FreshClubFile();
  const std::filesystem::path file = ClubFilePath(dir_, false);
  ClubSessionSave save = SaveClubSession(file, club, Member("Mr.X", 0, 0.5, 20, 120));
  ASSERT_TRUE(save.write.ok);
  EXPECT_EQ(save.outcome.place, 1);
  EXPECT_EQ(club, save.outcome.club);
  const ClubFileRead read = ReadClubFile(file);
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(read.club, club);
  EXPECT_EQ(FilesIn(dir_), 1);

  // No folder to write in: the message, and the game goes on with the values in memory.
  const std::filesystem::path nowhere = dir_ / "gone" / "Quorva.clb";
  save = SaveClubSession(nowhere, club, Member("Mr.X", 1, 0.75, 25, 40));
  EXPECT_FALSE(save.write.ok);
  EXPECT_EQ(save.write.error, "Error of disk writing!");
  EXPECT_EQ(club.Profile(1).value().deals, 25);
  EXPECT_EQ(club.Profile(1).value().score, 40);
  EXPECT_EQ(Bytes(file), ClubFileText(read.club));
}

}  // namespace
}  // namespace quorvex
