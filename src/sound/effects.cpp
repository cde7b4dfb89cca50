#include "sound/effects.h"

namespace quorvex {

bool EffectWaits(std::string_view name) {
  return name == "WHodsDo" || name == "WKoloNo" || name == "WDiPass" || name == "WDiPlay" ||
         name == "WPlMore";
}

std::string_view SessionEndEffect(int deal_no, long balance) {
  if (deal_no % 20 == 0 || balance == 0) return {};
  return balance > 0 ? "WKoGood" : "WKoBads";
}

std::string_view EndGameEffect(int place) {
  if (place == 1) return "WFiBest";
  if (place >= 2 && place <= 10) return "WFiGood";
  return "WFiBads";
}

std::string_view MoveClockEffect(int seconds_left) {
  if (seconds_left <= 0) return {};
  return seconds_left > 7 ? "STimerA" : "STimerB";
}

}  // namespace quorvex
