#include "sound/wav_data.h"

#include <gtest/gtest.h>

namespace quorvex {
namespace {

TEST(WavData, MadeImageReadsBack) {
  const std::string pcm("\x01\x00\xFF\x7F\x00\x80\x10\x20", 8);
  const std::string wav = MakeWav(pcm, 1, 22050);
  EXPECT_EQ(wav.size(), 44u + 8u);
  const auto clip = ParseWav(wav);
  ASSERT_TRUE(clip);
  EXPECT_EQ(clip->channels, 1);
  EXPECT_EQ(clip->sample_rate, 22050);
  EXPECT_EQ(clip->bits, 16);
  EXPECT_EQ(clip->pcm, pcm);
  EXPECT_NEAR(clip->Seconds(), 4.0 / 22050, 1e-9);
}

TEST(WavData, ChunksBeforeTheSamplesAreSkipped) {
  std::string wav = MakeWav(std::string(6, '\x11'), 1, 8000);
  // A LIST chunk of odd length (padded) between the format and the samples.
  wav.insert(36, std::string("LIST\x03\x00\x00\x00"
                             "abc\x00",
                             12));
  const auto clip = ParseWav(wav);
  ASSERT_TRUE(clip);
  EXPECT_EQ(clip->pcm, std::string(6, '\x11'));
}

TEST(WavData, DamagedImagesAreRefusedOrCut) {
  const std::string good = MakeWav(std::string(10, '\x22'), 1, 22050);
  // Cut anywhere inside the header: refused, never read past the end.
  for (size_t length = 0; length < 44; ++length)
    EXPECT_FALSE(ParseWav(good.substr(0, length))) << length;
  // Cut inside the samples: what is there plays, in whole frames.
  const auto cut = ParseWav(good.substr(0, 49));
  ASSERT_TRUE(cut);
  EXPECT_EQ(cut->pcm.size(), 4u);

  std::string huge_chunk = good;
  huge_chunk.replace(16, 4, "\xF0\xFF\xFF\xFF");  // format chunk longer than the file
  EXPECT_FALSE(ParseWav(huge_chunk));
  std::string compressed = good;
  compressed[20] = 2;  // not PCM
  EXPECT_FALSE(ParseWav(compressed));
  std::string no_riff = good;
  no_riff[0] = 'X';
  EXPECT_FALSE(ParseWav(no_riff));
}

}  // namespace
}  // namespace quorvex
