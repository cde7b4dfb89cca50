#include "ui/media/media_stream_player.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

// The radio on a machine without sound, and an address that is no stream: nothing is opened,
// nothing waits, and the radio's rules go on as with a dead station.
TEST(MediaStreamPlayer, PlaysNothingWithoutAnOutputOrAStreamAddress) {
  int asked = 0;
  MediaStreamPlayer silent([&asked] {
    ++asked;
    return false;
  });
  EXPECT_FALSE(silent.Open("http://127.0.0.1:8047/radio/quorvex1.mp3"));
  EXPECT_EQ(asked, 1);
  silent.SetVolume(140);
  silent.Play();
  silent.Stop();
  EXPECT_EQ(silent.Position(), 0);
  EXPECT_EQ(silent.Length(), 0);
  EXPECT_FALSE(silent.Ended());

  MediaStreamPlayer any([] { return true; });
  for (const char* address : {"file:///etc/passwd", "", "ftp://127.0.0.1/a.mp3", "not a url"})
    EXPECT_FALSE(any.Open(address)) << address;
}

}  // namespace
}  // namespace quorvex
