// The analyser's text form of a search position, and the analyser program itself.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "opponent/search_text.h"

namespace quorvex::testing {
namespace {

TEST(SearchText, ReadsEveryField) {
  SearchPosition p;
  std::string error;
  ASSERT_TRUE(ParseSearchPosition(SplitWords("d 2 1 0 Th,--,2s Kd Jc"), p, error)) << error;
  EXPECT_EQ(p.trump, kDiamonds);
  EXPECT_EQ(p.role, 2);
  EXPECT_TRUE(p.use_pruning);
  EXPECT_FALSE(p.use_cache);
  EXPECT_EQ(CardText(p.mover.card[1]), "Th");
  EXPECT_EQ(p.mover.rank[1], 9);
  EXPECT_TRUE(p.mover.card[2].Empty());
  EXPECT_EQ(p.mover.rank[2], kEmptyRank);
  EXPECT_EQ(CardText(p.mover.card[3]), "2s");
  EXPECT_TRUE(p.mover.card[4].Empty());
  EXPECT_EQ(p.other.CardsLeft(), 1);
  EXPECT_EQ(p.trick_position, 2);
  EXPECT_EQ(CardText(p.trick[1]), "Jc");
  EXPECT_EQ(p.trick_rank[1], 10);

  ASSERT_TRUE(ParseSearchPosition(SplitWords("n 1 0 1 Ah - Kh"), p, error)) << error;
  EXPECT_EQ(p.trump, kNoSuit);
  EXPECT_EQ(p.other.CardsLeft(), 0);
}

TEST(SearchText, RejectsWhatCannotBeSearched) {
  const struct {
    const char* line;
    const char* reason;
  } kBad[] = {
      {"n 1 1 1 Ah 2h", "expected 7 words"},
      {"x 1 1 1 Ah 2h -", "trump"},
      {"n 3 1 1 Ah 2h -", "role"},
      {"n 1 2 1 Ah 2h -", "prune"},
      {"n 1 1 x Ah 2h -", "cache"},
      {"n 1 1 1 Ah,Xh 2h,3h -", "'Xh' is not a card"},
      {"n 1 1 1 Ah,,Kh 2h,3h,4h -", "'' is not a card"},
      {"n 1 1 1 2c,3c,4c,5c,6c,7c,8c,9c,Tc,Jc,Qc,Kc,Ac,-- - -", "more than 13 slots"},
      {"n 1 1 1 Ah,Ah 2h,3h -", "Ah appears twice"},
      {"n 1 1 1 Ah,3h Ah,2h -", "Ah appears twice"},
      {"n 1 1 1 Ah,3h 2h Ah", "Ah appears twice"},
      {"n 1 1 1 Ah 2h --", "the trick must be"},
      {"n 1 1 1 - - -", "the mover holds no card"},
      {"n 1 1 1 Ah,3h 2h -", "the same number of cards"},
      {"n 1 1 1 Ah 2h,3h Kc", "one card more"},
      {"n 1 1 1 Ah,3h 2h,3c Kc", "one card more"},
  };
  for (const auto& bad : kBad) {
    SearchPosition p;
    std::string error;
    EXPECT_FALSE(ParseSearchPosition(SplitWords(bad.line), p, error)) << bad.line;
    EXPECT_NE(error.find(bad.reason), std::string::npos) << bad.line << " -> " << error;
  }
}

// Runs the analyser with the given input; returns its standard output.
std::string RunSolve(const std::string& arguments, const std::string& input) {
  const std::filesystem::path in =
      std::filesystem::temp_directory_path() / "quorvex_solve_search_input.txt";
  std::ofstream(in) << input;
  const std::string command =
      std::string(QUORVEX_BIN_DIR) + "/quorvex-solve " + arguments + " < " + in.string();
  std::string output;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
    pclose(pipe);
  }
  std::filesystem::remove(in);
  return output;
}

TEST(SolveTool, AnswersEachLineAndGoesOnAfterAnError) {
  if (!std::filesystem::exists(std::string(QUORVEX_BIN_DIR) + "/quorvex-solve"))
    GTEST_SKIP() << "quorvex-solve is not built";
  const std::string output = RunSolve("",
                                      "n 1 0 0 Jh,Qh 2h,3h -\n"
                                      "n 1 1 1 Ah,Ah 2h,3h -\n"
                                      "\n"
                                      "bid 1\n"
                                      "s 2 0 0 2s - Ah\n");
  EXPECT_EQ(output,
            "2 2 0\n"
            "error: card Ah appears twice\n"
            "error: empty line\n"
            "error: unknown line kind 'bid'\n"
            "1 0 1\n");
  EXPECT_NE(RunSolve("--help", "").find("<trump> <role> <prune> <cache> <mover> <other> <trick>"),
            std::string::npos);
}

}  // namespace
}  // namespace quorvex::testing
