#include "sound/voice_names.h"

#include <gtest/gtest.h>

#include <set>

namespace quorvex {
namespace {

TEST(VoiceNames, CardBaseNameVoiceAndLanguageCode) {
  TCard ace_of_spades;
  ASSERT_TRUE(ParseCardText("As", ace_of_spades));
  TCard two_of_hearts;
  ASSERT_TRUE(ParseCardText("2h", two_of_hearts));
  EXPECT_EQ(VoiceResourceName(ace_of_spades, 2), "Pi5AVoiceDeu");
  EXPECT_EQ(VoiceResourceName(two_of_hearts, 0), "Ch02VoiceEng");
  EXPECT_EQ(VoiceResourceName(ace_of_spades, 5), "Pi5AVoiceChi");
  EXPECT_EQ(VoiceResourceName(kEmptyCard, 0), "");
  // A language the program does not have speaks English.
  EXPECT_EQ(VoiceResourceName(ace_of_spades, 14), "Pi5AVoiceEng");
}

TEST(VoiceNames, KoreanNamesEndInKor) {
  for (int n = 1; n <= 52; ++n) {
    const std::string name = VoiceResourceName(DeckCard(n), 9);
    ASSERT_GE(name.size(), 3u);
    EXPECT_EQ(name.substr(name.size() - 3), "Kor") << name;
  }
}

TEST(VoiceNames, LibraryHolds550DistinctNames) {
  const auto names = AllVoiceResourceNames();
  const std::set<std::string> distinct(names.begin(), names.end());
  EXPECT_EQ(distinct.size(), 550u);
  EXPECT_TRUE(distinct.count("XJRdVoiceJap"));
  EXPECT_TRUE(distinct.count("Kr4KVoiceCze"));
  for (const std::string& name : names) EXPECT_EQ(name.size(), 12u) << name;
}

}  // namespace
}  // namespace quorvex
