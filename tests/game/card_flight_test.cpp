// Paths and pacing of flying cards.
#include <gtest/gtest.h>

#include <cstdlib>

#include "game/card_flight.h"

namespace quorvex {
namespace {

// Adds up the pauses instead of sleeping.
class CountingSleeper : public FlightSleeper {
 public:
  void SleepMs(int ms) override {
    total_ms += ms;
    ++pauses;
  }
  int total_ms = 0;
  int pauses = 0;
};

struct Flown {
  std::vector<FlightPoint> drawn;
  int steps = 0;
  CountingSleeper sleeper;
};

Flown Fly(FlightPoint from, FlightPoint to, int speed) {
  Flown f;
  f.steps = RunFlight(
      from, to, speed, [&f](FlightPoint p) { f.drawn.push_back(p); }, f.sleeper);
  return f;
}

TEST(CardFlight, EqualStartAndEndDrawsOnce) {
  for (int speed = 1; speed <= 6; ++speed) {
    const Flown f = Fly({120, 40}, {120, 40}, speed);
    EXPECT_EQ(f.steps, 0) << speed;
    ASSERT_EQ(f.drawn.size(), 1u) << speed;
    EXPECT_EQ(f.drawn[0], (FlightPoint{120, 40}));
    EXPECT_EQ(f.sleeper.pauses, 0) << speed;
  }
}

TEST(CardFlight, VerticalFlightKeepsX) {
  for (const auto& [from, to] : {std::pair{FlightPoint{345, 394}, FlightPoint{345, 250}},
                                 std::pair{FlightPoint{10, 0}, FlightPoint{10, 7}}}) {
    const std::vector<FlightPoint> path = FlightPath(from, to);
    ASSERT_EQ(static_cast<int>(path.size()), std::abs(to.y - from.y) + 1);
    for (size_t k = 0; k < path.size(); ++k) {
      EXPECT_EQ(path[k].x, from.x);
      EXPECT_EQ(std::abs(path[k].y - from.y), static_cast<int>(k));
    }
    EXPECT_EQ(path.back(), to);
  }
}

// The step count is the longer axis; that axis moves one pixel a step while the other stays
// within half a pixel of the straight line, in every direction.
TEST(CardFlight, StepsFollowTheLongerAxisAlongAStraightLine) {
  const std::pair<FlightPoint, FlightPoint> flights[] = {
      {{0, 0}, {300, 120}},    {{345, 394}, {345, -94}}, {{581, 150}, {315, 10}},
      {{500, 20}, {20, 30}},   {{10, 400}, {300, -50}},  {{0, 0}, {-7, 7}},
      {{100, 100}, {101, 100}}};
  for (const auto& [from, to] : flights) {
    const int dx = to.x - from.x, dy = to.y - from.y;
    const int longer = std::max(std::abs(dx), std::abs(dy));
    const Flown f = Fly(from, to, 5);
    EXPECT_EQ(f.steps, longer);
    ASSERT_EQ(static_cast<int>(f.drawn.size()), longer + 1);
    EXPECT_EQ(f.drawn.front(), from);
    EXPECT_EQ(f.drawn.back(), to);
    for (int k = 1; k <= longer; ++k) {
      const FlightPoint p = f.drawn[k], q = f.drawn[k - 1];
      EXPECT_EQ(std::max(std::abs(p.x - q.x), std::abs(p.y - q.y)), 1);
      // |p - (from + d k / longer)| <= 1/2 on both axes, in whole numbers.
      EXPECT_LE(std::abs(2 * ((p.x - from.x) * longer - dx * k)), longer) << k;
      EXPECT_LE(std::abs(2 * ((p.y - from.y) * longer - dy * k)), longer) << k;
    }
  }
}

// Pauses are counted, never timed: the slowest speed holds a 300-pixel flight for 600 ms.
TEST(CardFlight, SpeedPacesTheSteps) {
  const struct {
    int speed, total_ms, drawn;
  } cases[] = {{1, 600, 301}, {2, 300, 301}, {3, 150, 301}, {4, 100, 301},
               {5, 0, 301},   {6, 0, 300},   {0, 600, 301}, {9, 0, 300}};
  for (const auto& c : cases) {
    const Flown f = Fly({200, 394}, {500, 250}, c.speed);
    EXPECT_EQ(f.steps, 300);
    EXPECT_EQ(f.sleeper.total_ms, c.total_ms) << "speed " << c.speed;
    EXPECT_EQ(static_cast<int>(f.drawn.size()), c.drawn) << "speed " << c.speed;
    EXPECT_EQ(f.drawn.back(), (FlightPoint{500, 250}));
  }
  EXPECT_GE(Fly({0, 0}, {0, 300}, 1).sleeper.total_ms, 600);
}

// The fastest speed skips the first step but still lands: a one-step flight ends drawn.
TEST(CardFlight, FastestSpeedStillDrawsTheLanding) {
  const Flown f = Fly({0, 0}, {1, 0}, 6);
  ASSERT_EQ(f.drawn.size(), 2u);
  EXPECT_EQ(f.drawn.back(), (FlightPoint{1, 0}));
}

}  // namespace
}  // namespace quorvex
