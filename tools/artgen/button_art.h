// The card-style button's pieces in the program's red art: left cap, middle and right cap of
// the classic (rounded) and the new (square) style at the art heights 29, 44 and 59.
#pragma once

#include <QImage>

#include "bundle_writer.h"

namespace artgen {

// piece: 'L' left cap, 'R' right cap, '2' middle.
QImage ButtonPieceArt(bool square, int art_height, char piece);

// "R29_L" ... "Q59_2".
bool MakeButtonPieces(BundleWriter& out);

}  // namespace artgen
