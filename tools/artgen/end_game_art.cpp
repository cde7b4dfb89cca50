#include "end_game_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <vector>

#include "canvas.h"
#include "gif_writer.h"

namespace artgen {

namespace {

constexpr int kWidth = 100;
constexpr int kHeight = 200;
constexpr double kPi = 3.14159265358979;

// A cup on its stand, `lift` (0..1) of the way up from below the frame, with a shine sweeping
// across once it stands.
void Cup(QPainter& p, const QColor& metal, double lift, double shine) {
  const double dy = (1.0 - lift) * 150;
  p.save();
  p.translate(0, dy);
  QLinearGradient body(20, 0, 80, 0);
  body.setColorAt(0, metal.darker(150));
  body.setColorAt(0.35, metal.lighter(150));
  body.setColorAt(1, metal.darker(130));
  QPainterPath cup;
  cup.moveTo(18, 50);
  cup.lineTo(82, 50);
  cup.quadTo(82, 118, 50, 128);
  cup.quadTo(18, 118, 18, 50);
  p.setPen(QPen(metal.darker(220), 2));
  p.setBrush(body);
  p.drawPath(cup);
  // Handles.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(metal.darker(140), 5));
  p.drawArc(QRectF(6, 58, 20, 30), 90 * 16, 180 * 16);
  p.drawArc(QRectF(74, 58, 20, 30), -90 * 16, 180 * 16);
  p.setPen(QPen(metal.darker(220), 2));
  p.setBrush(body);
  p.drawRect(QRectF(44, 128, 12, 34));
  p.drawRoundedRect(QRectF(26, 160, 48, 14), 3, 3);
  if (shine > 0 && shine < 1) {
    // A light that runs over the cup from left to right.
    const double x = 10 + shine * 80;
    QLinearGradient light(x - 12, 0, x + 12, 0);
    light.setColorAt(0, QColor(255, 255, 255, 0));
    light.setColorAt(0.5, QColor(255, 255, 255, 170));
    light.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(light);
    p.drawPath(cup);
  }
  p.restore();
}

void Star(QPainter& p, QPointF centre, double r, const QColor& colour) {
  QPainterPath star;
  for (int i = 0; i < 10; ++i) {
    const double a = -kPi / 2 + i * kPi / 5;
    const double radius = i % 2 ? r * 0.45 : r;
    const QPointF point(centre.x() + radius * std::cos(a), centre.y() + radius * std::sin(a));
    if (i == 0) {
      star.moveTo(point);
    } else {
      star.lineTo(point);
    }
  }
  star.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPath(star);
}

// The cup rises for 16 frames, a light crosses it, then stars come out; the last frames stand
// still so that the animation ends on the whole picture.
QByteArray Winner(const QColor& metal, bool stars) {
  std::vector<QImage> frames;
  for (int f = 0; f < 30; ++f) {
    QImage frame = Clear(kWidth, kHeight);
    QPainter p(&frame);
    p.setRenderHint(QPainter::Antialiasing);
    const double lift = std::min(1.0, f / 15.0);
    const double shine = f >= 16 && f < 24 ? (f - 16) / 8.0 : 0.0;
    Cup(p, metal, lift, shine);
    if (f >= 18) {
      const int shown = std::min(5, (f - 17) / 2 + 1);
      const QPointF places[] = {{18, 26}, {82, 30}, {50, 14}, {10, 110}, {90, 104}};
      for (int i = 0; i < shown; ++i)
        Star(p, places[i], stars ? 9 : 6, stars ? QColor(255, 210, 40) : QColor(210, 220, 240));
    }
    frames.push_back(Done(frame));
  }
  return EncodeGif(frames, 8);
}

// A dull cup under falling drops, round and round.
QByteArray Loser() {
  std::vector<QImage> frames;
  for (int f = 0; f < 6; ++f) {
    QImage frame = Clear(kWidth, kHeight);
    QPainter p(&frame);
    p.setRenderHint(QPainter::Antialiasing);
    Cup(p, QColor(120, 130, 150), 1.0, 0.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 120, 220, 200));
    for (int drop = 0; drop < 4; ++drop) {
      const double y = std::fmod(10 + drop * 45 + f * 7.5, 180.0);
      p.drawEllipse(QPointF(20 + drop * 20, y), 3, 5);
    }
    frames.push_back(Done(frame));
  }
  return EncodeGif(frames, 12);
}

QImage Medal() {
  QImage image = Clear(104, 60);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  // The ribbon behind, the golden disc in front.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(170, 20, 30));
  p.drawPolygon(QPolygonF({QPointF(18, 0), QPointF(40, 0), QPointF(52, 24), QPointF(34, 24)}));
  p.setBrush(QColor(30, 60, 170));
  p.drawPolygon(QPolygonF({QPointF(86, 0), QPointF(64, 0), QPointF(52, 24), QPointF(70, 24)}));
  QRadialGradient gold(QPointF(44, 28), 40);
  gold.setColorAt(0, QColor(255, 240, 160));
  gold.setColorAt(0.6, QColor(226, 180, 50));
  gold.setColorAt(1, QColor(150, 100, 20));
  p.setPen(QPen(QColor(120, 80, 10), 2));
  p.setBrush(gold);
  p.drawEllipse(QRectF(30, 14, 44, 44));
  return Done(image);
}

QImage Place(int place) {
  QImage image = Clear(104, 60);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QFont font(QStringLiteral("DejaVu Serif"));
  font.setBold(true);
  font.setPixelSize(place == 10 ? 20 : 24);
  p.setFont(font);
  p.setPen(QColor(110, 20, 10));
  p.drawText(QRectF(30, 14, 44, 44), Qt::AlignCenter, QString::number(place));
  return Done(image);
}

}  // namespace

bool MakeEndGamePictures(BundleWriter& out) {
  out.AddData(QStringLiteral("GIF"), QStringLiteral("GEndBest"),
              Winner(QColor(222, 176, 40), true));
  out.AddData(QStringLiteral("GIF"), QStringLiteral("GEndGood"),
              Winner(QColor(190, 196, 210), false));
  out.AddData(QStringLiteral("GIF"), QStringLiteral("GEndBads"), Loser());
  out.AddPng(QStringLiteral("RCDATA"), QStringLiteral("GMedal"), Medal());
  for (int place = 1; place <= 10; ++place)
    out.AddPng(QStringLiteral("RCDATA"),
               QStringLiteral("GPlace%1").arg(place, 2, 10, QLatin1Char('0')), Place(place));
  return true;
}

}  // namespace artgen
