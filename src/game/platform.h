// The core's view of time, chance and the other machine. The platform layer implements them;
// tests fix them.
#pragma once

#include <cstdint>
#include <string>

namespace quorvex {

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds from an arbitrary start; never goes backwards.
  virtual int64_t NowMs() = 0;
};

class Random {
 public:
  virtual ~Random() = default;
  // Called before every shuffle: the generator starts from a fresh seed.
  virtual void Reseed() = 0;
  // A uniform integer in 0 .. n - 1.
  virtual int Below(int n) = 0;
};

// Bytes to the other machine of a two-player game (LAN channel or tournament relay).
class PeerLink {
 public:
  virtual ~PeerLink() = default;
  // One game message; the link frames it for its channel.
  virtual void SendMessage(const std::string& message) = 0;
};

// The real generator: a Mersenne twister seeded from the system's entropy source and the clock.
class SystemRandom : public Random {
 public:
  SystemRandom();
  void Reseed() override;
  int Below(int n) override;

 private:
  uint64_t state_[4] = {1, 2, 3, 4};
};

}  // namespace quorvex
