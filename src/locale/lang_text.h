// User-visible texts of the game. Each text is looked up in the current interface language.
#pragma once

#include <string>

namespace quorvex {

enum class Tx {
  ToBeginOfRound,
  NextGame,
  ExitToMenu,
  Game,
  Contract,
  Prize,
  Robin,
  Fine,
  Result,
  Double,
  Redouble,
  Pass,
  LeaveToMenuQuestion,
  LeaveGameQuestion,
  AllDataLost,
  ExpectationOfServer,
  GeneralScore,
  Trade,
  NoTrumpLabel,
  PointsOfRound,
  Numbers,
  CantSaveOptions,
  Count_
};

// The current interface language, 0-based in the order of the language list.
int CurrentLanguage();
void SetCurrentLanguage(int language);

// Text of a table in the current language.
std::string Text(Tx text);

}  // namespace quorvex
