#include "ui/art/suit_symbol.h"

#include <QPainter>

namespace quorvex {

namespace {
// Shapes are drawn in a unit square (y down) and mapped onto the box.
QPainterPath Heart() {
  QPainterPath p(QPointF(0.5, 1.0));
  p.cubicTo(0.12, 0.68, 0.0, 0.48, 0.0, 0.3);
  p.cubicTo(0.0, 0.12, 0.13, 0.02, 0.27, 0.02);
  p.cubicTo(0.39, 0.02, 0.47, 0.1, 0.5, 0.2);
  p.cubicTo(0.53, 0.1, 0.61, 0.02, 0.73, 0.02);
  p.cubicTo(0.87, 0.02, 1.0, 0.12, 1.0, 0.3);
  p.cubicTo(1.0, 0.48, 0.88, 0.68, 0.5, 1.0);
  return p;
}

QPainterPath Diamond() {
  QPainterPath p(QPointF(0.5, 0.0));
  p.quadTo(0.68, 0.28, 0.9, 0.5);
  p.quadTo(0.68, 0.72, 0.5, 1.0);
  p.quadTo(0.32, 0.72, 0.1, 0.5);
  p.quadTo(0.32, 0.28, 0.5, 0.0);
  return p;
}

// The flared stem shared by clubs and spades.
void AddStem(QPainterPath& p) {
  QPainterPath stem(QPointF(0.46, 0.6));
  stem.lineTo(0.54, 0.6);
  stem.quadTo(0.56, 0.88, 0.72, 1.0);
  stem.lineTo(0.28, 1.0);
  stem.quadTo(0.44, 0.88, 0.46, 0.6);
  p.addPath(stem);
}

QPainterPath Club() {
  QPainterPath p;
  p.setFillRule(Qt::WindingFill);
  p.addEllipse(QPointF(0.5, 0.26), 0.23, 0.23);
  p.addEllipse(QPointF(0.25, 0.6), 0.23, 0.23);
  p.addEllipse(QPointF(0.75, 0.6), 0.23, 0.23);
  p.addRect(QRectF(0.4, 0.35, 0.2, 0.3));
  AddStem(p);
  return p;
}

QPainterPath Spade() {
  QPainterPath p(QPointF(0.5, 0.0));
  p.setFillRule(Qt::WindingFill);
  p.cubicTo(0.62, 0.18, 1.0, 0.36, 1.0, 0.6);
  p.cubicTo(1.0, 0.76, 0.88, 0.84, 0.75, 0.84);
  p.cubicTo(0.64, 0.84, 0.56, 0.78, 0.5, 0.7);
  p.cubicTo(0.44, 0.78, 0.36, 0.84, 0.25, 0.84);
  p.cubicTo(0.12, 0.84, 0.0, 0.76, 0.0, 0.6);
  p.cubicTo(0.0, 0.36, 0.38, 0.18, 0.5, 0.0);
  AddStem(p);
  return p;
}
}  // namespace

QPainterPath SuitPath(int suit, const QRectF& box) {
  QPainterPath unit;
  switch (suit) {
    case 0:
      unit = Heart();
      break;
    case 1:
      unit = Diamond();
      break;
    case 2:
      unit = Club();
      break;
    case 3:
      unit = Spade();
      break;
    default:
      return unit;
  }
  QTransform t;
  t.translate(box.left(), box.top());
  t.scale(box.width(), box.height());
  return t.map(unit);
}

bool IsRedSuit(int suit) {
  return suit == 0 || suit == 1;
}

QColor SuitColor(int suit) {
  return IsRedSuit(suit) ? QColor(200, 20, 30) : QColor(20, 20, 20);
}

void DrawSuit(QPainter& painter, int suit, const QRectF& box, const QColor& color) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(color);
  painter.drawPath(SuitPath(suit, box));
  painter.restore();
}

void DrawSuit(QPainter& painter, int suit, const QRectF& box) {
  DrawSuit(painter, suit, box, SuitColor(suit));
}

QPixmap SuitPixmap(int suit, int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  const double margin = size * 0.08;
  DrawSuit(painter, suit, QRectF(margin, margin, size - 2 * margin, size - 2 * margin));
  return pixmap;
}

}  // namespace quorvex
