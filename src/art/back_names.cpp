#include "art/back_names.h"

#include <array>

namespace quorvex {

namespace {
bool ValidDeck(int deck) {
  return deck >= 0 && deck < kBackDesigns;
}

// Numbers here are 1..10.
std::string TwoDigits(int n) {
  return std::string(1, static_cast<char>('0' + n / 10 % 10)) + static_cast<char>('0' + n % 10);
}
}  // namespace

std::string DeckPrefix(int deck) {
  static constexpr std::array<const char*, kBackDesigns> kPrefixes = {
      "", "Cl1", "Cl2", "Car", "Cro", "Che", "Dia", "Kni", "Ani", "Flo", "Pla", "Oth", "Rus"};
  return ValidDeck(deck) ? kPrefixes[deck] : "";
}

int BackCount(int deck) {
  return deck >= 8 && deck <= 11 ? 10 : 7;
}

std::string DayCode(int number) {
  static constexpr std::array<const char*, 8> kDays = {"",   "Mo", "Tu", "We",
                                                       "Th", "Fr", "Su", "Su"};
  if (number >= 1 && number <= 7) return kDays[number];
  return number >= 8 && number <= kMaxBacks ? "XX" : "";
}

std::string BackSizeSuffix(int size_class, bool wide_faces) {
  if (size_class == 1) return "";
  return wide_faces ? "B" : "U";
}

std::string BackResourceName(int number, int deck, bool rotated, int size_class, bool wide_faces) {
  if (!ValidDeck(deck) || number < 1 || number > BackCount(deck)) return "";
  return "Ob" + TwoDigits(number) + DayCode(number) + (rotated ? "R" : "") + DeckPrefix(deck) +
         BackSizeSuffix(size_class, wide_faces);
}

std::string BackgroundColourCode(int colour) {
  static constexpr std::array<const char*, kBackgroundColours> kCodes = {"Gr", "Re", "Or", "Ye",
                                                                         "B1", "B2", "Fi"};
  return colour >= 0 && colour < kBackgroundColours ? kCodes[colour] : "";
}

std::string BackgroundResourceName(int background, int colour, int window_size) {
  if (background < 1 || background > kBackgrounds) return "";
  const std::string code = BackgroundColourCode(colour);
  if (code.empty()) return "";
  return "Fon" + TwoDigits(background) + code + (window_size == 1 ? "" : "B");
}

}  // namespace quorvex
