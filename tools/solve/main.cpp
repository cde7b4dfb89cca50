// quorvex-solve: answers one question about a deal per input line, one output line each.
#include <iostream>
#include <string>
#include <vector>

#include "call_lines.h"
#include "opponent/search_text.h"
#include "pbn_mode.h"
#include "search_line.h"

namespace {

using LineHandler = std::string (*)(const std::vector<std::string>& words);

// Line kinds by their first word. A root search starts with its trump letter. A new kind of
// line is one more row here and a handler in a file of its own.
struct LineKind {
  const char* first_word;
  LineHandler run;
};
constexpr LineKind kLineKinds[] = {
    {"c", quorvex::solve::RunSearchLine},  {"d", quorvex::solve::RunSearchLine},
    {"h", quorvex::solve::RunSearchLine},  {"s", quorvex::solve::RunSearchLine},
    {"n", quorvex::solve::RunSearchLine},  {"forecast", quorvex::solve::RunForecastLine},
    {"call", quorvex::solve::RunCallLine},
};

constexpr const char* kHelp =
    "quorvex-solve: reads lines from standard input and writes one line for each.\n"
    "quorvex-solve --pbn FILE: analyses the deals of a PBN file card by card.\n"
    "\n"
    "Root search of the computer's play search:\n"
    "  <trump> <role> <prune> <cache> <mover> <other> <trick>\n"
    "  -> <slot> <declarer tricks> <defender tricks>\n"
    "\n"
    "  trump   c, d, h, s, or n for no trump\n"
    "  role    1 when the mover is the declarer's side, 2 when it defends\n"
    "  prune   1 to use move pruning, else 0\n"
    "  cache   1 to use the position cache, else 0\n"
    "  mover   the hand to play, other: the other hand. A hand lists its slots in order,\n"
    "          comma-separated: a card is a rank 23456789TJQKA and a suit hdcs (Th is the\n"
    "          ten of hearts), -- an empty slot; slots not listed are empty; - is no cards\n"
    "  trick   - when the mover leads, else the card the other hand led\n"
    "\n"
    "  The slot is the mover's chosen slot (1..13); the trick counts run to the end of the\n"
    "  deal, the trick in progress included. When the mover leads both hands hold the same\n"
    "  number of cards; when it follows it holds one more than the other hand.\n"
    "\n"
    "  Example: n 1 1 1 Ah,Kh,2c Qh,Jh,3c -\n"
    "\n"
    "The computer's bidding, the computer being seat 1 of a game against it:\n"
    "  forecast <first> <computer> <human>\n"
    "  -> FD1 DF1 FD2 DF2 FD3 DF3 FD4 DF4 FD5 DF5\n"
    "  call <vul> <first> <computer> <human> <calls>\n"
    "  -> <call code> <initial tricks> <initial result>\n"
    "\n"
    "  first   1 when the computer moved first in the deal, else 2\n"
    "  vul     vulnerability: 0 none, 1 the computer, 2 the human, 3 both\n"
    "  computer, human: the two hands as above, sorted by the game before searching\n"
    "  calls   the auction so far in time order, first seat's call first: call codes\n"
    "          (1..35 bids, 36 double, 37 redouble, 38 pass) separated by commas, - for none\n"
    "\n"
    "  FDd and DFd are the computer's and the human's tricks with the computer declaring\n"
    "  in denomination d (clubs, diamonds, hearts, spades, no trump). The call line gives\n"
    "  the computer's call now and the initial trick and result forecasts it leaves for\n"
    "  the play; '-' for both when the call leaves them as they were. A line where it is\n"
    "  not the computer's turn, or with an illegal auction, is an error.\n"
    "\n"
    "  Example: call 0 1 Ah,Kh,2c Qh,Jh,3c -\n"
    "\n"
    "A line that cannot be read gets 'error: <reason>' and the next line is read.\n"
    "\n"
    "PBN mode, for deals of two hands as the game exports them (two hands of thirteen\n"
    "cards, the other two '-'): for every game with a contract and a play, one line per\n"
    "card played, both hands known to both sides:\n"
    "  <trick> <seat> <card>  best <tricks>  cost <tricks>\n"
    "\n"
    "  best    the tricks the side to move can still take with best play on both sides,\n"
    "          before this card (tricks already won not counted)\n"
    "  cost    the tricks this card lost against the best card; 0 for a best card\n"
    "\n"
    "  Each game starts with 'Game <n> (board <b>): <contract> by <seat>' and ends with\n"
    "  the declarer's tricks with best play from the first card. A file that cannot be\n"
    "  read or holds no games, and a game that cannot be analysed (passed out, other than\n"
    "  two hands, a card out of turn or not following suit), are reported on standard\n"
    "  error; the exit code is then 1.\n";

std::string Answer(const std::string& line) {
  const std::vector<std::string> words = quorvex::SplitWords(line);
  if (words.empty()) return "error: empty line";
  for (const LineKind& kind : kLineKinds)
    if (words[0] == kind.first_word) return kind.run(words);
  return "error: unknown line kind '" + words[0] + "'";
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::cout << kHelp;
      return 0;
    }
    if (arg == "--pbn") {
      if (i + 1 >= argc) {
        std::cerr << "quorvex-solve: --pbn needs a file (try --help)\n";
        return 2;
      }
      if (i + 2 < argc) {
        std::cerr << "quorvex-solve: unexpected '" << argv[i + 2] << "' after --pbn FILE\n";
        return 2;
      }
      return quorvex::solve::RunPbnFile(argv[i + 1], std::cout, std::cerr);
    }
    std::cerr << "quorvex-solve: unknown option '" << arg << "' (try --help)\n";
    return 2;
  }
  std::string line;
  while (std::getline(std::cin, line)) std::cout << Answer(line) << '\n' << std::flush;
  return 0;
}
