// Password boxes of the game show every typed character as "#".
#pragma once

class QLineEdit;

namespace quorvex {

inline constexpr char kPasswordEcho = '#';

// Hides what is typed into the box, echoing "#" for each character.
void UseHashEcho(QLineEdit& box);

}  // namespace quorvex
