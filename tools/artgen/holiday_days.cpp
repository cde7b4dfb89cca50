// The holiday pictures of days of the year.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "glyphs.h"
#include "holiday_kit.h"

namespace artgen::holiday {

namespace {

void Flower(const QPointF& c, double r, const QColor& colour, QPainter& p) {
  for (int i = 0; i < 5; ++i) {
    p.save();
    p.translate(c);
    p.rotate(i * 72.0);
    p.setPen(QPen(colour.darker(160), 0.6));
    p.setBrush(Vertical(-r * 1.8, 0, colour.lighter(140), colour));
    p.drawEllipse(QRectF(-r * 0.55, -r * 1.8, r * 1.1, r * 1.4));
    p.restore();
  }
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(250, 200, 40));
  p.drawEllipse(c, r * 0.45, r * 0.45);
}

}  // namespace

QImage NewYear() {
  return Picture([](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 70, 30));
    p.drawRect(QRectF(24, 50, 6, 8));
    const double tiers[3][3] = {{10, 26, 22}, {20, 38, 17}, {32, 52, 12}};  // top, bottom, half
    for (int i = 2; i >= 0; --i) {
      QPainterPath tier;
      tier.moveTo(27, tiers[i][0] - 8);
      tier.lineTo(27 + tiers[i][2] + 4, tiers[i][1]);
      tier.quadTo(27, tiers[i][1] - 4, 27 - tiers[i][2] - 4, tiers[i][1]);
      tier.closeSubpath();
      p.setPen(QPen(QColor(10, 70, 30), 0.8));
      p.setBrush(Vertical(tiers[i][0] - 8, tiers[i][1], QColor(80, 180, 90), QColor(20, 110, 45)));
      p.drawPath(tier);
    }
    const QColor balls[] = {QColor(220, 30, 40), QColor(240, 200, 40), QColor(60, 120, 230),
                            QColor(230, 60, 200), QColor(240, 140, 30)};
    const QPointF at[] = {{20, 22}, {33, 29}, {16, 41}, {28, 44}, {40, 47}};
    for (int i = 0; i < 5; ++i) {
      QRadialGradient ball(at[i] - QPointF(0.8, 0.8), 3);
      ball.setColorAt(0, Qt::white);
      ball.setColorAt(0.4, balls[i]);
      ball.setColorAt(1, balls[i].darker(150));
      p.setPen(Qt::NoPen);
      p.setBrush(ball);
      p.drawEllipse(at[i], 2.6, 2.6);
    }
    p.setPen(QPen(QColor(150, 100, 0), 0.8));
    p.setBrush(QColor(255, 215, 40));
    p.drawPath(Star(QPointF(27, 4.5), 5, 2.2, 5));
  });
}

QImage Order() {
  return Picture([](QPainter& p) {
    const QPointF c(27, 30);
    p.setPen(QPen(QColor(140, 100, 20), 0.6));
    p.setBrush(Vertical(4, 56, QColor(255, 235, 150), QColor(190, 140, 30)));
    p.drawPath(Star(c, 25, 14, 16, M_PI / 16));
    p.setPen(QPen(QColor(110, 0, 0), 0.8));
    p.setBrush(Vertical(10, 50, QColor(240, 70, 60), QColor(150, 0, 10)));
    p.drawPath(Star(c, 19, 7.5, 5));
    p.setBrush(Vertical(24, 36, QColor(255, 240, 170), QColor(210, 160, 40)));
    p.drawEllipse(c, 6, 6);
    p.setPen(QPen(QColor(170, 0, 10), 1.5));
    p.drawPath(Star(c, 4, 1.6, 5));
  });
}

// The ribbon of St. George: a loop stroked over and over with narrower pens, black and orange.
QImage GeorgeRibbon() {
  return Picture([](QPainter& p) {
    QPainterPath loop;
    loop.moveTo(10, 56);
    loop.cubicTo(22, 40, 40, 18, 32, 8);
    loop.cubicTo(26, 0, 14, 6, 20, 18);
    loop.cubicTo(27, 32, 36, 44, 44, 56);
    const double widths[] = {13, 10.4, 7.8, 5.2, 2.6};
    for (int i = 0; i < 5; ++i) {
      p.setPen(QPen(i % 2 ? QColor(240, 130, 10) : QColor(20, 20, 20), widths[i], Qt::SolidLine,
                    Qt::FlatCap, Qt::RoundJoin));
      p.drawPath(loop);
    }
  });
}

QImage Love() {
  return Picture([](QPainter& p) {
    const std::pair<QPointF, double> hearts[] = {{{20, 26}, 26}, {{35, 36}, 22}};
    for (const auto& [c, size] : hearts) {
      QRadialGradient red(c - QPointF(size * 0.2, size * 0.25), size * 0.8);
      red.setColorAt(0, QColor(255, 150, 160));
      red.setColorAt(0.5, QColor(225, 20, 50));
      red.setColorAt(1, QColor(140, 0, 20));
      p.setPen(QPen(QColor(110, 0, 20), 0.8));
      p.setBrush(red);
      p.drawPath(Heart(c, size));
    }
  });
}

QImage WomensDay() {
  return Picture([](QPainter& p) {
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setBold(true);
    font.setPixelSize(46);
    QPainterPath eight;
    eight.addText(0, 0, font, QStringLiteral("8"));
    const QRectF b = eight.boundingRect();
    eight.translate(20 - b.center().x(), 28 - b.center().y());
    p.setPen(QPen(QColor(120, 0, 60), 1));
    p.setBrush(Vertical(6, 50, QColor(255, 120, 180), QColor(200, 20, 100)));
    p.drawPath(eight);
    // A sprig of mimosa.
    p.setPen(QPen(QColor(60, 120, 40), 1.4));
    p.drawLine(QPointF(34, 56), QPointF(44, 14));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 14; ++i) {
      const double t = i / 13.0;
      const QPointF at(34 + 10 * t + (i % 2 ? 4 : -4), 52 - 38 * t);
      p.setBrush(QColor(250, 215, 30));
      p.drawEllipse(at, 2.6, 2.6);
      p.setBrush(QColor(255, 245, 150));
      p.drawEllipse(at - QPointF(0.7, 0.7), 0.9, 0.9);
    }
  });
}

QImage Shamrock() {
  return Picture([](QPainter& p) {
    const QPointF c(27, 28);
    p.setPen(QPen(QColor(20, 90, 30), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath stem;
    stem.moveTo(c);
    stem.quadTo(30, 44, 38, 56);
    p.drawPath(stem);
    for (int i = 0; i < 3; ++i) {
      p.save();
      p.translate(c);
      p.rotate(i * 120.0);
      // The leaf's point towards the middle.
      p.translate(0, -11);
      p.setPen(QPen(QColor(10, 80, 20), 0.8));
      p.setBrush(Vertical(-10, 10, QColor(120, 210, 100), QColor(20, 130, 40)));
      p.drawPath(Heart(QPointF(0, 0), 20));
      p.restore();
    }
  });
}

QImage Laughing() {
  return Picture([](QPainter& p) {
    const QPointF c(27, 30);
    QRadialGradient face(c - QPointF(7, 8), 28);
    face.setColorAt(0, QColor(255, 245, 150));
    face.setColorAt(1, QColor(240, 170, 20));
    p.setPen(QPen(QColor(160, 100, 0), 1));
    p.setBrush(face);
    p.drawEllipse(c, 22, 22);
    p.setPen(QPen(QColor(70, 40, 0), 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(15, 18, 9, 8), 20 * 16, 140 * 16);
    p.drawArc(QRectF(30, 18, 9, 8), 20 * 16, 140 * 16);
    QPainterPath mouth;
    mouth.moveTo(15, 33);
    mouth.quadTo(27, 35, 39, 33);
    mouth.quadTo(27, 54, 15, 33);
    p.setPen(QPen(QColor(70, 40, 0), 1));
    p.setBrush(QColor(110, 20, 20));
    p.drawPath(mouth);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 90, 110));
    p.drawEllipse(QPointF(27, 42.5), 5, 3);
    // A jester's hat with bells.
    QPainterPath hat;
    hat.moveTo(9, 17);
    hat.quadTo(6, 2, 0.5, 6);
    hat.quadTo(16, 6, 27, 0.5);
    hat.quadTo(38, 6, 53.5, 6);
    hat.quadTo(48, 2, 45, 17);
    hat.quadTo(27, 8, 9, 17);
    p.setPen(QPen(QColor(60, 0, 80), 0.8));
    p.setBrush(Vertical(0, 17, QColor(170, 60, 220), QColor(90, 10, 140)));
    p.drawPath(hat);
    p.setBrush(QColor(250, 210, 40));
    for (const QPointF& bell : {QPointF(2, 7), QPointF(27, 2.5), QPointF(52, 7)})
      p.drawEllipse(bell, 2.3, 2.3);
  });
}

QImage MayDay() {
  return Picture([](QPainter& p) {
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setBold(true);
    font.setPixelSize(44);
    QPainterPath one;
    one.addText(0, 0, font, QStringLiteral("1"));
    const QRectF b = one.boundingRect();
    one.translate(17 - b.center().x(), 30 - b.center().y());
    p.setPen(QPen(QColor(110, 0, 0), 1));
    p.setBrush(Vertical(8, 52, QColor(250, 80, 70), QColor(170, 10, 20)));
    p.drawPath(one);
    p.setPen(QPen(QColor(40, 130, 40), 1.6));
    p.drawLine(QPointF(40, 30), QPointF(36, 58));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 160, 60));
    p.drawEllipse(QRectF(31, 42, 6, 12));
    Flower(QPointF(40, 24), 7, QColor(230, 40, 60), p);
    Flower(QPointF(47, 44), 4.5, QColor(255, 150, 190), p);
  });
}

QImage Balloons() {
  return Picture([](QPainter& p) {
    const std::tuple<QPointF, QColor> balloons[] = {{{16, 16}, QColor(230, 40, 50)},
                                                    {{38, 15}, QColor(40, 120, 230)},
                                                    {{27, 24}, QColor(250, 200, 30)}};
    p.setPen(QPen(QColor(90, 90, 90), 0.7));
    for (const auto& [c, colour] : balloons) {
      QPainterPath string;
      string.moveTo(c + QPointF(0, 13));
      string.cubicTo(c.x() + 3, c.y() + 22, 24, 44, 27, 58);
      p.setBrush(Qt::NoBrush);
      p.drawPath(string);
    }
    for (const auto& [c, colour] : balloons) {
      QRadialGradient g(c - QPointF(3, 4), 14);
      g.setColorAt(0, colour.lighter(170));
      g.setColorAt(0.5, colour);
      g.setColorAt(1, colour.darker(150));
      p.setPen(QPen(colour.darker(180), 0.6));
      p.setBrush(g);
      p.drawEllipse(c, 10, 12.5);
      p.setBrush(colour.darker(130));
      p.drawPolygon(QPolygonF({c + QPointF(-2, 14), c + QPointF(2, 14), c + QPointF(0, 12)}));
    }
  });
}

// Two beamed notes in the blue and red of France.
QImage Music() {
  return Picture([](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 85, 164));
    p.drawPolygon(QPolygonF({QPointF(16, 14), QPointF(44, 6), QPointF(44, 13), QPointF(16, 21)}));
    p.fillRect(QRectF(15, 16, 3, 30), QColor(0, 85, 164));
    p.fillRect(QRectF(41, 8, 3, 30), QColor(239, 65, 53));
    for (const auto& [c, colour] :
         {std::pair{QPointF(11, 46), QColor(0, 85, 164)}, {QPointF(37, 38), QColor(239, 65, 53)}}) {
      p.save();
      p.translate(c);
      p.rotate(-25);
      p.setBrush(Vertical(-5, 5, colour.lighter(150), colour.darker(120)));
      p.drawEllipse(QPointF(0, 0), 7.5, 5.2);
      p.restore();
    }
    p.setPen(QPen(QColor(120, 120, 120), 0.6));
    for (int i = 0; i < 5; ++i) p.drawLine(QPointF(0, 36 + i * 4.5), QPointF(54, 28 + i * 4.5));
  });
}

QImage Fireworks() {
  return Picture([](QPainter& p) {
    QRadialGradient night(QPointF(27, 28), 30);
    night.setColorAt(0, QColor(40, 50, 110));
    night.setColorAt(1, QColor(10, 15, 50));
    p.setPen(Qt::NoPen);
    p.setBrush(night);
    p.drawRoundedRect(QRectF(1, 2, 52, 56), 8, 8);
    const std::tuple<QPointF, double, QColor> bursts[] = {{{18, 20}, 13, QColor(255, 80, 80)},
                                                          {{38, 30}, 12, QColor(240, 240, 255)},
                                                          {{22, 44}, 9, QColor(110, 170, 255)}};
    for (const auto& [c, r, colour] : bursts) {
      for (int i = 0; i < 16; ++i) {
        const double a = i * M_PI / 8;
        const QPointF tip(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        p.setPen(QPen(colour, 1.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c + (tip - c) * 0.3, tip);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(tip, 0.9, 0.9);
      }
    }
  });
}

QImage Guitar() {
  return Picture([](QPainter& p) {
    p.translate(27, 30);
    p.rotate(35);
    p.setPen(QPen(QColor(60, 30, 10), 0.8));
    p.setBrush(QColor(70, 40, 20));
    p.drawRect(QRectF(-2.5, -30, 5, 26));
    p.drawRoundedRect(QRectF(-4, -34, 8, 7), 2, 2);
    QPainterPath body;
    body.addEllipse(QPointF(0, 6), 9, 9);
    body.addEllipse(QPointF(0, 17), 12, 11);
    QRadialGradient wood(QPointF(-4, 6), 22);
    wood.setColorAt(0, QColor(250, 190, 90));
    wood.setColorAt(1, QColor(170, 70, 10));
    p.setBrush(wood);
    p.drawPath(body.simplified());
    p.setBrush(QColor(40, 20, 5));
    p.drawEllipse(QPointF(0, 8), 3.6, 3.6);
    p.drawRect(QRectF(-5, 20, 10, 2.5));
    p.setPen(QPen(QColor(230, 230, 230), 0.4));
    for (double x : {-1.2, 0.0, 1.2}) p.drawLine(QPointF(x, -32), QPointF(x, 21));
  });
}

QImage Dove() {
  return Picture([](QPainter& p) {
    QRadialGradient sky(QPointF(27, 30), 27);
    sky.setColorAt(0, QColor(190, 220, 255));
    sky.setColorAt(1, QColor(90, 140, 210));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawEllipse(QPointF(27, 30), 26, 26);
    // Symbola's dove is drawn in lines: a wide white pen makes it a white bird.
    const char32_t dove = 0x1F54A;
    const QPainterPath bird = GlyphPath(QString::fromUcs4(&dove, 1), QRectF(7, 10, 40, 38));
    p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(bird);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 60, 110));
    p.drawPath(bird);
  });
}

QImage Programmer() {
  return Picture([](QPainter& p) {
    p.setPen(QPen(QColor(40, 40, 50), 1));
    p.setBrush(Vertical(6, 44, QColor(120, 125, 140), QColor(60, 62, 75)));
    p.drawRoundedRect(QRectF(2, 6, 50, 38), 3, 3);
    p.setBrush(QColor(10, 25, 15));
    p.drawRect(QRectF(5, 9, 44, 31));
    p.setBrush(QColor(80, 85, 95));
    p.drawPolygon(QPolygonF({QPointF(22, 44), QPointF(32, 44), QPointF(35, 52), QPointF(19, 52)}));
    p.drawRoundedRect(QRectF(12, 51, 30, 4), 2, 2);
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setBold(true);
    font.setPixelSize(11);
    p.setFont(font);
    p.setPen(QColor(80, 255, 120));
    p.drawText(QRectF(5, 10, 44, 14), Qt::AlignCenter, QStringLiteral("</>"));
    p.setPen(QColor(255, 220, 80));
    p.drawText(QRectF(5, 24, 44, 14), Qt::AlignCenter, QStringLiteral("256"));
  });
}

QImage TeaCup() {
  return Picture([](QPainter& p) {
    p.setPen(QPen(QColor(170, 170, 190, 200), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (double x : {20.0, 28.0}) {
      QPainterPath steam;
      steam.moveTo(x, 24);
      steam.cubicTo(x - 5, 18, x + 5, 12, x, 4);
      p.drawPath(steam);
    }
    p.setPen(QPen(QColor(120, 60, 30), 1));
    p.setBrush(Vertical(48, 56, QColor(250, 245, 235), QColor(200, 190, 175)));
    p.drawEllipse(QRectF(4, 47, 44, 9));
    p.setPen(QPen(QColor(160, 40, 40), 3));
    p.drawArc(QRectF(34, 31, 14, 12), -90 * 16, 180 * 16);
    QPainterPath cup;
    cup.moveTo(8, 27);
    cup.lineTo(42, 27);
    cup.cubicTo(42, 44, 36, 51, 25, 51);
    cup.cubicTo(14, 51, 8, 44, 8, 27);
    p.setPen(QPen(QColor(120, 20, 20), 1));
    p.setBrush(Vertical(27, 51, QColor(230, 70, 60), QColor(150, 20, 20)));
    p.drawPath(cup);
    p.setBrush(QColor(140, 70, 20));
    p.drawEllipse(QRectF(9, 25, 32, 5));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (const QPointF& dot : {QPointF(18, 38), QPointF(25, 43), QPointF(32, 37)})
      p.drawEllipse(dot, 2, 2);
  });
}

QImage Teacher() {
  return Picture([](QPainter& p) {
    p.setPen(QPen(QColor(90, 55, 20), 1));
    p.setBrush(QColor(150, 95, 40));
    p.drawRoundedRect(QRectF(1, 6, 52, 36), 2, 2);
    p.setBrush(Vertical(9, 39, QColor(50, 110, 70), QColor(25, 70, 45)));
    p.drawRect(QRectF(4, 9, 46, 30));
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(13);
    font.setItalic(true);
    p.setFont(font);
    p.setPen(QColor(240, 240, 230));
    p.drawText(QRectF(4, 9, 46, 16), Qt::AlignCenter, QStringLiteral("A B C"));
    p.drawText(QRectF(4, 22, 46, 16), Qt::AlignCenter, QStringLiteral("2+2=4"));
    QRadialGradient apple(QPointF(36, 46), 12);
    apple.setColorAt(0, QColor(255, 120, 100));
    apple.setColorAt(1, QColor(170, 10, 20));
    p.setPen(QPen(QColor(110, 0, 0), 0.8));
    p.setBrush(apple);
    QPainterPath fruit;
    fruit.addEllipse(QRectF(30, 43, 11, 14));
    fruit.addEllipse(QRectF(37, 43, 11, 14));
    p.drawPath(fruit.simplified());
    p.setPen(QPen(QColor(90, 50, 10), 1.4));
    p.drawLine(QPointF(39, 44), QPointF(40, 39));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 160, 50));
    p.drawEllipse(QRectF(41, 38, 7, 4));
  });
}

QImage Book() {
  return Picture([](QPainter& p) {
    for (int side : {-1, 1}) {
      QPainterPath page;
      page.moveTo(27, 20);
      page.cubicTo(27 + side * 8, 14, 27 + side * 18, 14, 27 + side * 25, 17);
      page.lineTo(27 + side * 25, 50);
      page.cubicTo(27 + side * 18, 47, 27 + side * 8, 47, 27, 53);
      page.closeSubpath();
      p.setPen(QPen(QColor(90, 70, 40), 0.8));
      p.setBrush(Vertical(14, 53, QColor(255, 252, 240), QColor(225, 215, 190)));
      p.drawPath(page);
      p.setPen(QPen(QColor(120, 120, 140), 0.7));
      for (int line = 0; line < 6; ++line) {
        const double y = 23 + line * 4.5;
        p.drawLine(QPointF(27 + side * 4, y + 1), QPointF(27 + side * 21, y - 1));
      }
    }
    p.setPen(QPen(QColor(150, 20, 20), 2));
    p.drawLine(QPointF(27, 20), QPointF(27, 53));
    // A little atom above the book, for science.
    p.setPen(QPen(QColor(40, 100, 200), 1));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
      p.save();
      p.translate(27, 8);
      p.rotate(i * 60.0);
      p.drawEllipse(QPointF(0, 0), 9, 3.2);
      p.restore();
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 40, 40));
    p.drawEllipse(QPointF(27, 8), 1.8, 1.8);
  });
}

}  // namespace artgen::holiday
