// The sound effects: their resource names, which ones hold the game until they end, and the
// choice of effect where the game picks one from a result.
#pragma once

#include <array>
#include <string_view>

#include "settings/settings.h"

namespace quorvex {

// Every effect the game plays, by the seven-character name of its WAV resource.
inline constexpr std::array<std::string_view, 18> kEffectNames = {
    "WTasoKo", "WHodsDo", "WKoloNo", "WKoGutX", "WKoBadX", "WKoGood",
    "WKoBads", "WFiBest", "WFiGood", "WFiBads", "WDiPass", "WDiPlay",
    "WPlMore", "WOpenFo", "WToMenK", "WWrongs", "STimerA", "STimerB"};

// Effects sound only with the sound switched on; spoken card names do not ask.
inline bool EffectsAudible(const Settings& settings) {
  return settings.SoundOn;
}

// A card played, the stock spent and a call announced keep the game waiting until the clip
// has sounded, so that the table does not run ahead of what the player hears.
bool EffectWaits(std::string_view name);

// The effect of a finished session: "WKoGood" for a positive balance, "WKoBads" for a negative
// one; nothing for a balance of 0 or when the deal count closes a cycle of 20 (the end-of-game
// window has its own sound then).
std::string_view SessionEndEffect(int deal_no, long balance);

// The end-of-game window by the place in the top ten: 1 best, 2..10 good, anything else bad.
std::string_view EndGameEffect(int place);

// The move clock of a network game, once a second: a tick while more than 7 seconds are left,
// the urgent tick for the last 7; nothing once it has run out.
std::string_view MoveClockEffect(int seconds_left);

}  // namespace quorvex
