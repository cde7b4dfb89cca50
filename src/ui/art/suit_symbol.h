// The four suit symbols as vector shapes, so cards, panels and the bidding dialog draw the same
// pips at any size.
#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPixmap>
#include <QRectF>

class QPainter;

namespace quorvex {

// suit: 0 hearts, 1 diamonds, 2 clubs, 3 spades (the order of SuitIndex).
QPainterPath SuitPath(int suit, const QRectF& box);
QColor SuitColor(int suit);
bool IsRedSuit(int suit);
void DrawSuit(QPainter& painter, int suit, const QRectF& box);
void DrawSuit(QPainter& painter, int suit, const QRectF& box, const QColor& color);
// A square picture of the symbol on a transparent ground, for button icons.
QPixmap SuitPixmap(int suit, int size);

}  // namespace quorvex
