// What the radio and the online playlist ask of the audio side: a stream from an address, played,
// stopped and heard at a volume, with its position and length for the end of a track. The Qt
// window implements it; tests record it.
#pragma once

#include <cstdint>
#include <string>

namespace quorvex {

class StreamPlayer {
 public:
  virtual ~StreamPlayer() = default;
  // Opens a stream from the address instead of the current one; false when nothing can play.
  // A stream may open and fail later: Failed() tells.
  virtual bool Open(const std::string& address) = 0;
  virtual void Play() = 0;
  virtual void Stop() = 0;
  // 0 .. 100.
  virtual void SetVolume(int percent) = 0;
  // Where the stream stands and how long it is (0 for an endless stream).
  virtual int64_t Position() const = 0;
  virtual int64_t Length() const = 0;
  // The stream played to its end.
  virtual bool Ended() const = 0;
  // The address could not be opened or the stream broke off.
  virtual bool Failed() const = 0;
};

// Plays nothing: for a run whose sound goes elsewhere (a test's program).
class SilentStreamPlayer final : public StreamPlayer {
 public:
  bool Open(const std::string&) override { return false; }
  void Play() override {}
  void Stop() override {}
  void SetVolume(int) override {}
  int64_t Position() const override { return 0; }
  int64_t Length() const override { return 0; }
  bool Ended() const override { return false; }
  bool Failed() const override { return true; }
};

}  // namespace quorvex
