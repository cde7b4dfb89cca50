// The game's clock: milliseconds since the program started, never going backwards.
#pragma once

#include <QElapsedTimer>

#include "game/platform.h"

namespace quorvex {

class ElapsedClock : public Clock {
 public:
  ElapsedClock() { timer_.start(); }
  int64_t NowMs() override { return timer_.elapsed(); }

 private:
  QElapsedTimer timer_;
};

}  // namespace quorvex
