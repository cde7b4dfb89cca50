#include "suit_shapes.h"

#include "ui/art/suit_symbol.h"

#include <QLinearGradient>
#include <QPainter>
#include <QTransform>
#include <cmath>

namespace artgen {

namespace {

// The French signs are the window's own, so the cards and the table draw the same pips.
QPainterPath French(int suit) {
  return quorvex::SuitPath(suit < 0 || suit > 3 ? 3 : suit, QRectF(0, 0, 1, 1));
}

// German suits.
QPainterPath Bell() {
  QPainterPath p;
  p.setFillRule(Qt::WindingFill);
  p.addEllipse(QPointF(0.5, 0.55), 0.4, 0.4);
  p.addEllipse(QPointF(0.5, 0.1), 0.09, 0.09);
  p.addRect(QRectF(0.44, 0.12, 0.12, 0.08));
  QPainterPath slot;
  slot.addRect(QRectF(0.2, 0.6, 0.6, 0.07));
  slot.addEllipse(QPointF(0.5, 0.8), 0.07, 0.07);
  return p.subtracted(slot);
}

QPainterPath Acorn() {
  QPainterPath nut(QPointF(0.5, 0.98));
  nut.cubicTo(0.22, 0.86, 0.2, 0.58, 0.26, 0.44);
  nut.lineTo(0.74, 0.44);
  nut.cubicTo(0.8, 0.58, 0.78, 0.86, 0.5, 0.98);
  QPainterPath cup;
  cup.moveTo(0.18, 0.48);
  cup.cubicTo(0.16, 0.26, 0.3, 0.16, 0.5, 0.16);
  cup.cubicTo(0.7, 0.16, 0.84, 0.26, 0.82, 0.48);
  cup.closeSubpath();
  cup.addRect(QRectF(0.46, 0.02, 0.08, 0.16));
  QPainterPath p;
  p.setFillRule(Qt::WindingFill);
  p.addPath(nut);
  p.addPath(cup);
  return p;
}

QPainterPath Leaf() {
  QPainterPath p(QPointF(0.5, 0.02));
  p.setFillRule(Qt::WindingFill);
  p.cubicTo(0.66, 0.2, 0.98, 0.3, 0.94, 0.56);
  p.cubicTo(0.9, 0.76, 0.62, 0.78, 0.5, 0.74);
  p.cubicTo(0.38, 0.78, 0.1, 0.76, 0.06, 0.56);
  p.cubicTo(0.02, 0.3, 0.34, 0.2, 0.5, 0.02);
  p.addRect(QRectF(0.46, 0.7, 0.08, 0.3));
  return p;
}

// Spanish suits.
QPainterPath Cup() {
  QPainterPath p;
  p.setFillRule(Qt::WindingFill);
  QPainterPath bowl(QPointF(0.12, 0.08));
  bowl.lineTo(0.88, 0.08);
  bowl.cubicTo(0.88, 0.38, 0.7, 0.52, 0.5, 0.54);
  bowl.cubicTo(0.3, 0.52, 0.12, 0.38, 0.12, 0.08);
  p.addPath(bowl);
  p.addRect(QRectF(0.44, 0.5, 0.12, 0.3));
  p.addEllipse(QPointF(0.5, 0.66), 0.1, 0.06);
  QPainterPath foot(QPointF(0.5, 0.78));
  foot.cubicTo(0.6, 0.86, 0.78, 0.88, 0.8, 0.97);
  foot.lineTo(0.2, 0.97);
  foot.cubicTo(0.22, 0.88, 0.4, 0.86, 0.5, 0.78);
  p.addPath(foot);
  return p;
}

QPainterPath Coin() {
  QPainterPath p;
  p.setFillRule(Qt::OddEvenFill);
  p.addEllipse(QPointF(0.5, 0.5), 0.47, 0.47);
  p.addEllipse(QPointF(0.5, 0.5), 0.37, 0.37);
  p.addEllipse(QPointF(0.5, 0.5), 0.3, 0.3);
  // A sun of eight rays in the middle.
  QPainterPath sun;
  for (int i = 0; i < 16; ++i) {
    const double a = i * M_PI / 8, r = i % 2 ? 0.12 : 0.24;
    const QPointF q(0.5 + r * std::cos(a), 0.5 + r * std::sin(a));
    if (i == 0) {
      sun.moveTo(q);
    } else {
      sun.lineTo(q);
    }
  }
  sun.closeSubpath();
  p.addPath(sun);
  return p;
}

QPainterPath Baton() {
  // A knotted club standing upright, wider at the top.
  QPainterPath p;
  p.setFillRule(Qt::WindingFill);
  QPainterPath body(QPointF(0.42, 0.98));
  body.cubicTo(0.38, 0.7, 0.3, 0.3, 0.32, 0.12);
  body.cubicTo(0.34, 0.0, 0.66, 0.0, 0.68, 0.12);
  body.cubicTo(0.7, 0.3, 0.62, 0.7, 0.58, 0.98);
  body.closeSubpath();
  p.addPath(body);
  const QPointF knots[] = {{0.3, 0.3}, {0.7, 0.42}, {0.33, 0.58}, {0.65, 0.7}};
  for (const QPointF& k : knots) p.addEllipse(k, 0.075, 0.065);
  return p;
}

QPainterPath Sword() {
  QPainterPath p;
  p.setFillRule(Qt::WindingFill);
  QPainterPath blade(QPointF(0.5, 0.0));
  blade.lineTo(0.62, 0.12);
  blade.lineTo(0.6, 0.68);
  blade.lineTo(0.4, 0.68);
  blade.lineTo(0.38, 0.12);
  blade.closeSubpath();
  p.addPath(blade);
  QPainterPath guard(QPointF(0.1, 0.64));
  guard.cubicTo(0.3, 0.74, 0.7, 0.74, 0.9, 0.64);
  guard.lineTo(0.9, 0.74);
  guard.cubicTo(0.7, 0.82, 0.3, 0.82, 0.1, 0.74);
  guard.closeSubpath();
  p.addPath(guard);
  p.addRect(QRectF(0.44, 0.76, 0.12, 0.14));
  p.addEllipse(QPointF(0.5, 0.93), 0.08, 0.07);
  return p;
}

QPainterPath Unit(SuitFamily family, int suit) {
  switch (family) {
    case SuitFamily::kFrench:
      return French(suit);
    case SuitFamily::kGerman:
      switch (suit) {
        case 0:
          return French(0);
        case 1:
          return Bell();
        case 2:
          return Acorn();
        default:
          return Leaf();
      }
    case SuitFamily::kSpanish:
      switch (suit) {
        case 0:
          return Cup();
        case 1:
          return Coin();
        case 2:
          return Baton();
        default:
          return Sword();
      }
  }
  return {};
}

}  // namespace

QPainterPath SuitPath(SuitFamily family, int suit, const QRectF& box) {
  QTransform t;
  t.translate(box.left(), box.top());
  t.scale(box.width(), box.height());
  return t.map(Unit(family, suit));
}

QColor DefaultSuitColour(SuitFamily family, int suit) {
  switch (family) {
    case SuitFamily::kFrench:
      return suit < 2 ? QColor(206, 18, 30) : QColor(20, 20, 24);
    case SuitFamily::kGerman: {
      static const QColor kInks[] = {{206, 18, 30}, {222, 160, 20}, {130, 80, 30}, {34, 130, 46}};
      return kInks[suit & 3];
    }
    case SuitFamily::kSpanish: {
      static const QColor kInks[] = {{200, 30, 36}, {214, 158, 18}, {120, 78, 34}, {40, 84, 170}};
      return kInks[suit & 3];
    }
  }
  return Qt::black;
}

void DrawSuitSign(QPainter& painter, SuitFamily family, int suit, const QRectF& box,
                  const QColor& colour) {
  const QPainterPath path = SuitPath(family, suit, box);
  QLinearGradient shade(box.topLeft(), box.bottomLeft());
  shade.setColorAt(0, colour.lighter(135));
  shade.setColorAt(0.45, colour);
  shade.setColorAt(1, colour.darker(125));
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(box.width() >= 14 ? QPen(colour.darker(170), box.width() / 40.0) : Qt::NoPen);
  painter.setBrush(shade);
  painter.drawPath(path);
  painter.restore();
}

QImage SuitSymbolImage(SuitFamily family, int suit, int size, const QColor& colour) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  const double m = size * 0.08;
  DrawSuitSign(p, family, suit, QRectF(m, m, size - 2 * m, size - 2 * m), colour);
  return image;
}

}  // namespace artgen
