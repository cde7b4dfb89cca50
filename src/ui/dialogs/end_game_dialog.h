// "The completion of game": closes a cycle of 20 deals and tells the player whether the cycle's
// score entered the local top ten, and at which place.
#pragma once

#include <QColor>
#include <QString>
#include <cstdint>
#include <vector>

#include "ui/dialogs/designed_dialog.h"

class QMovie;

namespace quorvex {

class SoundPlayer;

struct EndGameInput {
  int place = 0;          // 0 not placed, 1..10 the top ten; a server's rank may be higher
  int32_t score = 0;      // the cycle's score
  int account_state = 1;  // 1 not logged in, 2 logged in, 3 a rating game
  bool lan = false;       // a LAN game
  int bonus = 0;          // a rating game's Zefs for the place; -1 when they were refused
  // How the window shows: the result's animation running or on its still frame, and the touch
  // effect of its Ok.
  bool animated = true;
  bool click_effect = false;
};

enum class EndGameClass { Best, Good, Bad };
EndGameClass EndGameClassOf(int place);

// One line of text on the window's picture.
struct EndGameRow {
  QString text;
  QColor colour;
  int height = 0;
  int y = 0;
};
std::vector<EndGameRow> EndGameRows(const EndGameInput& in);
// The same rows as the purple design draws them on its picture: 50 pixels higher, yellow, the
// result in green.
std::vector<EndGameRow> PurpleEndGameRows(const EndGameInput& in);

class TFormEndGame : public DesignedDialog {
  Q_OBJECT

 public:
  TFormEndGame(const EndGameInput& in, const Settings& settings, QWidget* parent = nullptr);

  const EndGameInput& Input() const { return in_; }
  EndGameClass Result() const { return EndGameClassOf(in_.place); }
  // Whether the medal with the place is drawn.
  bool ShowsMedal() const { return in_.place >= 1 && in_.place <= 10; }
  // The result's animation, "GEndBest", "GEndGood" or "GEndBads"; null when it is missing.
  QMovie* Animation() const { return movie_; }
  // The frame shown while animations are off: 25, 24 and 3 for the three classes (1-based).
  static int StillFrame(EndGameClass result);

 private:
  EndGameInput in_;
  QMovie* movie_ = nullptr;
};

// Opens the window with the sound of its result class ("WFiBest", "WFiGood", "WFiBads"), heard
// when the sound is on; returns when the player has closed it.
int RunEndGame(const EndGameInput& in, const Settings& settings, QWidget* parent,
               SoundPlayer* sound);

}  // namespace quorvex
