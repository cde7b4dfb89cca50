#include "sound/effects.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace quorvex {
namespace {

TEST(Effects, NamesAreSevenCharactersAndDistinct) {
  std::set<std::string_view> seen;
  for (std::string_view name : kEffectNames) {
    EXPECT_EQ(name.size(), 7u) << name;
    EXPECT_TRUE(seen.insert(name).second) << name;
  }
}

TEST(Effects, OnlyTheCardTheStockAndTheCallsWait) {
  const std::set<std::string_view> waiting = {"WHodsDo", "WKoloNo", "WDiPass", "WDiPlay",
                                              "WPlMore"};
  for (std::string_view name : kEffectNames)
    EXPECT_EQ(EffectWaits(name), waiting.count(name) == 1) << name;
}

TEST(Effects, SoundSettingSilencesEffects) {
  Settings settings;
  settings.SoundOn = true;
  EXPECT_TRUE(EffectsAudible(settings));
  settings.SoundOn = false;
  EXPECT_FALSE(EffectsAudible(settings));
}

TEST(Effects, ChosenFromResults) {
  struct SessionCase {
    int deal_no;
    long balance;
    std::string_view effect;
  };
  const SessionCase sessions[] = {
      {7, 350, "WKoGood"}, {7, -50, "WKoBads"}, {7, 0, ""},
      {20, 350, ""},       {40, -50, ""},       {41, 1, "WKoGood"},
  };
  for (const SessionCase& c : sessions)
    EXPECT_EQ(SessionEndEffect(c.deal_no, c.balance), c.effect) << c.deal_no << " " << c.balance;

  const std::pair<int, std::string_view> places[] = {
      {1, "WFiBest"}, {2, "WFiGood"}, {10, "WFiGood"}, {11, "WFiBads"}, {0, "WFiBads"}};
  for (const auto& [place, effect] : places) EXPECT_EQ(EndGameEffect(place), effect) << place;

  const std::pair<int, std::string_view> clock[] = {
      {26, "STimerA"}, {8, "STimerA"}, {7, "STimerB"}, {1, "STimerB"}, {0, ""}};
  for (const auto& [seconds, effect] : clock)
    EXPECT_EQ(MoveClockEffect(seconds), effect) << seconds;
}

}  // namespace
}  // namespace quorvex
