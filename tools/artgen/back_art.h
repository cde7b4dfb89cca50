// The art of the card backs: a Debian deck's back, or one of our own patterns.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include "face_art.h"

namespace artgen {

// Back `number` (1..10) of back design `deck` (0..12) filling the size. With `bordered` the
// back brings its own edge and rounded corners; without, its inside reaches to the edges.
// A null image when a Debian deck could not be read.
QImage BackArt(int deck, int number, QSize size, bool bordered, const DeckFolders& folders);
// Where a back comes from, for the contact sheet.
QString BackArtSource(int deck, int number);

}  // namespace artgen
