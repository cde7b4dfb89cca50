#include "own_figures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace artgen {

namespace {

// Figures are drawn in a box 100 wide and 80 high whose bottom edge is the middle of the card.
constexpr double kBoxW = 100, kBoxH = 80;

struct Head {
  QPointF centre{50, 30};
  double rx = 11, ry = 13;
  double Top() const { return centre.y() - ry; }
};

QColor Ink(const QColor& c) {
  return c.darker(220);
}

void Fill(QPainter& p, const QPainterPath& path, const QColor& fill, double outline = 0.8) {
  p.setPen(QPen(Ink(fill), outline));
  p.setBrush(fill);
  p.drawPath(path);
}

QPainterPath Ellipse(QPointF c, double rx, double ry) {
  QPainterPath path;
  path.addEllipse(c, rx, ry);
  return path;
}

QPainterPath Polygon(std::initializer_list<QPointF> points) {
  QPainterPath path;
  bool first = true;
  for (const QPointF& q : points) {
    if (first) {
      path.moveTo(q);
      first = false;
    } else {
      path.lineTo(q);
    }
  }
  path.closeSubpath();
  return path;
}

void Jewel(QPainter& p, QPointF c, double r, const QColor& colour) {
  QRadialGradient shine(c - QPointF(r / 3, r / 3), r * 1.5);
  shine.setColorAt(0, colour.lighter(170));
  shine.setColorAt(1, colour);
  p.setPen(QPen(Ink(colour), 0.4));
  p.setBrush(shine);
  p.drawEllipse(c, r, r);
}

void Feather(QPainter& p, QPointF base, double angle_deg, double length, const QColor& vane,
             const QColor& tip) {
  p.save();
  p.translate(base);
  p.rotate(angle_deg);
  QPainterPath f(QPointF(0, 0));
  f.cubicTo(-3.2, -length * 0.3, -3.2, -length * 0.8, 0, -length);
  f.cubicTo(3.2, -length * 0.8, 3.2, -length * 0.3, 0, 0);
  QLinearGradient g(0, 0, 0, -length);
  g.setColorAt(0, vane);
  g.setColorAt(0.72, vane);
  g.setColorAt(0.74, tip);
  g.setColorAt(1, tip);
  p.setPen(QPen(Ink(vane), 0.5));
  p.setBrush(g);
  p.drawPath(f);
  p.setPen(QPen(Ink(vane), 0.4));
  p.drawLine(QPointF(0, 0), QPointF(0, -length * 0.95));
  p.restore();
}

void Flower(QPainter& p, QPointF c, double r, const QColor& petal, const QColor& heart) {
  p.setPen(QPen(Ink(petal), 0.3));
  p.setBrush(petal);
  for (int i = 0; i < 5; ++i) {
    const double a = i * 2 * M_PI / 5;
    p.drawEllipse(c + QPointF(r * 0.6 * std::cos(a), r * 0.6 * std::sin(a)), r * 0.5, r * 0.5);
  }
  p.setBrush(heart);
  p.drawEllipse(c, r * 0.35, r * 0.35);
}

void Star(QPainter& p, QPointF c, double r, const QColor& colour) {
  QPainterPath s;
  for (int i = 0; i < 10; ++i) {
    const double a = -M_PI / 2 + i * M_PI / 5, rr = i % 2 ? r * 0.42 : r;
    const QPointF q(c.x() + rr * std::cos(a), c.y() + rr * std::sin(a));
    if (i == 0) {
      s.moveTo(q);
    } else {
      s.lineTo(q);
    }
  }
  s.closeSubpath();
  Fill(p, s, colour, 0.4);
}

// Headgear that sits behind the head (veils, long feathers, fur flaps) is drawn first.
void HeadgearBehind(QPainter& p, Headgear kind, const Head& h, const CourtPalette& c) {
  const double top = h.Top();
  switch (kind) {
    case Headgear::kWarBonnet:
      for (int i = -5; i <= 5; ++i)
        Feather(p, QPointF(50 + i * 1.6, top + 6), i * 15.0, 24, QColor(250, 248, 236),
                QColor(30, 24, 20));
      for (int side : {-1, 1})
        for (int i = 0; i < 4; ++i)
          Feather(p, QPointF(50 + side * (h.rx + 1), top + 16 + i * 9), side * (160.0 - i * 4), 14,
                  QColor(250, 248, 236), QColor(30, 24, 20));
      break;
    case Headgear::kPlumes:
      for (int i = -4; i <= 4; ++i)
        Feather(p, QPointF(50 + i * 2, top + 2), i * 13.0, 28 - std::abs(i) * 1.5,
                QColor(30, 150, 90), QColor(20, 90, 150));
      break;
    case Headgear::kTiara:
    case Headgear::kHeartCrown:
      Fill(p, Ellipse(QPointF(50, top + 22), h.rx + 7, h.ry + 12),
           QColor(c.trim.red(), c.trim.green(), c.trim.blue()), 0.5);
      break;
    case Headgear::kFeather:
      Feather(p, QPointF(56, top + 4), 20, 22, QColor(250, 246, 230), QColor(40, 30, 26));
      break;
    case Headgear::kTwoFeathers:
      Feather(p, QPointF(46, top + 4), -14, 20, QColor(250, 246, 230), QColor(160, 40, 30));
      Feather(p, QPointF(54, top + 4), 14, 20, QColor(250, 246, 230), QColor(40, 30, 26));
      break;
    case Headgear::kKokoshnik: {
      QPainterPath k(QPointF(50 - h.rx - 6, top + 10));
      k.cubicTo(36, top - 16, 64, top - 16, 50 + h.rx + 6, top + 10);
      k.closeSubpath();
      Fill(p, k, c.metal, 0.7);
      Fill(p, Ellipse(QPointF(50, top - 2), 5, 6), c.robe2, 0.4);
      for (int i = -3; i <= 3; ++i)
        Jewel(p, QPointF(50 + i * 4.4, top + 6 - (3 - std::abs(i)) * 1.6), 1.1,
              QColor(250, 250, 250));
      break;
    }
    case Headgear::kUshanka:
    case Headgear::kFurHood:
      for (int side : {-1, 1})
        Fill(p, Ellipse(QPointF(50 + side * (h.rx + 1), h.centre.y() + 4), 5, 10),
             kind == Headgear::kUshanka ? QColor(110, 80, 50) : QColor(245, 245, 250), 0.5);
      break;
    case Headgear::kKerchief:
      Fill(p,
           Polygon({{50 - h.rx - 5, h.centre.y() + 2},
                    {50, top - 6},
                    {50 + h.rx + 5, h.centre.y() + 2},
                    {50 + h.rx + 2, h.centre.y() + 16},
                    {50 - h.rx - 2, h.centre.y() + 16}}),
           c.robe2, 0.6);
      break;
    default:
      break;
  }
}

void HeadgearFront(QPainter& p, Headgear kind, const Head& h, const CourtPalette& c) {
  const double top = h.Top();
  const double l = 50 - h.rx - 1, r = 50 + h.rx + 1;
  switch (kind) {
    case Headgear::kCrown:
    case Headgear::kHeartCrown: {
      QPainterPath crown(QPointF(l, top + 6));
      const int points = 5;
      for (int i = 0; i <= points * 2; ++i) {
        const double x = l + (r - l) * i / (points * 2.0);
        crown.lineTo(x, i % 2 ? top - 2 : top - 8);
      }
      crown.lineTo(r, top + 6);
      crown.closeSubpath();
      Fill(p, crown, c.metal, 0.7);
      Fill(p, Polygon({{l - 1, top + 2}, {r + 1, top + 2}, {r + 1, top + 7}, {l - 1, top + 7}}),
           c.metal.darker(115), 0.6);
      for (int i = 0; i <= points; ++i) {
        const QPointF tip(l + (r - l) * i / points, top - 9);
        if (kind == Headgear::kHeartCrown) {
          QPainterPath heart(tip + QPointF(0, 2.2));
          heart.cubicTo(tip + QPointF(-3, -0.5), tip + QPointF(-1.5, -3), tip + QPointF(0, -1));
          heart.cubicTo(tip + QPointF(1.5, -3), tip + QPointF(3, -0.5), tip + QPointF(0, 2.2));
          Fill(p, heart, QColor(220, 30, 70), 0.3);
        } else {
          Jewel(p, tip, 1.3, QColor(250, 250, 240));
        }
      }
      Jewel(p, QPointF(50, top + 4.5), 1.6, c.robe2);
      Jewel(p, QPointF(43, top + 4.5), 1.2, c.robe);
      Jewel(p, QPointF(57, top + 4.5), 1.2, c.robe);
      break;
    }
    case Headgear::kTiara:
      Fill(p,
           Polygon({{l + 2, top + 4},
                    {44, top - 1},
                    {50, top - 6},
                    {56, top - 1},
                    {r - 2, top + 4},
                    {r - 3, top + 6},
                    {l + 3, top + 6}}),
           c.metal, 0.6);
      Jewel(p, QPointF(50, top - 1), 1.6, c.robe2);
      break;
    case Headgear::kBeret:
    case Headgear::kFlatCap: {
      const QColor cap = kind == Headgear::kBeret ? c.robe2 : c.robe;
      Fill(p, Ellipse(QPointF(kind == Headgear::kBeret ? 47 : 50, top + 1), h.rx + 6, 5.5), cap,
           0.7);
      Feather(p, QPointF(58, top), 62, 16, c.trim, c.trim.darker(130));
      break;
    }
    case Headgear::kFeather:
    case Headgear::kTwoFeathers:
    case Headgear::kWarBonnet:
    case Headgear::kCirclet: {
      const QColor band = kind == Headgear::kCirclet ? c.metal : QColor(30, 150, 150);
      Fill(p, Polygon({{l, top + 4}, {r, top + 4}, {r, top + 7.5}, {l, top + 7.5}}), band, 0.5);
      for (int i = 0; i < 5; ++i)
        Jewel(p, QPointF(l + 3 + i * (r - l - 6) / 4, top + 5.8), 0.9,
              i % 2 ? QColor(200, 60, 40) : QColor(250, 250, 240));
      if (kind == Headgear::kCirclet) Jewel(p, QPointF(50, top + 5.8), 1.8, QColor(40, 160, 90));
      break;
    }
    case Headgear::kMianguan:
      Fill(p, Polygon({{40, top + 6}, {60, top + 6}, {58, top - 4}, {42, top - 4}}),
           QColor(20, 20, 24), 0.5);
      Fill(p, Polygon({{30, top - 4}, {70, top - 4}, {70, top - 8}, {30, top - 8}}),
           QColor(20, 20, 24), 0.5);
      p.setPen(QPen(c.metal, 0.6));
      for (int i = 0; i < 6; ++i) {
        const double x = 32 + i * 7.2;
        p.drawLine(QPointF(x, top - 4), QPointF(x, top + 5));
        Jewel(p, QPointF(x, top + 1), 0.9, QColor(200, 40, 40));
        Jewel(p, QPointF(x, top + 5), 0.9, c.metal);
      }
      break;
    case Headgear::kPhoenix: {
      Fill(p,
           Polygon({{l, top + 6},
                    {r, top + 6},
                    {r + 2, top - 2},
                    {56, top - 8},
                    {50, top - 3},
                    {44, top - 8},
                    {l - 2, top - 2}}),
           c.metal, 0.6);
      for (int side : {-1, 1}) {
        p.setPen(QPen(c.metal.darker(140), 0.6));
        p.drawLine(QPointF(50 + side * (h.rx + 2), top + 2),
                   QPointF(50 + side * (h.rx + 9), top + 12));
        Jewel(p, QPointF(50 + side * (h.rx + 9), top + 13), 1.2, QColor(200, 30, 30));
      }
      Jewel(p, QPointF(50, top + 1), 1.8, QColor(30, 140, 120));
      break;
    }
    case Headgear::kWingedHat:
      Fill(p, Ellipse(QPointF(50, top + 1), h.rx + 1, 7), QColor(24, 24, 28), 0.5);
      Fill(p, Polygon({{30, top + 1}, {40, top}, {40, top + 4}, {30, top + 4}}), QColor(24, 24, 28),
           0.4);
      Fill(p, Polygon({{70, top + 1}, {60, top}, {60, top + 4}, {70, top + 4}}), QColor(24, 24, 28),
           0.4);
      break;
    case Headgear::kPlumes:
      Fill(p, Polygon({{l - 1, top + 7}, {r + 1, top + 7}, {r, top - 1}, {l, top - 1}}),
           QColor(30, 150, 120), 0.6);
      Jewel(p, QPointF(50, top + 3), 2.4, QColor(220, 180, 60));
      break;
    case Headgear::kFlowerCrown:
    case Headgear::kRoseWreath:
    case Headgear::kLeafWreath:
      for (int i = 0; i < 7; ++i) {
        const double a = M_PI * (1.05 + i * 0.9 / 6.0);
        const QPointF q(50 + (h.rx + 1.5) * std::cos(a),
                        h.centre.y() - 2 + (h.ry + 1) * std::sin(a));
        if (kind == Headgear::kLeafWreath) {
          p.save();
          p.translate(q);
          p.rotate(i * 30 - 90);
          Fill(p, Ellipse(QPointF(0, 0), 4.2, 2.2),
               i % 2 ? QColor(214, 110, 20) : QColor(180, 50, 20), 0.4);
          p.restore();
        } else if (kind == Headgear::kRoseWreath) {
          Fill(p, Ellipse(q, 3.2, 3.2), QColor(200, 30, 70), 0.4);
          p.setPen(QPen(QColor(120, 10, 40), 0.4));
          p.setBrush(Qt::NoBrush);
          p.drawEllipse(q, 1.5, 1.5);
        } else {
          Flower(p, q, 3.4, i % 2 ? QColor(250, 250, 250) : QColor(250, 170, 200),
                 QColor(240, 200, 40));
        }
      }
      break;
    case Headgear::kJaguar: {
      QPainterPath hood(QPointF(l - 3, h.centre.y() + 2));
      hood.cubicTo(l - 4, top - 10, r + 4, top - 10, r + 3, h.centre.y() + 2);
      hood.lineTo(r - 1, h.centre.y() - 4);
      hood.cubicTo(r - 2, top + 2, l + 2, top + 2, l + 1, h.centre.y() - 4);
      hood.closeSubpath();
      Fill(p, hood, QColor(226, 170, 50), 0.7);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(40, 30, 20));
      const QPointF spots[] = {{42, top - 3}, {50, top - 5}, {58, top - 3}, {38, top + 4},
                               {62, top + 4}, {46, top},     {54, top}};
      for (const QPointF& s : spots) p.drawEllipse(s, 1.4, 1.1);
      for (int side : {-1, 1})
        Fill(p, Ellipse(QPointF(50 + side * 8, top - 6), 2.6, 2.6), QColor(226, 170, 50), 0.5);
      break;
    }
    case Headgear::kUshanka:
      Fill(p, Ellipse(QPointF(50, top + 1), h.rx + 4, 8), QColor(110, 80, 50), 0.7);
      Fill(p, Polygon({{l - 2, top + 4}, {r + 2, top + 4}, {r + 2, top + 9}, {l - 2, top + 9}}),
           QColor(130, 96, 62), 0.5);
      Star(p, QPointF(50, top + 3), 3.2, QColor(210, 20, 24));
      break;
    case Headgear::kFurHood: {
      QPainterPath hood;
      hood.addEllipse(QPointF(50, h.centre.y() - 1), h.rx + 6, h.ry + 6);
      QPainterPath face;
      face.addEllipse(QPointF(50, h.centre.y() + 1), h.rx - 0.5, h.ry - 1);
      Fill(p, hood.subtracted(face), QColor(246, 246, 252), 0.6);
      break;
    }
    case Headgear::kKerchief:
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(255, 255, 255, 200));
      for (int i = 0; i < 6; ++i) p.drawEllipse(QPointF(40 + i * 4, top + (i % 2) * 3), 0.9, 0.9);
      Fill(p, Ellipse(QPointF(50, h.centre.y() + h.ry + 2), 3, 2), c.robe2, 0.5);
      break;
    case Headgear::kBudenovka: {
      QPainterPath helmet(QPointF(l - 1, top + 7));
      helmet.cubicTo(l, top - 4, 46, top - 8, 50, top - 14);
      helmet.cubicTo(54, top - 8, r, top - 4, r + 1, top + 7);
      helmet.closeSubpath();
      Fill(p, helmet, QColor(120, 112, 74), 0.7);
      Star(p, QPointF(50, top), 3.6, QColor(210, 20, 24));
      break;
    }
    case Headgear::kMonomakh: {
      QPainterPath dome(QPointF(l, top + 4));
      dome.cubicTo(l, top - 12, r, top - 12, r, top + 4);
      dome.closeSubpath();
      Fill(p, dome, c.metal, 0.7);
      Fill(p, Polygon({{l - 2, top + 2}, {r + 2, top + 2}, {r + 2, top + 8}, {l - 2, top + 8}}),
           QColor(110, 76, 46), 0.6);
      p.setPen(QPen(c.metal.darker(140), 1.0));
      p.drawLine(QPointF(50, top - 9), QPointF(50, top - 16));
      p.drawLine(QPointF(47, top - 13.5), QPointF(53, top - 13.5));
      Jewel(p, QPointF(50, top - 3), 1.5, c.robe2);
      break;
    }
    case Headgear::kPeasantCap:
      Fill(p, Polygon({{l + 1, top + 5}, {r - 1, top + 5}, {r + 1, top - 9}, {l - 1, top - 9}}),
           c.robe2, 0.6);
      Fill(p, Polygon({{l - 1, top + 2}, {r + 1, top + 2}, {r + 1, top + 7}, {l - 1, top + 7}}),
           QColor(120, 86, 56), 0.5);
      break;
    case Headgear::kTopHat:
      Fill(p, Polygon({{41, top + 3}, {59, top + 3}, {60, top - 16}, {40, top - 16}}),
           QColor(22, 22, 26), 0.5);
      Fill(p, Polygon({{40.6, top - 1}, {59.4, top - 1}, {59.3, top + 2}, {40.7, top + 2}}),
           c.robe2, 0.3);
      Fill(p, Ellipse(QPointF(50, top + 4), 15, 2.2), QColor(22, 22, 26), 0.5);
      break;
    case Headgear::kFeatherHat:
      Fill(p, Ellipse(QPointF(50, top + 3), 17, 3.5), c.robe2, 0.6);
      Fill(p, Ellipse(QPointF(50, top - 1), h.rx - 1, 5), c.robe2, 0.6);
      Feather(p, QPointF(56, top - 1), 48, 20, QColor(250, 250, 250), c.trim);
      break;
    case Headgear::kBearskin:
      Fill(p, Ellipse(QPointF(50, top - 6), h.rx + 3, 15), QColor(20, 20, 22), 0.8);
      p.setPen(QPen(c.metal, 0.9));
      p.drawLine(QPointF(l, h.centre.y()), QPointF(50, h.centre.y() + h.ry));
      p.drawLine(QPointF(r, h.centre.y()), QPointF(50, h.centre.y() + h.ry));
      break;
    case Headgear::kHood: {
      QPainterPath hood(QPointF(l - 5, h.centre.y() + 14));
      hood.cubicTo(l - 6, top - 14, r + 6, top - 14, r + 5, h.centre.y() + 14);
      hood.lineTo(r - 1, h.centre.y() + 4);
      hood.cubicTo(r, top + 2, l, top + 2, l + 1, h.centre.y() + 4);
      hood.closeSubpath();
      Fill(p, hood, c.robe, 0.7);
      break;
    }
    case Headgear::kSunHat:
      Fill(p, Ellipse(QPointF(50, top + 2), 19, 4), QColor(236, 200, 90), 0.6);
      Fill(p, Ellipse(QPointF(50, top - 2), h.rx, 6), QColor(236, 200, 90), 0.6);
      Fill(
          p,
          Polygon({{l + 1, top + 0.5}, {r - 1, top + 0.5}, {r - 1, top + 2.5}, {l + 1, top + 2.5}}),
          c.robe2, 0.3);
      break;
    case Headgear::kMorion: {
      QPainterPath helmet(QPointF(32, top + 4));
      helmet.cubicTo(38, top + 1, 40, top - 10, 50, top - 10);
      helmet.cubicTo(60, top - 10, 62, top + 1, 68, top + 4);
      helmet.cubicTo(60, top + 2, 40, top + 2, 32, top + 4);
      QLinearGradient steel(0, top - 10, 0, top + 4);
      steel.setColorAt(0, QColor(236, 236, 240));
      steel.setColorAt(1, QColor(140, 144, 150));
      p.setPen(QPen(QColor(70, 70, 80), 0.7));
      p.setBrush(steel);
      p.drawPath(helmet);
      Fill(p, Polygon({{46, top - 9}, {54, top - 9}, {52, top - 15}, {48, top - 15}}),
           QColor(200, 200, 206), 0.5);
      Feather(p, QPointF(55, top - 9), 30, 14, c.robe2, c.robe2.darker(120));
      break;
    }
    case Headgear::kNone:
    case Headgear::kKokoshnik:
      break;
  }
}

// Hair, face and beard of a person: kings are bearded, queens have long hair.
void DrawHead(QPainter& p, const Head& h, int rank_value, const CourtPalette& c, bool long_hair) {
  if (long_hair) Fill(p, Ellipse(QPointF(50, h.centre.y() + 6), h.rx + 4, h.ry + 10), c.hair, 0.6);
  Fill(p,
       Polygon({{46, h.centre.y() + 8},
                {54, h.centre.y() + 8},
                {54, h.centre.y() + 16},
                {46, h.centre.y() + 16}}),
       c.skin, 0.5);
  Fill(p, Ellipse(h.centre, h.rx, h.ry), c.skin, 0.7);
  // Hair on top.
  QPainterPath cap;
  cap.moveTo(50 - h.rx, h.centre.y() - 2);
  cap.cubicTo(50 - h.rx, h.Top() - 3, 50 + h.rx, h.Top() - 3, 50 + h.rx, h.centre.y() - 2);
  cap.cubicTo(50 + h.rx * 0.5, h.Top() + 3, 50 - h.rx * 0.5, h.Top() + 3, 50 - h.rx,
              h.centre.y() - 2);
  Fill(p, cap, c.hair, 0.5);
  // Eyes, brows and mouth.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 30, 40));
  p.drawEllipse(QPointF(46, h.centre.y() - 1), 1.1, 0.9);
  p.drawEllipse(QPointF(54, h.centre.y() - 1), 1.1, 0.9);
  p.setPen(QPen(c.hair.darker(120), 0.7));
  p.drawLine(QPointF(44, h.centre.y() - 3.5), QPointF(48, h.centre.y() - 4));
  p.drawLine(QPointF(52, h.centre.y() - 4), QPointF(56, h.centre.y() - 3.5));
  p.setPen(QPen(QColor(150, 60, 50), 0.8));
  p.drawLine(QPointF(50, h.centre.y() + 0.5), QPointF(49.3, h.centre.y() + 3.2));
  p.setPen(QPen(QColor(170, 40, 40), 0.9));
  p.drawArc(QRectF(47, h.centre.y() + 3.5, 6, 3), 200 * 16, 140 * 16);
  if (rank_value == 12) {
    QPainterPath beard(QPointF(50 - h.rx + 1, h.centre.y() + 2));
    beard.cubicTo(50 - h.rx + 2, h.centre.y() + 16, 50 + h.rx - 2, h.centre.y() + 16, 50 + h.rx - 1,
                  h.centre.y() + 2);
    beard.cubicTo(53, h.centre.y() + 7, 47, h.centre.y() + 7, 50 - h.rx + 1, h.centre.y() + 2);
    Fill(p, beard, c.hair, 0.5);
  }
}

void DrawRobe(QPainter& p, int suit, const CourtPalette& c, const QColor& ink) {
  const QColor robe = suit < 2 ? c.robe2 : c.robe;
  QPainterPath body(QPointF(1, 80));
  body.cubicTo(3, 64, 9, 56, 24, 54);
  body.cubicTo(34, 52.5, 42, 52, 50, 52);
  body.cubicTo(58, 52, 66, 52.5, 76, 54);
  body.cubicTo(91, 56, 97, 64, 99, 80);
  body.closeSubpath();
  QLinearGradient shade(0, 52, 0, 80);
  shade.setColorAt(0, robe.lighter(122));
  shade.setColorAt(1, robe.darker(112));
  p.setPen(QPen(Ink(robe), 0.8));
  p.setBrush(shade);
  p.drawPath(body);
  // A pattern of small dots on the garment.
  p.save();
  p.setClipPath(body);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(c.trim.red(), c.trim.green(), c.trim.blue(), 150));
  for (int y = 58; y < 82; y += 6)
    for (int x = 3 + (y / 6 % 2) * 3; x < 98; x += 6) p.drawEllipse(QPointF(x, y), 0.9, 0.9);
  p.restore();
  // Collar, the band down the front with its buttons, and the shoulder pieces.
  Fill(p, Polygon({{36, 53}, {50, 70}, {64, 53}, {57, 52}, {50, 60}, {43, 52}}), c.trim, 0.6);
  Fill(p, Polygon({{46.5, 68}, {53.5, 68}, {54.5, 80}, {45.5, 80}}), c.trim, 0.6);
  for (int y = 71; y < 80; y += 4) Jewel(p, QPointF(50, y), 1.2, ink);
  for (int side : {-1, 1})
    Fill(p, Ellipse(QPointF(50 + side * 27, 57), 11, 4.6), c.trim.darker(105), 0.6);
}

void DrawPerson(QPainter& p, int rank_value, int suit, const OwnTheme& theme) {
  Headgear kind = theme.headgear[rank_value - 10];
  CourtPalette palette = theme.palette;
  if (theme.seasons) {
    static const Headgear kSeasons[] = {Headgear::kSunHat, Headgear::kLeafWreath,
                                        Headgear::kFlowerCrown, Headgear::kFurHood};
    kind = kSeasons[suit & 3];
    palette.robe = palette.robe2 = theme.inks[suit & 3];
  }
  // The head and its headgear are drawn at a head size of 11 x 13 and enlarged around it.
  const Head head;
  auto head_space = [&p] {
    p.translate(50, 35);
    p.scale(1.22, 1.22);
    p.translate(-50, -30);
  };
  p.save();
  head_space();
  HeadgearBehind(p, kind, head, palette);
  p.restore();
  DrawRobe(p, suit, palette, theme.inks[suit & 3]);
  p.save();
  head_space();
  DrawHead(p, head, rank_value, palette, rank_value == 11);
  HeadgearFront(p, kind, head, palette);
  p.restore();
  // A sceptre for the king, a flower for the queen, a halberd for the jack.
  p.setPen(QPen(palette.metal.darker(130), 1.8));
  if (rank_value == 12) {
    p.drawLine(QPointF(84, 80), QPointF(88, 42));
    Jewel(p, QPointF(88.3, 40), 3.4, palette.metal);
  } else if (rank_value == 11) {
    p.setPen(QPen(QColor(40, 110, 50), 1.1));
    p.drawLine(QPointF(82, 76), QPointF(86, 50));
    Flower(p, QPointF(86, 47), 5, theme.inks[suit & 3].lighter(130), palette.metal);
  } else {
    p.drawLine(QPointF(86, 80), QPointF(88, 34));
    Fill(p, Polygon({{88, 26}, {95, 35}, {88, 40}, {83, 34}}), QColor(200, 204, 212), 0.5);
  }
  Fill(p, Ellipse(QPointF(84.5, 70), 4, 3.3), palette.skin, 0.5);
}

// A macaw, coloured by suit, with the rank's headgear.
void DrawParrot(QPainter& p, int rank_value, int suit, const OwnTheme& theme) {
  struct Plumage {
    QColor body, wing, belly, face;
  };
  static const Plumage kBirds[] = {
      {{214, 30, 30}, {40, 90, 200}, {240, 200, 40}, {250, 250, 250}},   // scarlet macaw
      {{40, 110, 210}, {30, 80, 170}, {250, 204, 30}, {250, 250, 250}},  // blue and gold
      {{40, 150, 60}, {30, 110, 50}, {150, 210, 80}, {230, 60, 50}},     // amazon
      {{40, 50, 150}, {30, 40, 120}, {60, 80, 180}, {250, 220, 60}},     // hyacinth
  };
  const Plumage& b = kBirds[suit & 3];
  // Tail and body.
  Fill(p, Polygon({{58, 80}, {72, 80}, {86, 54}, {80, 52}}), b.wing, 0.6);
  Fill(p, Ellipse(QPointF(50, 64), 19, 22), b.body, 0.8);
  Fill(p, Ellipse(QPointF(47, 68), 10, 14), b.belly, 0.5);
  QPainterPath wing(QPointF(56, 48));
  wing.cubicTo(74, 52, 74, 74, 62, 80);
  wing.cubicTo(60, 70, 56, 60, 56, 48);
  Fill(p, wing, b.wing, 0.6);
  p.setPen(QPen(b.wing.darker(150), 0.5));
  for (int i = 0; i < 4; ++i)
    p.drawLine(QPointF(60 + i * 2.5, 56 + i * 2), QPointF(62 + i * 2, 76));
  // Head, face patch, eye and hooked beak.
  const Head head{QPointF(48, 34), 12, 12};
  Fill(p, Ellipse(head.centre, head.rx, head.ry), b.body, 0.8);
  Fill(p, Ellipse(QPointF(52, 35), 5.5, 4.6), b.face, 0.4);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(20, 20, 20));
  p.drawEllipse(QPointF(52.5, 34.5), 1.6, 1.6);
  QPainterPath beak(QPointF(57, 31));
  beak.cubicTo(66, 30, 68, 38, 64, 45);
  beak.cubicTo(63, 40, 60, 38, 57, 39);
  beak.closeSubpath();
  Fill(p, beak, QColor(60, 60, 66), 0.5);
  Fill(p, Polygon({{57, 39}, {62, 40}, {59, 43}}), QColor(40, 40, 44), 0.4);
  HeadgearFront(p, theme.headgear[rank_value - 10], head, theme.palette);
}

void DrawHalf(QPainter& p, const QRectF& half, int rank_value, int suit, const OwnTheme& theme) {
  const double scale = std::min(half.width() / kBoxW, half.height() / kBoxH);
  p.save();
  p.translate(half.center().x() - kBoxW * scale / 2, half.bottom() - kBoxH * scale);
  p.scale(scale, scale);
  p.setRenderHint(QPainter::Antialiasing);
  if (theme.parrots) {
    p.save();
    p.translate(50, 80);
    p.scale(1.15, 1.15);
    p.translate(-50, -80);
    DrawParrot(p, rank_value, suit, theme);
    p.restore();
  } else {
    DrawPerson(p, rank_value, suit, theme);
  }
  p.restore();
  // The suit's sign in the corner of the picture.
  const double sign = std::min(half.width(), half.height()) * 0.22;
  DrawSuitSign(p, theme.family, suit, QRectF(half.left() + 3, half.top() + 3, sign, sign),
               theme.inks[suit & 3]);
}

}  // namespace

void DrawCourtPanel(QPainter& p, const QRectF& panel, int rank_value, int suit,
                    const OwnTheme& theme) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath clip;
  clip.addRoundedRect(panel, 3, 3);
  p.setClipPath(clip);
  QLinearGradient ground(panel.topLeft(), panel.bottomLeft());
  ground.setColorAt(0, theme.palette.panel.lighter(104));
  ground.setColorAt(0.5, theme.palette.panel.darker(106));
  ground.setColorAt(1, theme.palette.panel.lighter(104));
  p.fillRect(panel, ground);
  const QRectF upper(panel.left(), panel.top(), panel.width(), panel.height() / 2);
  DrawHalf(p, upper, rank_value, suit, theme);
  p.translate(panel.center());
  p.rotate(180);
  p.translate(-panel.center());
  DrawHalf(p, upper, rank_value, suit, theme);
  p.restore();
  // The line between the halves and the panel's frame.
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(theme.frame_ink, 0.8));
  p.drawLine(QPointF(panel.left(), panel.center().y()), QPointF(panel.right(), panel.center().y()));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(theme.edge, 1.0));
  p.drawRoundedRect(panel, 3, 3);
  p.restore();
}

}  // namespace artgen
