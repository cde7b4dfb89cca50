#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "records/pbn_export.h"
#include "support/played_deals.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;

struct SolveRun {
  int code = -1;
  std::string out;
  std::string err;
};

// Runs quorvex-solve with the arguments given; standard output and error apart.
SolveRun RunSolve(const std::string& arguments) {
  const fs::path err_file =
      fs::temp_directory_path() / ("quorvex_pbn_mode_err_" + std::to_string(::getpid()));
  const std::string command =
      std::string(QUORVEX_BIN_DIR) + "/quorvex-solve " + arguments + " 2>" + err_file.string();
  SolveRun run;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe)) run.out += buffer;
    const int status = pclose(pipe);
    run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  std::ifstream in(err_file);
  std::ostringstream err;
  err << in.rdbuf();
  run.err = err.str();
  fs::remove(err_file);
  return run;
}

class PbnModeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!fs::exists(std::string(QUORVEX_BIN_DIR) + "/quorvex-solve"))
      GTEST_SKIP() << "quorvex-solve is not built";
    file_ = fs::temp_directory_path() / ("quorvex_pbn_mode_" + std::to_string(::getpid()) + ".pbn");
  }
  void TearDown() override { fs::remove(file_); }
  SolveRun Solve(const std::string& text) {
    std::ofstream(file_, std::ios::binary) << text;
    return RunSolve("--pbn " + file_.string());
  }
  fs::path file_;
};

uint8_t Card(int rank, int suit) {  // rank 1 (two) .. 13 (ace); suit 0 hearts .. 3 spades
  return static_cast<uint8_t>((rank - 1) * 4 + suit + 1);
}

// North holds the spades from the ace to the three and the club two; East the spade two and the
// clubs from the ace to the three, and plays one no trump. Leading the clubs would make twelve
// tricks; East leads the spade two instead, North takes it and runs its spades, and East keeps
// the club ace for the last trick.
DealRecord SpadeTwoBlunder() {
  DealRecord r;
  r.time = 1709208000;
  r.deal_no = 7;
  r.names = {"", "Anna", "Bob"};
  r.first_seat = 1;
  r.first_leader = 1;
  for (int i = 0; i < 52; ++i) r.deck[static_cast<size_t>(i)] = static_cast<uint8_t>(i + 1);
  for (int i = 0; i < 12; ++i) {
    r.hands[1][static_cast<size_t>(i)] = Card(13 - i, 3);
    r.hands[2][static_cast<size_t>(i)] = Card(13 - i, 2);
  }
  r.hands[1][12] = Card(1, 2);
  r.hands[2][12] = Card(1, 3);
  r.calls = {{1, 38}, {2, 5}, {1, 38}};
  r.contract = 5;
  r.declarer = 2;
  r.contract_play = {Card(1, 3), Card(2, 3)};
  for (int i = 0; i < 11; ++i) {
    r.contract_play.push_back(Card(13 - i, 3));
    r.contract_play.push_back(Card(2 + i, 2));
  }
  r.contract_play.push_back(Card(1, 2));
  r.contract_play.push_back(Card(13, 2));
  r.declarer_tricks = 1;
  r.declarer_score = -300;
  return r;
}

TEST_F(PbnModeTest, ValuesEveryCardOfTheBlunder) {
  const DealRecord record = SpadeTwoBlunder();
  ASSERT_TRUE(DealRecordConsistent(record));
  const SolveRun run = Solve(PbnText({&record, 1}, {"Quorvex", "Home"}));
  std::string expected =
      "Game 1 (board 7): 1NT by E, result 1\n"
      "   1 E S2  best 12  cost 11\n"
      "   1 N S3  best 12  cost 0\n";
  const std::string spades = "AKQJT987654";
  const std::string clubs = "3456789TJQK";
  for (int i = 0; i < 11; ++i) {
    char lines[128];
    std::snprintf(lines, sizeof lines,
                  "  %2d N S%c  best %2d  cost 0\n  %2d E C%c  best  1  cost 0\n", i + 2,
                  spades[static_cast<size_t>(i)], 11 - i, i + 2, clubs[static_cast<size_t>(i)]);
    expected += lines;
  }
  expected +=
      "  13 N C2  best  0  cost 0\n"
      "  13 E CA  best  1  cost 0\n"
      "  declarer's tricks with best play from the first card: 12\n";
  EXPECT_EQ(run.out, expected);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.code, 0);
}

// Over deals played at random: the declarer's tricks with best play from the first card, less
// what the declarer's cards cost, plus what the defender's cost, are the tricks taken; and a
// card's worth never exceeds what its side could still take.
TEST_F(PbnModeTest, CostsAddUpToTheResult) {
  std::vector<DealRecord> deals;
  for (unsigned seed = 1; seed <= 8; ++seed) {
    test::DealPlan plan;
    plan.seed = seed;
    plan.first_seat = static_cast<uint8_t>(seed % 2 + 1);
    plan.calls = seed % 3 == 0 ? std::vector<uint8_t>{18, 36, 38} : std::vector<uint8_t>{10, 38};
    deals.push_back(test::PlayedDeal(plan));
  }
  const SolveRun run = Solve(PbnText(deals, {}));
  ASSERT_EQ(run.code, 0) << run.err;
  std::istringstream lines(run.out);
  std::string line;
  size_t game = 0;
  char declarer = 0;
  int balance = 0;
  int cards = 0;
  while (std::getline(lines, line)) {
    if (line.starts_with("Game ")) {
      declarer = line[line.find(" by ") + 4];
      balance = 0;
      cards = 0;
      continue;
    }
    int trick = 0, best = 0, cost = 0;
    char seat = 0;
    char card[3] = {};
    if (std::sscanf(line.c_str(), " %d %c %2s best %d cost %d", &trick, &seat, card, &best,
                    &cost) == 5) {
      EXPECT_LE(cost, best) << line;
      EXPECT_LE(best, 14 - trick) << line;
      balance += seat == declarer ? -cost : cost;
      ++cards;
      continue;
    }
    int from_start = -1;
    ASSERT_EQ(
        std::sscanf(line.c_str(), "  declarer's tricks with best play from the first card: %d",
                    &from_start),
        1)
        << line;
    ASSERT_LT(game, deals.size());
    EXPECT_EQ(cards, 26);
    EXPECT_EQ(from_start + balance, deals[game].declarer_tricks) << "game " << game + 1;
    ++game;
  }
  EXPECT_EQ(game, deals.size());
}

TEST_F(PbnModeTest, ReportsWhatItCannotReadOrAnalyse) {
  SolveRun run = RunSolve("--pbn " + (fs::temp_directory_path() / "quorvex_no_such.pbn").string());
  EXPECT_EQ(run.code, 1);
  EXPECT_NE(run.err.find("cannot read '"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("no such file"), std::string::npos) << run.err;

  run = RunSolve("--pbn " + fs::temp_directory_path().string());
  EXPECT_EQ(run.code, 1);
  EXPECT_NE(run.err.find("not a file"), std::string::npos) << run.err;

  run = Solve("% PBN 2.1\r\n; nothing else\r\n");
  EXPECT_EQ(run.code, 1);
  EXPECT_NE(run.err.find("no PBN games"), std::string::npos) << run.err;

  run = RunSolve("--pbn");
  EXPECT_EQ(run.code, 2);
  EXPECT_NE(run.err.find("--pbn needs a file"), std::string::npos) << run.err;

  // A passed-out deal, a revoke and a sound deal: the first two are reported, the third analysed.
  test::DealPlan passed;
  passed.calls = {38, 38};
  DealRecord revoke = SpadeTwoBlunder();
  revoke.contract_play.resize(2);
  std::string text = PbnText(std::vector<DealRecord>{test::PlayedDeal(passed), revoke}, {});
  const size_t at = text.find("S2 - - S3");
  ASSERT_NE(at, std::string::npos);
  text.replace(at, 9, "S2 - - C2");  // North throws a club while it holds spades
  const DealRecord sound = SpadeTwoBlunder();
  text += "\r\n" + PbnGameText(sound, {});
  run = Solve(text);
  EXPECT_EQ(run.code, 1);
  EXPECT_NE(run.err.find("Game 1 (board 2): passed out"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("Game 2 (board 7): trick 1: C2 does not follow suit"), std::string::npos)
      << run.err;
  EXPECT_TRUE(run.out.starts_with("Game 3 (board 7): 1NT by E, result 1\n")) << run.out;

  EXPECT_NE(RunSolve("--help").out.find("--pbn FILE"), std::string::npos);
}

}  // namespace
}  // namespace quorvex
