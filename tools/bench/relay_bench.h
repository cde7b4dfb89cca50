// The relay case of quorvex-server-bench: ten tables of the tournament relay in this process, each
// with two players' programs on loopback sockets playing deal after deal.
#pragma once

namespace quorvex::bench {

// Plays for `seconds`, each move after `think_ms`, and prints the median and 99th percentile time
// of a move from one seat's socket to the other's; 0 on success.
int RunRelayBench(int seconds, int think_ms);

}  // namespace quorvex::bench
