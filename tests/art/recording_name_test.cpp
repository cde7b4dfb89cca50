// File names of the deals recorded as GIF.
#include <gtest/gtest.h>

#include "art/recording_name.h"

namespace quorvex {
namespace {

TEST(RecordingName, DateThenTimeWithDots) {
  EXPECT_EQ(RecordingFileName({2024, 3, 15, 18, 5, 42}), "2024.03.15-18.05.42.gif");
  EXPECT_EQ(RecordingFileName({2031, 12, 1, 0, 0, 9}), "2031.12.01-00.00.09.gif");
  // A second file of the same second gets a number instead of replacing the first.
  EXPECT_EQ(RecordingFileName({2024, 3, 15, 18, 5, 42}, 2), "2024.03.15-18.05.42-2.gif");
  EXPECT_STREQ(kRecordingFolder, "GIFGame");
}

}  // namespace
}  // namespace quorvex
