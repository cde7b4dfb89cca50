// The holiday pictures of the churches' feasts and of our own days.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "glyphs.h"
#include "holiday_kit.h"

namespace artgen::holiday {

namespace {

// A playing card for our own days.
void Card(QPainter& p, const QPointF& at, double turn, const QString& corner, char32_t suit,
          const QColor& ink) {
  p.save();
  p.translate(at);
  p.rotate(turn);
  p.setPen(QPen(QColor(80, 80, 80), 0.8));
  p.setBrush(Vertical(-18, 18, Qt::white, QColor(235, 235, 225)));
  p.drawRoundedRect(QRectF(-12, -17, 24, 34), 2.5, 2.5);
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  p.drawPath(GlyphPath(QString::fromUcs4(&suit, 1), QRectF(-6.5, -5, 13, 13)));
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setBold(true);
  font.setPixelSize(8);
  p.setFont(font);
  p.setPen(ink);
  p.drawText(QRectF(-11, -16.5, 10, 9), Qt::AlignCenter, corner);
  p.restore();
}

}  // namespace

QImage Pumpkin() {
  return Picture([](QPainter& p) {
    p.setPen(QPen(QColor(60, 90, 20), 1));
    p.setBrush(QColor(90, 120, 30));
    p.drawRoundedRect(QRectF(24, 6, 6, 12), 2, 2);
    const double lobes[] = {12, 20, 34, 42, 27};
    for (double x : lobes) {
      QRadialGradient skin(QPointF(x - 3, 28), 22);
      skin.setColorAt(0, QColor(255, 180, 60));
      skin.setColorAt(1, QColor(200, 80, 0));
      p.setPen(QPen(QColor(140, 50, 0), 0.8));
      p.setBrush(skin);
      const double half = x == 27 ? 11 : 10;
      p.drawEllipse(QRectF(x - half, 14, half * 2, 42));
    }
    p.setPen(Qt::NoPen);
    QRadialGradient glow(QPointF(27, 38), 16);
    glow.setColorAt(0, QColor(255, 250, 150));
    glow.setColorAt(1, QColor(250, 170, 20));
    p.setBrush(glow);
    p.drawPolygon(QPolygonF({QPointF(14, 32), QPointF(23, 32), QPointF(18.5, 24)}));
    p.drawPolygon(QPolygonF({QPointF(31, 32), QPointF(40, 32), QPointF(35.5, 24)}));
    QPainterPath mouth;
    mouth.moveTo(11, 39);
    const double teeth[][2] = {{16, 42}, {19, 46}, {23, 43}, {27, 47},
                               {31, 43}, {35, 46}, {38, 42}, {43, 39}};
    for (const auto& t : teeth) mouth.lineTo(t[0], t[1]);
    mouth.quadTo(27, 58, 11, 39);
    p.drawPath(mouth);
  });
}

QImage Turkey() {
  return Picture([](QPainter& p) {
    const QColor feathers[] = {QColor(200, 60, 30), QColor(230, 150, 30), QColor(150, 90, 40),
                               QColor(230, 190, 60), QColor(180, 50, 40)};
    for (int i = 0; i < 9; ++i) {
      p.save();
      p.translate(27, 38);
      p.rotate(-80 + i * 20.0);
      p.setPen(QPen(QColor(90, 40, 10), 0.6));
      p.setBrush(Vertical(-34, 0, feathers[i % 5].lighter(120), feathers[i % 5].darker(130)));
      p.drawEllipse(QRectF(-5, -34, 10, 34));
      p.restore();
    }
    QRadialGradient body(QPointF(24, 38), 16);
    body.setColorAt(0, QColor(170, 110, 60));
    body.setColorAt(1, QColor(90, 50, 20));
    p.setPen(QPen(QColor(60, 30, 10), 0.8));
    p.setBrush(body);
    p.drawEllipse(QRectF(15, 30, 24, 24));
    p.setBrush(QColor(150, 100, 60));
    p.drawEllipse(QRectF(21, 19, 12, 13));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(25, 24), 2, 2);
    p.drawEllipse(QPointF(30, 24), 2, 2);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(25.3, 24.3), 0.9, 0.9);
    p.drawEllipse(QPointF(30.3, 24.3), 0.9, 0.9);
    p.setBrush(QColor(250, 190, 30));
    p.drawPolygon(QPolygonF({QPointF(25.5, 27), QPointF(29.5, 27), QPointF(27.5, 30.5)}));
    p.setBrush(QColor(220, 30, 30));
    p.drawEllipse(QRectF(28, 28.5, 3, 6));
    p.setPen(QPen(QColor(230, 160, 30), 1.6));
    p.drawLine(QPointF(23, 53), QPointF(22, 58));
    p.drawLine(QPointF(31, 53), QPointF(32, 58));
  });
}

QImage EasterEggs() {
  return Picture([](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(Vertical(44, 60, QColor(120, 200, 80), QColor(40, 120, 30)));
    p.drawEllipse(QRectF(0, 44, 54, 16));
    const std::tuple<QPointF, double, QColor, QColor> eggs[] = {
        {{15, 38}, -12, QColor(230, 40, 50), QColor(255, 230, 80)},
        {{39, 38}, 14, QColor(60, 110, 220), Qt::white},
        {{27, 31}, 0, QColor(250, 180, 30), QColor(200, 40, 120)}};
    for (const auto& [c, turn, colour, pattern] : eggs) {
      p.save();
      p.translate(c);
      p.rotate(turn);
      QPainterPath egg;
      egg.moveTo(0, -15);
      egg.cubicTo(9, -15, 11, 4, 10, 7);
      egg.cubicTo(9, 13, 4, 15, 0, 15);
      egg.cubicTo(-4, 15, -9, 13, -10, 7);
      egg.cubicTo(-11, 4, -9, -15, 0, -15);
      QRadialGradient shell(QPointF(-3, -6), 18);
      shell.setColorAt(0, colour.lighter(160));
      shell.setColorAt(1, colour.darker(130));
      p.setPen(QPen(colour.darker(170), 0.7));
      p.setBrush(shell);
      p.drawPath(egg);
      p.setClipPath(egg);
      p.setPen(QPen(pattern, 1.6));
      p.drawLine(QPointF(-12, -3), QPointF(12, -3));
      p.drawLine(QPointF(-12, 5), QPointF(12, 5));
      p.setPen(Qt::NoPen);
      p.setBrush(pattern);
      for (double x : {-5.0, 0.0, 5.0}) p.drawEllipse(QPointF(x, 1), 1.3, 1.3);
      p.restore();
    }
  });
}

// A golden cross with a glow behind it: the Orthodox one with the footrest, or the Latin one.
QImage Cross(bool orthodox) {
  return Picture([orthodox](QPainter& p) {
    QRadialGradient glow(QPointF(27, 26), 26);
    glow.setColorAt(0, QColor(255, 240, 170, 230));
    glow.setColorAt(1, QColor(255, 240, 170, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(QPointF(27, 26), 26, 26);
    QPainterPath cross;
    cross.addRect(QRectF(24, 3, 6, 54));
    if (orthodox) {
      cross.addRect(QRectF(19, 9, 16, 3.5));
      cross.addRect(QRectF(12, 18, 30, 5));
      QPolygonF rest({QPointF(16, 43), QPointF(38, 36), QPointF(38, 40), QPointF(16, 47)});
      cross.addPolygon(rest);
    } else {
      cross.addRect(QRectF(12, 16, 30, 6));
    }
    p.setPen(QPen(QColor(120, 80, 0), 0.9));
    p.setBrush(Vertical(3, 57, QColor(255, 235, 140), QColor(200, 140, 20)));
    p.drawPath(cross.simplified());
  });
}

QImage Nativity() {
  return Picture([](QPainter& p) {
    QRadialGradient night(QPointF(27, 30), 30);
    night.setColorAt(0, QColor(40, 60, 130));
    night.setColorAt(1, QColor(10, 15, 55));
    p.setPen(Qt::NoPen);
    p.setBrush(night);
    p.drawRoundedRect(QRectF(1, 2, 52, 56), 8, 8);
    p.setBrush(QColor(255, 255, 255, 200));
    for (const QPointF& s : {QPointF(8, 10), QPointF(45, 14), QPointF(12, 48), QPointF(44, 46),
                             QPointF(36, 7), QPointF(6, 30)})
      p.drawEllipse(s, 0.9, 0.9);
    QRadialGradient glow(QPointF(27, 28), 18);
    glow.setColorAt(0, QColor(255, 250, 200, 200));
    glow.setColorAt(1, QColor(255, 250, 200, 0));
    p.setBrush(glow);
    p.drawEllipse(QPointF(27, 28), 18, 18);
    // The star of Bethlehem: eight rays, the lower one long.
    QPainterPath star;
    const double rays[8] = {16, 9, 12, 9, 26, 9, 12, 9};
    for (int i = 0; i < 16; ++i) {
      const double a = i * M_PI / 8 - M_PI / 2;
      const double r = i % 2 ? 3 : rays[i / 2];
      const QPointF at(27 + r * std::cos(a), 26 + r * std::sin(a));
      i ? star.lineTo(at) : star.moveTo(at);
    }
    star.closeSubpath();
    p.setPen(QPen(QColor(180, 130, 0), 0.6));
    p.setBrush(Vertical(10, 52, QColor(255, 250, 200), QColor(240, 180, 30)));
    p.drawPath(star);
  });
}

QImage FirstDeal() {
  return Picture([](QPainter& p) {
    Card(p, QPointF(16, 34), -20, QStringLiteral("A"), 0x2660, QColor(20, 20, 20));
    Card(p, QPointF(27, 30), 0, QStringLiteral("K"), 0x2665, QColor(200, 20, 30));
    Card(p, QPointF(38, 34), 20, QStringLiteral("Q"), 0x2666, QColor(200, 20, 30));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(10);
    p.setFont(font);
    p.setPen(QColor(180, 20, 30));
    p.drawText(QRectF(0, 0, 54, 11), Qt::AlignCenter, QStringLiteral("Q"));
  });
}

QImage DrawPhase() {
  return Picture([](QPainter& p) {
    for (int i = 0; i < 4; ++i) {
      const QRectF back(8 + i * 1.5, 24 - i * 1.5, 24, 32);
      p.setPen(QPen(QColor(20, 40, 90), 0.8));
      p.setBrush(Vertical(back.top(), back.bottom(), QColor(70, 110, 200), QColor(20, 50, 130)));
      p.drawRoundedRect(back, 2.5, 2.5);
      p.setPen(QPen(QColor(200, 215, 255, 150), 0.6));
      p.drawRoundedRect(back.adjusted(2.5, 2.5, -2.5, -2.5), 1.5, 1.5);
    }
    Card(p, QPointF(38, 20), 18, QStringLiteral("J"), 0x2663, QColor(20, 20, 20));
    p.setPen(QPen(QColor(30, 140, 40), 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath arrow;
    arrow.moveTo(22, 16);
    arrow.quadTo(22, 4, 31, 3);
    p.drawPath(arrow);
    p.setBrush(QColor(30, 140, 40));
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF({QPointF(30, -0.5), QPointF(35, 3), QPointF(30, 6.5)}));
  });
}

QImage Trophy() {
  return Picture([](QPainter& p) {
    Glyph(p, 0x1F3C6, QRectF(5, 3, 44, 46), QColor(255, 240, 150), QColor(210, 150, 20),
          QColor(110, 70, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 50, 30));
    p.drawRoundedRect(QRectF(14, 50, 26, 8), 2, 2);
    p.setBrush(QColor(230, 190, 80));
    p.drawRect(QRectF(20, 52.5, 14, 3));
  });
}

QImage GrandSlam() {
  return Picture([](QPainter& p) {
    Glyph(p, 0x1F451, QRectF(6, 2, 42, 28), QColor(255, 240, 150), QColor(210, 150, 20),
          QColor(110, 70, 0));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(20);
    QPainterPath text;
    text.addText(0, 0, font, QStringLiteral("7NT"));
    const QRectF b = text.boundingRect();
    text.translate(27 - b.center().x(), 45 - b.center().y());
    p.setPen(QPen(QColor(10, 20, 60), 1));
    p.setBrush(Vertical(34, 56, QColor(90, 130, 230), QColor(20, 40, 130)));
    p.drawPath(text);
  });
}

}  // namespace artgen::holiday
