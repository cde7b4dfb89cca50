// The analyser's root-search line.
#pragma once

#include <string>
#include <vector>

namespace quorvex::solve {

// "<trump> <role> <prune> <cache> <mover> <other> <trick>" -> "<slot> <declarer> <defender>", or
// "error: <reason>".
std::string RunSearchLine(const std::vector<std::string>& words);

}  // namespace quorvex::solve
