// The analyser's PBN mode: every game of a PBN file played by two hands (as the game's export
// writes them), card by card.
#pragma once

#include <ostream>
#include <string>

namespace quorvex::solve {

// Writes the analysis of every game of the file to `out` and what could not be analysed to
// `err`. Returns the exit code: 0 when every game was analysed, 1 otherwise (a file that cannot
// be read, a file without games, a game that is not a two-handed contract play).
int RunPbnFile(const std::string& path, std::ostream& out, std::ostream& err);

}  // namespace quorvex::solve
