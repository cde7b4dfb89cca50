// The relay's clocks and limits. The defaults are the game's; tests shorten them.
#pragma once

#include <QString>
#include <functional>

namespace quorvex::server {

struct RelayTimings {
  int move_ms = 26000;    // the game's own clock for every move
  int grace_ms = 4000;    // added for the way through the network before a seat loses on time
  int join_ms = 10000;    // a connection that has not said "connect" by then is closed
  int linger_ms = 30000;  // after a decided match: the wait for seat 1's result before closing
  int close_ms = 2000;    // a closing connection that will not take its last bytes is cut
  int max_unjoined = 8;   // connections of one table that have not said "connect" yet
};

// Where the relay tells of what it noticed and let pass (one line each).
using RelayLog = std::function<void(const QString&)>;

}  // namespace quorvex::server
