// The pictures of a passport: the country's flag from the region's flag image list, and the
// face that shows the player's sex.
#pragma once

#include <QPixmap>
#include <string_view>

class QPainter;

namespace quorvex {

// The 14 x 12 flag of a country; number 0, or a number outside the region, is the neutral
// "Unknown" flag. Null for a region outside 1..6.
QPixmap FlagPixmap(int region, int number);

// Draws the flag of a country code ("1-048") with its top left at (x, y). A code whose first
// character is not a region digit draws nothing; an unreadable or unknown number draws the
// region's "Unknown" flag.
void DrawFlag(std::string_view code, QPainter& canvas, int x, int y);

// Draws "FaceMan16" for sex "M" and "FaceWoman16" for anything else.
void DrawSexIcon(std::string_view sex, QPainter& canvas, int x, int y);

}  // namespace quorvex
