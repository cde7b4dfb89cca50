// quorvex-solve: answers one question about a deal per input line, one output line each.
#include <iostream>
#include <string>
#include <vector>

#include "opponent/search_text.h"
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
    {"c", quorvex::solve::RunSearchLine}, {"d", quorvex::solve::RunSearchLine},
    {"h", quorvex::solve::RunSearchLine}, {"s", quorvex::solve::RunSearchLine},
    {"n", quorvex::solve::RunSearchLine},
};

constexpr const char* kHelp =
    "quorvex-solve: reads lines from standard input and writes one line for each.\n"
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
    "The forecast and call lines of the computer's bidding are not available yet.\n"
    "A line that cannot be read gets 'error: <reason>' and the next line is read.\n";

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
    std::cerr << "quorvex-solve: unknown option '" << arg << "' (try --help)\n";
    return 2;
  }
  std::string line;
  while (std::getline(std::cin, line)) std::cout << Answer(line) << '\n' << std::flush;
  return 0;
}
