#include "game/card_flight.h"

#include <algorithm>
#include <cstdlib>

#include "settings/window_scale.h"

namespace quorvex {

std::vector<FlightPoint> FlightPath(FlightPoint from, FlightPoint to) {
  const int dx = to.x - from.x, dy = to.y - from.y;
  const int steps = std::max(std::abs(dx), std::abs(dy));
  std::vector<FlightPoint> path;
  path.reserve(steps + 1);
  path.push_back(from);
  // The longer axis moves by one; the other is recomputed from the start each time, so
  // rounding never drifts off the line.
  for (int k = 1; k <= steps; ++k) {
    path.push_back({from.x + static_cast<int>(RoundHalfEven(int64_t{dx} * k, steps)),
                    from.y + static_cast<int>(RoundHalfEven(int64_t{dy} * k, steps))});
  }
  return path;
}

int FlightPauseMs(int speed, int step) {
  switch (std::clamp(speed, 1, 6)) {
    case 1:
      return 2;
    case 2:
      return 1;
    case 3:
      return step % 2 == 0 ? 1 : 0;
    case 4:
      return step % 3 == 0 ? 1 : 0;
    default:
      return 0;
  }
}

bool FlightDrawsStep(int speed, int step) {
  return !(speed >= 6 && step == 1);
}

int RunFlight(FlightPoint from, FlightPoint to, int speed,
              const std::function<void(FlightPoint)>& draw, FlightSleeper& sleeper) {
  const std::vector<FlightPoint> path = FlightPath(from, to);
  const int steps = static_cast<int>(path.size()) - 1;
  for (int step = 0; step <= steps; ++step) {
    // The end is always drawn: a card that stays must stay where it landed.
    if (FlightDrawsStep(speed, step) || step == steps) draw(path[step]);
    if (step == 0) continue;
    if (const int pause = FlightPauseMs(speed, step); pause > 0) sleeper.SleepMs(pause);
  }
  return steps;
}

}  // namespace quorvex
