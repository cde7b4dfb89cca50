#include "game/platform.h"

#include <chrono>
#include <random>

namespace quorvex {

// xoshiro256** keeps the state small enough to live inline; seeds mix the entropy source
// with the clock so two shuffles in the same clock tick still differ.
namespace {
uint64_t Rotl(uint64_t x, int k) {
  return (x << k) | (x >> (64 - k));
}
uint64_t SplitMix(uint64_t& x) {
  uint64_t z = (x += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}
}  // namespace

SystemRandom::SystemRandom() {
  Reseed();
}

void SystemRandom::Reseed() {
  std::random_device device;
  uint64_t seed = (static_cast<uint64_t>(device()) << 32) ^ device();
  seed ^= static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  seed ^= state_[0];
  for (uint64_t& s : state_) s = SplitMix(seed);
}

int SystemRandom::Below(int n) {
  if (n <= 1) return 0;
  // Rejection keeps the result exactly uniform.
  const uint64_t range = static_cast<uint64_t>(n);
  const uint64_t limit = UINT64_MAX - UINT64_MAX % range;
  for (;;) {
    const uint64_t result = Rotl(state_[1] * 5, 7) * 9;
    const uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = Rotl(state_[3], 45);
    if (result < limit) return static_cast<int>(result % range);
  }
}

}  // namespace quorvex
