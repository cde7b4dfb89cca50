#include "radio_art.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "canvas.h"

namespace artgen {

namespace {

constexpr int kWidth = 420;
constexpr int kHeight = 260;

// The set's walnut case, its cloth-covered speaker and the lit dial: green while it plays, a dim
// red glow while it is off.
QImage Cabinet(bool on) {
  QImage image = Clear(kWidth, kHeight);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF body(4, 4, kWidth - 8, kHeight - 8);
  QLinearGradient wood(body.topLeft(), body.bottomLeft());
  wood.setColorAt(0, QColor(122, 70, 36));
  wood.setColorAt(0.5, QColor(92, 50, 24));
  wood.setColorAt(1, QColor(60, 32, 16));
  p.setPen(QPen(QColor(40, 20, 10), 3));
  p.setBrush(wood);
  p.drawRoundedRect(body, 26, 26);
  // The grain of the wood.
  p.setPen(QPen(QColor(255, 220, 170, 22), 2));
  for (int i = 0; i < 14; ++i) {
    QPainterPath grain;
    const double y = 18 + i * 17;
    grain.moveTo(16, y);
    grain.cubicTo(140, y - 8, 280, y + 9, kWidth - 16, y - 2);
    p.drawPath(grain);
  }
  // The speaker: woven cloth behind three brass bars.
  const QRectF speaker(28, 30, 150, 200);
  QLinearGradient cloth(speaker.topLeft(), speaker.bottomRight());
  cloth.setColorAt(0, QColor(196, 170, 126));
  cloth.setColorAt(1, QColor(150, 124, 86));
  p.setPen(QPen(QColor(50, 26, 12), 2));
  p.setBrush(cloth);
  p.drawRoundedRect(speaker, 16, 16);
  p.setPen(QPen(QColor(120, 96, 64, 120), 1));
  for (double x = speaker.left() + 4; x < speaker.right(); x += 4)
    p.drawLine(QPointF(x, speaker.top() + 3), QPointF(x, speaker.bottom() - 3));
  for (double y = speaker.top() + 4; y < speaker.bottom(); y += 4)
    p.drawLine(QPointF(speaker.left() + 3, y), QPointF(speaker.right() - 3, y));
  QLinearGradient brass(0, 0, 0, 8);
  brass.setColorAt(0, QColor(250, 220, 130));
  brass.setColorAt(1, QColor(160, 120, 40));
  p.setPen(QPen(QColor(90, 64, 20), 1));
  p.setBrush(brass);
  for (int i = 0; i < 3; ++i)
    p.drawRoundedRect(
        QRectF(speaker.left() - 4, speaker.top() + 44 + i * 50, speaker.width() + 8, 8), 4, 4);
  // The dial: a glass window with its scale and needle, lit from behind.
  const QRectF dial(196, 30, 196, 86);
  QLinearGradient glow(dial.topLeft(), dial.bottomLeft());
  if (on) {
    glow.setColorAt(0, QColor(200, 255, 190));
    glow.setColorAt(1, QColor(70, 170, 80));
  } else {
    glow.setColorAt(0, QColor(140, 70, 60));
    glow.setColorAt(1, QColor(70, 26, 24));
  }
  p.setPen(QPen(QColor(200, 160, 80), 4));
  p.setBrush(glow);
  p.drawRoundedRect(dial, 10, 10);
  p.setPen(QPen(QColor(30, 40, 30, on ? 230 : 150), 1.4));
  for (int i = 0; i <= 20; ++i) {
    const double x = dial.left() + 14 + i * (dial.width() - 28) / 20;
    p.drawLine(QPointF(x, dial.top() + 12), QPointF(x, dial.top() + (i % 5 == 0 ? 30 : 22)));
  }
  QFont scale(QStringLiteral("DejaVu Sans"));
  scale.setPixelSize(11);
  p.setFont(scale);
  const char* const marks[] = {"530", "700", "1000", "1300", "1600"};
  for (int i = 0; i < 5; ++i)
    p.drawText(QRectF(dial.left() + 26 + i * (dial.width() - 52) / 4 - 20, dial.top() + 32, 40, 14),
               Qt::AlignCenter, QString::fromLatin1(marks[i]));
  p.setPen(QPen(on ? QColor(200, 20, 10) : QColor(90, 30, 20), 2.4));
  p.drawLine(QPointF(dial.left() + 120, dial.top() + 8),
             QPointF(dial.left() + 120, dial.bottom() - 8));
  // The two knobs below the dial.
  for (const double cx : {236.0, 352.0}) {
    const QPointF c(cx, 196);
    QRadialGradient knob(c - QPointF(6, 6), 30);
    knob.setColorAt(0, QColor(250, 230, 170));
    knob.setColorAt(0.6, QColor(170, 130, 60));
    knob.setColorAt(1, QColor(90, 60, 20));
    p.setPen(QPen(QColor(50, 30, 10), 2));
    p.setBrush(knob);
    p.drawEllipse(c, 26, 26);
    p.setPen(QPen(QColor(60, 40, 10), 3));
    p.drawLine(c, c + QPointF(0, -20));
  }
  // The pilot lamp between them.
  const QPointF lamp(294, 196);
  if (on) {
    QRadialGradient halo(lamp, 16);
    halo.setColorAt(0, QColor(120, 255, 120, 180));
    halo.setColorAt(1, QColor(120, 255, 120, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(lamp, 16, 16);
  }
  QRadialGradient bulb(lamp - QPointF(2, 2), 8);
  bulb.setColorAt(0, on ? QColor(230, 255, 220) : QColor(200, 120, 110));
  bulb.setColorAt(1, on ? QColor(20, 150, 40) : QColor(90, 20, 20));
  p.setPen(QPen(QColor(40, 30, 20), 1.4));
  p.setBrush(bulb);
  p.drawEllipse(lamp, 7, 7);
  return Done(image);
}

// The volume picture: softer on the left, louder on the right.
QImage Volume() {
  QImage image = Clear(60, 40);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient plate(0, 0, 0, 40);
  plate.setColorAt(0, QColor(250, 226, 150));
  plate.setColorAt(1, QColor(170, 128, 50));
  p.setPen(QPen(QColor(80, 56, 20), 1.5));
  p.setBrush(plate);
  p.drawRoundedRect(QRectF(1, 1, 58, 38), 8, 8);
  p.setPen(QPen(QColor(70, 40, 10), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(7, 20), QPointF(19, 20));
  p.drawLine(QPointF(41, 20), QPointF(53, 20));
  p.drawLine(QPointF(47, 14), QPointF(47, 26));
  // A small speaker with its waves in the middle.
  p.setBrush(QColor(70, 40, 10));
  p.setPen(Qt::NoPen);
  QPainterPath cone;
  cone.moveTo(25, 17);
  cone.lineTo(28, 17);
  cone.lineTo(32, 13);
  cone.lineTo(32, 27);
  cone.lineTo(28, 23);
  cone.lineTo(25, 23);
  cone.closeSubpath();
  p.drawPath(cone);
  return Done(image);
}

// The logo's frame: gilded, open in the middle.
QImage Frame() {
  QImage image = Clear(124, 94);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath frame;
  frame.addRoundedRect(QRectF(1, 1, 122, 92), 10, 10);
  QPainterPath inside;
  inside.addRoundedRect(QRectF(10, 10, 104, 74), 6, 6);
  QLinearGradient gold(0, 0, 124, 94);
  gold.setColorAt(0, QColor(255, 236, 150));
  gold.setColorAt(0.5, QColor(196, 150, 50));
  gold.setColorAt(1, QColor(250, 214, 110));
  p.setPen(QPen(QColor(110, 76, 20), 1.5));
  p.setBrush(gold);
  p.drawPath(frame.subtracted(inside));
  return Done(image);
}

// The volume in tens, as a small lit display with its bar.
QImage Digits(int tens) {
  QImage image = Clear(64, 30);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(20, 30, 20), 1.5));
  p.setBrush(QColor(16, 40, 20));
  p.drawRoundedRect(QRectF(1, 1, 62, 28), 5, 5);
  QFont font(QStringLiteral("DejaVu Sans Mono"));
  font.setPixelSize(15);
  font.setBold(true);
  p.setFont(font);
  p.setPen(QColor(140, 255, 140));
  p.drawText(QRectF(4, 2, 56, 18), Qt::AlignCenter, QString::number(tens * 10));
  for (int i = 0; i < 10; ++i) {
    p.setPen(Qt::NoPen);
    p.setBrush(i < tens ? QColor(120, 240, 120) : QColor(40, 80, 40));
    p.drawRect(QRectF(7 + i * 5, 22, 4, 3));
  }
  return Done(image);
}

// A station's logo: its colours, a sign and its name.
QImage Logo(const QColor& top, const QColor& bottom, const QString& sign, const QString& name) {
  QImage image = Clear(104, 74);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient back(0, 0, 0, 74);
  back.setColorAt(0, top);
  back.setColorAt(1, bottom);
  p.setPen(Qt::NoPen);
  p.setBrush(back);
  p.drawRoundedRect(QRectF(0, 0, 104, 74), 6, 6);
  QFont big(QStringLiteral("DejaVu Serif"));
  big.setPixelSize(34);
  big.setBold(true);
  p.setFont(big);
  p.setPen(QColor(255, 255, 255, 235));
  p.drawText(QRectF(0, 2, 104, 44), Qt::AlignCenter, sign);
  QFont small(QStringLiteral("DejaVu Sans"));
  small.setPixelSize(12);
  small.setBold(true);
  p.setFont(small);
  p.drawText(QRectF(0, 46, 104, 24), Qt::AlignCenter, name);
  return Done(image);
}

// The logo of a station that names none: a mast sending its waves.
QImage AnyStation() {
  QImage image = Logo(QColor(60, 90, 150), QColor(20, 40, 90), QString(), QStringLiteral("RADIO"));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(255, 255, 255, 230), 2.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(52, 40), QPointF(44, 10 + 30));
  p.drawLine(QPointF(52, 14), QPointF(44, 42));
  p.drawLine(QPointF(52, 14), QPointF(60, 42));
  p.setBrush(Qt::NoBrush);
  for (int r = 8; r <= 20; r += 6)
    p.drawArc(QRectF(52 - r, 14 - r, 2 * r, 2 * r), 30 * 16, 120 * 16);
  return Done(image);
}

}  // namespace

bool MakeRadioPart(BundleWriter& out) {
  const QString type = QStringLiteral("RCDATA");
  out.AddPng(type, QStringLiteral("RRADIO_MAING"), Cabinet(true));
  out.AddPng(type, QStringLiteral("RRADIO_MAINR"), Cabinet(false));
  out.AddPng(type, QStringLiteral("RRADIO_VOLUME"), Volume());
  out.AddPng(type, QStringLiteral("RRADIO_RAMKA"), Frame());
  for (int tens = 0; tens <= 10; ++tens)
    out.AddPng(type, QStringLiteral("%1").arg(tens, 2, 10, QLatin1Char('0')), Digits(tens));
  out.AddPng(type, QStringLiteral("RRADIO_LOGO_RADIOUN"), AnyStation());
  out.AddPng(type, QStringLiteral("RRADIO_LOGO_QUORVEX1"),
             Logo(QColor(40, 120, 70), QColor(10, 60, 30), QStringLiteral("\u2660"),
                  QStringLiteral("QUORVEX 1")));
  out.AddPng(type, QStringLiteral("RRADIO_LOGO_QUORVEX2"),
             Logo(QColor(190, 40, 40), QColor(110, 10, 20), QStringLiteral("\u2665"),
                  QStringLiteral("QUORVEX 2")));
  out.AddPng(type, QStringLiteral("RRADIO_LOGO_QUORVEX3"),
             Logo(QColor(210, 120, 20), QColor(130, 60, 10), QStringLiteral("\u2666"),
                  QStringLiteral("QUORVEX 3")));
  return true;
}

}  // namespace artgen
