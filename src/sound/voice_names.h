// Names of the spoken card names in the voice library: card base name + "Voice" + voice code.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "game/card.h"

namespace quorvex {

inline constexpr const char* kVoiceLibrary = "ZefCVoice3.dll";

// The library also names the three jokers of the family's other games.
inline constexpr std::array<std::string_view, 3> kJokerBaseNames = {"XJBl", "XJRd", "XJBk"};
inline constexpr int kVoiceLanguages = 10;
inline constexpr int kVoiceCards = 52 + 3;

// Voice code of an interface language 0..9 ("Eng" .. "Kor"); anything else speaks English.
std::string_view VoiceCodeOf(int language);

// "Pi5AVoiceDeu" for the ace of spades in German; empty for an empty slot.
std::string VoiceResourceName(const TCard& card, int language);

// Every name the library holds: 55 cards in each of the ten voice codes.
std::array<std::string, kVoiceCards * kVoiceLanguages> AllVoiceResourceNames();

}  // namespace quorvex
