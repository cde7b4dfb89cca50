// The analyser's questions about the computer's bidding: its forecast and its next call.
#pragma once

#include <string>
#include <vector>

namespace quorvex::solve {

// "forecast <first> <computer> <human>" -> "FD1 DF1 .. FD5 DF5", clubs .. no trump.
std::string RunForecastLine(const std::vector<std::string>& words);

// "call <vul> <first> <computer> <human> <calls>" -> "<call> <initial tricks> <initial result>",
// the two figures "-" when the call leaves them unchanged.
std::string RunCallLine(const std::vector<std::string>& words);

}  // namespace quorvex::solve
