// The radio case of quorvex-server-bench: one of the server's stations in this process with many
// listeners on loopback sockets, half of them reading and half taking nothing.
#pragma once

namespace quorvex::bench {

// Listens for `seconds` and prints the readers' bytes per second, the process's memory early and
// at the end, and the processor time spent; 0 on success.
int RunRadioBench(int listeners, int seconds);

}  // namespace quorvex::bench
