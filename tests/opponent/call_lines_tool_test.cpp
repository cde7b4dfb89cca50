#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace quorvex {
namespace {

// Feeds lines to the analyser and returns its answers, one per line.
std::vector<std::string> RunSolver(const std::vector<std::string>& lines) {
  const std::string input =
      (std::filesystem::temp_directory_path() / "quorvex_call_lines_input.txt").string();
  {
    std::ofstream out(input);
    for (const std::string& line : lines) out << line << '\n';
  }
  const std::string command = std::string(QUORVEX_BIN_DIR) + "/quorvex-solve < " + input;
  std::vector<std::string> answers;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return answers;
  char buffer[512];
  while (std::fgets(buffer, sizeof buffer, pipe)) {
    std::string answer = buffer;
    if (!answer.empty() && answer.back() == '\n') answer.pop_back();
    answers.push_back(answer);
  }
  pclose(pipe);
  std::filesystem::remove(input);
  return answers;
}

TEST(CallLinesToolTest, ForecastAndCallLines) {
  if (!std::filesystem::exists(std::string(QUORVEX_BIN_DIR) + "/quorvex-solve"))
    GTEST_SKIP() << "quorvex-solve is not built";
  // Thirteen hearts against thirteen spades: whoever leads takes every trick unless the other
  // hand holds the trump.
  const std::string hearts = "Ah,Kh,Qh,Jh,Th,9h,8h,7h,6h,5h,4h,3h,2h";
  const std::string spades = "As,Ks,Qs,Js,Ts,9s,8s,7s,6s,5s,4s,3s,2s";
  const std::string deal = hearts + " " + spades;
  const std::vector<std::string> lines = {
      "forecast 1 " + deal,           // the human leads
      "forecast 2 " + deal,           // the computer leads
      "call 0 1 " + deal + " -",      // opens seven hearts
      "call 0 2 " + deal + " 38",     // leads itself: seven no trump
      "call 0 1 " + deal + " 33,36",  // doubled in a making grand slam: redouble
      "call 0 1 " + deal + " 33,34",  // a 7NT sacrifice would cost more than the human's 7S
      "call 0 2 " + deal + " -",     "call 0 1 " + deal + " 3,38", "call 0 1 " + deal + " 3,2",
      "call 0 1 " + deal + " 3,37",  "call 0 1 Ah,Ah Ks -",        "call 4 1 Ah Ks -",
      "forecast 1 " + hearts,
  };
  const std::vector<std::string> expected = {
      "0 13 0 13 13 0 0 13 0 13",
      "13 0 13 0 13 0 0 13 13 0",
      "33 13 1510",
      "35 13 1520",
      "37 13 2240",
      "38 0 -1510",
      "error: it is the human's turn to call",
      "error: the auction has ended",
      "error: bid 2 is not above 3",
      "error: a redouble must follow a double",
      "error: card Ah appears twice",
      "error: vul must be 0..3, not '4'",
      "error: expected 'forecast <first> <computer> <human>'",
  };
  EXPECT_EQ(RunSolver(lines), expected);
}

}  // namespace
}  // namespace quorvex
