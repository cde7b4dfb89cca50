#include "locale/lang_text.h"

#include <array>

namespace quorvex {

namespace {
int g_language = 0;

// English forms; the other languages arrive with the full language tables.
constexpr std::array<const char*, static_cast<int>(Tx::Count_)> kEnglish = {
    "To Begin of Round",
    "Next game",
    "Exit to menu",
    "Game",
    "Contract:",
    "Prize:",
    "Robin:",
    "Fine:",
    "Result:",
    "Double",
    "Redouble",
    "Pass",
    "You want to leave in the main menu?",
    "You want to leave from game?",
    "All datas for want of it will be lost!",
    "Expectation of the server...",
    "General score",
    "Trade",
    "WT",
    "Points of a current Round",
    "Numbers",
    "Can`t save options!",
};
}  // namespace

int CurrentLanguage() {
  return g_language;
}
void SetCurrentLanguage(int language) {
  g_language = language;
}

std::string Text(Tx text) {
  const int i = static_cast<int>(text);
  return i >= 0 && i < static_cast<int>(kEnglish.size()) ? kEnglish[i] : std::string();
}

}  // namespace quorvex
