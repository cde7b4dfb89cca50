#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "opponent/contract_score.h"
#include "support/played_deals.h"
#include "records/pbn_export.h"

namespace quorvex {
namespace {

uint8_t Card(int rank, int suit) {  // rank 1 (two) .. 13 (ace); suit 0 hearts .. 3 spades
  return static_cast<uint8_t>((rank - 1) * 4 + suit + 1);
}

// North holds every spade and East every heart. North opens, East jumps to four hearts, North
// doubles; East leads its hearts from the ace down and North throws its spades from the two up.
DealRecord SpadesAgainstHearts() {
  DealRecord r;
  r.time = 1709208000;  // 2024-02-29 12:00 UTC
  r.deal_no = 7;
  r.names = {"", "Anna \"Ace\" \\ B", "Сергей"};
  r.first_seat = 1;
  r.first_leader = 1;
  r.vulnerability = 2;
  for (int i = 0; i < 52; ++i) r.deck[static_cast<size_t>(i)] = static_cast<uint8_t>(i + 1);
  for (int i = 0; i < 13; ++i) {
    r.hands[1][static_cast<size_t>(i)] = Card(i + 1, 3);
    r.hands[2][static_cast<size_t>(i)] = Card(i + 1, 0);
  }
  r.calls = {{1, 4}, {2, 18}, {1, 36}, {2, 38}};
  r.contract = 18;
  r.doubling = 1;
  r.declarer = 2;
  for (int i = 0; i < 13; ++i) {
    r.contract_play.push_back(Card(13 - i, 0));
    r.contract_play.push_back(Card(i + 1, 3));
  }
  r.declarer_tricks = 13;
  r.declarer_score = ContractScore(10, 13, 1, kHearts, 2, 2);
  DealAnalysis analysis;
  analysis.forecast[1] = {0, 1, 2, 3, 13, 0};
  analysis.forecast[2] = {0, 0, 0, 13, 0, 13};
  r.analysis = analysis;
  return r;
}

TEST(PbnExportTest, WritesAGameInExportFormat) {
  const DealRecord record = SpadesAgainstHearts();
  ASSERT_TRUE(DealRecordConsistent(record));
  std::string expected =
      "% PBN 2.1\r\n"
      "% EXPORT\r\n"
      "\r\n"
      "[Event \"Quorvex\"]\r\n"
      "[Site \"Home\"]\r\n"
      "[Date \"2024.02.29\"]\r\n"
      "[Board \"7\"]\r\n"
      "[West \"\"]\r\n"
      "[North \"Anna \\\"Ace\\\" \\\\ B\"]\r\n"
      "[East \"Sergey\"]\r\n"
      "[South \"\"]\r\n"
      "[Dealer \"N\"]\r\n"
      "[Vulnerable \"EW\"]\r\n"
      "[Deal \"N:AKQJT98765432... .AKQJT98765432.. - -\"]\r\n"
      "[Scoring \"?\"]\r\n"
      "[Declarer \"E\"]\r\n"
      "[Contract \"4HX\"]\r\n"
      "[Result \"13\"]\r\n"
      "[Auction \"N\"]\r\n"
      "1S 4H Pass Pass\r\n"
      "X Pass Pass Pass\r\n"
      "[Play \"E\"]\r\n";
  const std::string ranks = "AKQJT98765432";
  for (int i = 0; i < 13; ++i)
    expected += std::string("H") + ranks[static_cast<size_t>(i)] + " - - S" +
                ranks[static_cast<size_t>(12 - i)] + "\r\n";
  expected +=
      "[Score \"EW 1590\"]\r\n"
      "[OptimumResultTable \"Declarer;Denomination\\2R;Result\\2R\"]\r\n"
      "N NT  0\r\nN  S 13\r\nN  H  3\r\nN  D  2\r\nN  C  1\r\n"
      "E NT 13\r\nE  S  0\r\nE  H 13\r\nE  D  0\r\nE  C  0\r\n";
  EXPECT_EQ(PbnText({&record, 1}, {"Quorvex", "Home"}), expected);
}

// The auction section for the game's call sequences: South and West pass in their turns, and
// the passes after the game's last call complete the auction as bridge ends one.
TEST(PbnExportTest, AuctionSectionPassesForTheEmptySeats) {
  struct Case {
    uint8_t first_seat;
    std::vector<uint8_t> calls;
    const char* section;
  };
  const Case cases[] = {
      {1, {38, 38}, "[Auction \"N\"]\r\nPass Pass Pass Pass\r\n"},
      {2, {38, 38}, "[Auction \"E\"]\r\nPass Pass Pass Pass\r\n"},
      // East opens, North passes: three passes after the bid.
      {2, {1, 38}, "[Auction \"E\"]\r\n1C Pass Pass Pass\r\n"},
      {1, {38, 3, 38}, "[Auction \"N\"]\r\nPass 1H Pass Pass\r\nPass\r\n"},
      {1, {5, 36, 37, 38}, "[Auction \"N\"]\r\n1NT X Pass Pass\r\nXX Pass Pass Pass\r\n"},
      {2, {9, 36, 38}, "[Auction \"E\"]\r\n2S Pass Pass X\r\nPass Pass Pass\r\n"},
      {2, {35, 38}, "[Auction \"E\"]\r\n7NT Pass Pass Pass\r\n"},
      // Calls past the first that breaks the game's rules are left out.
      {1, {4, 2, 38}, "[Auction \"N\"]\r\n1S *\r\n"},
      {1, {4, 38, 9, 38}, "[Auction \"N\"]\r\n1S Pass Pass Pass\r\n"},
      {1, {4, 37}, "[Auction \"N\"]\r\n1S *\r\n"},
      {1, {4}, "[Auction \"N\"]\r\n1S *\r\n"},
  };
  for (const Case& c : cases) {
    test::DealPlan plan;
    plan.first_seat = c.first_seat;
    plan.calls = c.calls;
    const DealRecord record = test::PlayedDeal(plan);
    ASSERT_TRUE(DealRecordConsistent(record));
    const std::string text = PbnGameText(record, {});
    const size_t from = text.find("[Auction");
    const size_t to = text.find('[', from + 1);
    ASSERT_NE(from, std::string::npos);
    EXPECT_EQ(text.substr(from, to - from), c.section) << text;
  }
}

TEST(PbnExportTest, PassedOutDealHasNoPlayAndNoDeclarer) {
  test::DealPlan plan;
  plan.calls = {38, 38};
  const std::string text = PbnGameText(test::PlayedDeal(plan), {});
  EXPECT_NE(text.find("[Declarer \"\"]\r\n[Contract \"Pass\"]\r\n[Result \"\"]\r\n"),
            std::string::npos);
  EXPECT_EQ(text.find("[Play"), std::string::npos);
  EXPECT_EQ(text.find("[Score"), std::string::npos);
}

// A play that stops short, or breaks a rule, is written as far as it holds and marked unfinished.
TEST(PbnExportTest, UnfinishedOrFaultyPlayEndsWithAStar) {
  DealRecord record = SpadesAgainstHearts();
  record.contract_play.resize(5);  // two tricks, then East's lead
  std::string text = PbnGameText(record, {});
  EXPECT_NE(text.find("[Play \"E\"]\r\nHA - - S2\r\nHK - - S3\r\nHQ - - -\r\n*\r\n[Score"),
            std::string::npos)
      << text;

  record = SpadesAgainstHearts();
  std::swap(record.contract_play[2], record.contract_play[3]);  // North leads out of turn
  text = PbnGameText(record, {});
  EXPECT_NE(text.find("[Play \"E\"]\r\nHA - - S2\r\n*\r\n[Score"), std::string::npos) << text;
}

TEST(PbnExportTest, InconsistentRecordsAreLeftOut) {
  DealRecord bad = SpadesAgainstHearts();
  bad.deck[0] = bad.deck[1];
  const DealRecord records[] = {bad, SpadesAgainstHearts()};
  const std::string text = PbnText(records, {});
  EXPECT_EQ(PbnGameText(bad, {}), "");
  size_t games = 0;
  for (size_t at = text.find("[Event"); at != std::string::npos; at = text.find("[Event", at + 1))
    ++games;
  EXPECT_EQ(games, 1u);
}

TEST(PbnExportTest, TagValues) {
  struct Case {
    int64_t time;
    int32_t deal_no;
    std::string north;
    uint8_t vulnerability;
    const char* date;
    const char* board;
    const char* north_tag;
    const char* vulnerable;
  };
  const Case cases[] = {
      {0, 1, "Ann", 0, "1970.01.01", "1", "Ann", "None"},
      {-86400, 20, "", 1, "1969.12.31", "20", "?", "NS"},
      {951782400, 0, "#", 3, "2000.02.29", "?", "?", "All"},
      {4102444799, 3, "##x", 2, "2099.12.31", "3", "?#x", "EW"},
      {253402300800, 3, "Йожик Ёлка", 0, "????.??.??", "3", "Yozhik Yolka", "None"},
      {-62135596801, 3, "Line\r\nbreak\tй", 0, "????.??.??", "3", "Line  break y", "None"},
      // Latin-1 holds the accents, not the dash; a byte that is not UTF-8 is a "?" too.
      {1709208000, 3, "José — Ann\xFF", 0, "2024.02.29", "3", "Jos\xE9 ? Ann?", "None"},
  };
  for (const Case& c : cases) {
    DealRecord record = SpadesAgainstHearts();
    record.time = c.time;
    record.deal_no = c.deal_no;
    record.names[1] = c.north;
    record.vulnerability = c.vulnerability;
    const std::string text = PbnGameText(record, {});
    EXPECT_NE(text.find(std::string("[Date \"") + c.date + "\"]"), std::string::npos) << text;
    EXPECT_NE(text.find(std::string("[Board \"") + c.board + "\"]"), std::string::npos) << text;
    EXPECT_NE(text.find(std::string("[Vulnerable \"") + c.vulnerable + "\"]"), std::string::npos);
    if (*c.north_tag != '\0') {
      EXPECT_NE(text.find(std::string("[North \"") + c.north_tag + "\"]"), std::string::npos)
          << text;
    }
  }
}

TEST(PbnExportTest, LinesStayShortWhateverTheNames) {
  DealRecord record = SpadesAgainstHearts();
  for (int i = 0; i < 20; ++i) record.names[1] += "щ";
  record.names[2] = std::string(20, '"');
  const std::string text = PbnText({&record, 1}, {std::string(500, 'E'), std::string(300, '\\')});
  size_t start = 0;
  for (size_t end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
    EXPECT_LE(end - start, 255u) << text.substr(start, 80);
    EXPECT_EQ(text.substr(start, end - start).find('\n'), std::string::npos);
    start = end + 2;
  }
  EXPECT_EQ(start, text.size());  // every line, the last included, ends with CR LF
}

}  // namespace
}  // namespace quorvex
