// The three pieces of a card-style button (left cap, middle, right cap) in both styles and the
// three art heights. They are the program's own red art from its resources, read on first use,
// then turned into a colour scheme and lightening and kept, since every button of a window asks
// for them.
#pragma once

#include <QImage>
#include <QRgb>
#include <vector>

#include "art/button_colours.h"

namespace quorvex {

struct ButtonPieces {
  QImage left, middle, right;
  std::vector<QRgb> gradient;  // the classic rows in the scheme (empty for the new style)
};

// The red art of one piece: 'L' left cap, 'R' right cap, '2' middle; art height 29, 44 or 59.
// The resources are named "R29_L" (classic) ... "Q59_2" (new style).
QImage ButtonPieceArt(bool nata, int art_height, char piece);

// The pieces recoloured; klight is clamped to 0..100.
const ButtonPieces& RecolouredPieces(bool nata, int art_height, ColorSB scheme, int klight);

}  // namespace quorvex
