// The path and pace of a flying card. A card moves in a straight line one pixel per step along
// the longer axis, so a flight's length in steps is that axis's distance; the pace is set by the
// player's speed as pauses between steps, which go through a sleeper so that tests count them.
#pragma once

#include <functional>
#include <vector>

namespace quorvex {

struct FlightPoint {
  int x = 0;
  int y = 0;
  bool operator==(const FlightPoint&) const = default;
};

// Every position the card takes: the start first, then one per step, the end last. A flight
// whose start and end agree has the one position.
std::vector<FlightPoint> FlightPath(FlightPoint from, FlightPoint to);

// Milliseconds to pause after step (1-based) at a speed of 1 (slowest) .. 6; a speed outside
// that range counts as the nearest one.
int FlightPauseMs(int speed, int step);

// Whether step (0 is the start position) is drawn: the fastest speed skips the first step.
bool FlightDrawsStep(int speed, int step);

class FlightSleeper {
 public:
  virtual ~FlightSleeper() = default;
  virtual void SleepMs(int ms) = 0;
};

// Runs a flight: draw(point) for each drawn position, the pauses through the sleeper. Returns the
// number of steps (the positions after the start).
int RunFlight(FlightPoint from, FlightPoint to, int speed,
              const std::function<void(FlightPoint)>& draw, FlightSleeper& sleeper);

}  // namespace quorvex
