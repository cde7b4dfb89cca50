// Suit signs of the three families the designs use, as paths in a unit square (y down):
// French (hearts, diamonds, clubs, spades), German (hearts, bells, acorns, leaves) and Spanish
// (cups, coins, batons, swords), each in the suit order hearts, diamonds, clubs, spades.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRectF>

class QPainter;

namespace artgen {

enum class SuitFamily { kFrench, kGerman, kSpanish };

QPainterPath SuitPath(SuitFamily family, int suit, const QRectF& box);

// The usual ink of a suit: red for hearts and diamonds, near black for clubs and spades; the
// German and Spanish families have colours of their own.
QColor DefaultSuitColour(SuitFamily family, int suit);

// Draws the sign filled with a soft top-to-bottom shade of the colour and a thin darker rim.
void DrawSuitSign(QPainter& painter, SuitFamily family, int suit, const QRectF& box,
                  const QColor& colour);

// A square symbol picture on a transparent ground, the sign filling most of it.
QImage SuitSymbolImage(SuitFamily family, int suit, int size, const QColor& colour);

}  // namespace artgen
