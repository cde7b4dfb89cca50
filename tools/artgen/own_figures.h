// The court figures of our own designs: a double-ended half-length figure with the headgear of
// its design and rank, or a parrot for the Parrots design.
#pragma once

#include <QRectF>

#include "own_themes.h"

class QPainter;

namespace artgen {

// Draws the court card picture (jack 10, queen 11, king 12 as rank value - 1... given as
// rank_value 10, 11 or 12) into the panel: the figure in the upper half, turned over in the
// lower half.
void DrawCourtPanel(QPainter& painter, const QRectF& panel, int rank_value, int suit,
                    const OwnTheme& theme);

}  // namespace artgen
