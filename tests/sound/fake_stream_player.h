// A stream player that records what it is asked; an address containing "dead" does not open.
#pragma once

#include <string>
#include <vector>

#include "sound/stream_player.h"

namespace quorvex {

class FakePlayer : public StreamPlayer {
 public:
  bool Open(const std::string& address) override {
    opened.push_back(address);
    return address.find("dead") == std::string::npos;
  }
  void Play() override { playing = true; }
  void Stop() override { playing = false; }
  void SetVolume(int percent) override { volume = percent; }
  int64_t Position() const override { return position; }
  int64_t Length() const override { return length; }
  bool Ended() const override { return false; }
  bool Failed() const override { return failed; }

  std::vector<std::string> opened;
  bool playing = false;
  int volume = -1;
  int64_t position = 0, length = 0;
  bool failed = false;
};

}  // namespace quorvex
