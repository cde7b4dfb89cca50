#include "notice_art.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "canvas.h"
#include "suit_shapes.h"

namespace artgen {

namespace {

constexpr double kPi = 3.14159265358979;

void SoftShadow(QPainter& p, const QPainterPath& shape, const QPointF& offset) {
  p.save();
  p.translate(offset);
  p.setPen(Qt::NoPen);
  for (int i = 3; i >= 1; --i) {
    p.setBrush(QColor(0, 0, 0, 18 * i));
    QPainterPathStroker stroker;
    stroker.setWidth(i * 1.6);
    p.drawPath(shape.united(stroker.createStroke(shape)));
  }
  p.restore();
}

// A folded newspaper, tilted a little, with a masthead, a picture and columns of print.
QImage News72() {
  QImage image = Clear(72, 72);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(36, 37);
  p.rotate(-8);
  const QRectF sheet(-26, -28, 52, 56);
  QPainterPath paper;
  paper.addRoundedRect(sheet, 2.5, 2.5);
  SoftShadow(p, paper, QPointF(2.5, 3));
  // The back page peeks out behind the front one.
  p.setPen(QPen(QColor(150, 145, 130), 0.8));
  p.setBrush(QColor(225, 220, 205));
  p.drawRoundedRect(sheet.translated(4, -3), 2.5, 2.5);
  QLinearGradient shade(sheet.topLeft(), sheet.bottomRight());
  shade.setColorAt(0, QColor(255, 253, 245));
  shade.setColorAt(1, QColor(232, 228, 214));
  p.setBrush(shade);
  p.drawPath(paper);
  // Masthead.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(25, 45, 110));
  p.drawRect(QRectF(sheet.left() + 4, sheet.top() + 4, sheet.width() - 8, 9));
  p.setBrush(QColor(255, 255, 255, 220));
  for (int i = 0; i < 4; ++i) p.drawRect(QRectF(sheet.left() + 8 + i * 9.5, sheet.top() + 7, 7, 3));
  // A picture in the first column.
  QLinearGradient sky(0, sheet.top() + 17, 0, sheet.top() + 33);
  sky.setColorAt(0, QColor(120, 170, 230));
  sky.setColorAt(1, QColor(200, 225, 250));
  p.setBrush(sky);
  const QRectF photo(sheet.left() + 4, sheet.top() + 17, 20, 16);
  p.drawRect(photo);
  p.setBrush(QColor(60, 140, 70));
  QPainterPath hill;
  hill.moveTo(photo.bottomLeft());
  hill.quadTo(photo.left() + 8, photo.top() + 6, photo.right(), photo.bottom() - 2);
  hill.lineTo(photo.bottomRight());
  hill.closeSubpath();
  p.drawPath(hill);
  p.setBrush(QColor(250, 200, 60));
  p.drawEllipse(QPointF(photo.right() - 5, photo.top() + 4), 2.2, 2.2);
  // Print.
  p.setBrush(QColor(90, 90, 95));
  for (int line = 0; line < 4; ++line)
    p.drawRect(QRectF(sheet.left() + 27, sheet.top() + 17 + line * 4.3, line == 3 ? 12 : 19, 1.8));
  for (int line = 0; line < 5; ++line) {
    const double y = sheet.top() + 37 + line * 3.8;
    p.drawRect(QRectF(sheet.left() + 4, y, line == 4 ? 12 : 20, 1.6));
    p.drawRect(QRectF(sheet.left() + 27, y, line == 2 ? 14 : 21, 1.6));
  }
  // The fold across the middle.
  p.setPen(QPen(QColor(0, 0, 0, 35), 1));
  p.drawLine(QPointF(sheet.left() + 1, 0.5), QPointF(sheet.right() - 1, 0.5));
  return Done(image);
}

QPainterPath Bubble(const QRectF& body, bool tail_left) {
  QPainterPath bubble;
  bubble.addRoundedRect(body, body.height() * 0.42, body.height() * 0.42);
  // The tail leans out under the bubble, towards its own side.
  const double x =
      tail_left ? body.left() + body.width() * 0.28 : body.right() - body.width() * 0.28;
  const double d = tail_left ? -1 : 1;
  QPainterPath tail;
  tail.moveTo(x - 5, body.bottom() - 2);
  tail.lineTo(x + 5, body.bottom() - 2);
  tail.quadTo(x + 3 * d, body.bottom() + 4, x + 10 * d, body.bottom() + 8);
  tail.quadTo(x - 3 * d, body.bottom() + 5, x - 5 * d, body.bottom() - 2);
  tail.closeSubpath();
  return bubble.united(tail);
}

void DrawBubble(QPainter& p, const QPainterPath& shape, const QColor& colour) {
  SoftShadow(p, shape, QPointF(1.5, 2));
  const QRectF box = shape.boundingRect();
  QLinearGradient fill(box.topLeft(), box.bottomLeft());
  fill.setColorAt(0, colour.lighter(150));
  fill.setColorAt(1, colour);
  p.setPen(QPen(colour.darker(150), 1.2));
  p.setBrush(fill);
  p.drawPath(shape);
  // A gloss along the top.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 70));
  p.drawRoundedRect(QRectF(box.left() + 5, box.top() + 2.5, box.width() - 10, box.height() * 0.3),
                    4, 4);
}

// Two speech bubbles, the front one with three dots.
QImage Chat72() {
  QImage image = Clear(72, 72);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  DrawBubble(p, Bubble(QRectF(3, 6, 44, 28), true), QColor(40, 110, 200));
  DrawBubble(p, Bubble(QRectF(22, 28, 46, 28), false), QColor(235, 120, 30));
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  for (int i = 0; i < 3; ++i) p.drawEllipse(QPointF(34 + i * 11, 42), 3.4, 3.4);
  p.setBrush(QColor(255, 255, 255, 200));
  for (int i = 0; i < 2; ++i) p.drawRoundedRect(QRectF(11, 14 + i * 7, i ? 18 : 28, 3.2), 1.6, 1.6);
  return Done(image);
}

// A warning beacon: a glass dome on a dark base, lit in the colour, with rays.
QImage Siren(const QColor& colour) {
  QImage image = Clear(32, 32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  // Rays of light.
  QPen ray(QColor(colour.red(), colour.green(), colour.blue(), 170), 2.2, Qt::SolidLine,
           Qt::RoundCap);
  p.setPen(ray);
  const QPointF centre(16, 15);
  for (const double angle : {-150.0, -115.0, -65.0, -30.0}) {
    const double a = angle * kPi / 180;
    p.drawLine(centre + QPointF(11 * std::cos(a), 11 * std::sin(a)),
               centre + QPointF(15 * std::cos(a), 15 * std::sin(a)));
  }
  // Glow.
  QRadialGradient glow(centre, 13);
  glow.setColorAt(0, QColor(colour.red(), colour.green(), colour.blue(), 120));
  glow.setColorAt(1, QColor(colour.red(), colour.green(), colour.blue(), 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(centre, 13, 13);
  // Dome.
  QPainterPath dome;
  dome.moveTo(8, 24);
  dome.lineTo(8, 16);
  dome.cubicTo(8, 8.5, 24, 8.5, 24, 16);
  dome.lineTo(24, 24);
  dome.closeSubpath();
  QRadialGradient glass(QPointF(13, 13), 12);
  glass.setColorAt(0, colour.lighter(190));
  glass.setColorAt(0.45, colour);
  glass.setColorAt(1, colour.darker(160));
  p.setPen(QPen(colour.darker(200), 1));
  p.setBrush(glass);
  p.drawPath(dome);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 160));
  p.drawRoundedRect(QRectF(11, 12.5, 3, 9), 1.5, 1.5);
  // Base.
  QLinearGradient metal(0, 24, 0, 30);
  metal.setColorAt(0, QColor(120, 120, 130));
  metal.setColorAt(1, QColor(45, 45, 55));
  p.setPen(QPen(QColor(30, 30, 35), 0.8));
  p.setBrush(metal);
  p.drawRoundedRect(QRectF(5.5, 24, 21, 6), 1.5, 1.5);
  return Done(image);
}

QImage NewMark() {
  QImage image = Clear(30, 14);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient fill(0, 0, 0, 14);
  fill.setColorAt(0, QColor(250, 80, 60));
  fill.setColorAt(1, QColor(190, 20, 20));
  p.setPen(QPen(QColor(130, 10, 10), 0.8));
  p.setBrush(fill);
  p.drawRoundedRect(QRectF(0.5, 0.5, 29, 13), 5, 5);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(9);
  font.setBold(true);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(QRectF(0, 0, 30, 14), Qt::AlignCenter, QStringLiteral("NEW"));
  return Done(image);
}

// A card of the advert fan: white, rounded, with its rank and a large suit sign.
void DrawFanCard(QPainter& p, const QPointF& pivot, double angle, int suit, const char* rank) {
  p.save();
  p.translate(pivot);
  p.rotate(angle);
  const QRectF card(-15, -44, 30, 42);
  QPainterPath shape;
  shape.addRoundedRect(card, 3.5, 3.5);
  SoftShadow(p, shape, QPointF(1.2, 1.5));
  p.setPen(QPen(QColor(110, 110, 120), 0.8));
  p.setBrush(QColor(253, 253, 250));
  p.drawPath(shape);
  const QColor ink = DefaultSuitColour(SuitFamily::kFrench, suit);
  DrawSuitSign(p, SuitFamily::kFrench, suit, QRectF(-9, -30, 18, 18), ink);
  QFont font(QStringLiteral("DejaVu Serif"));
  font.setPixelSize(9);
  font.setBold(true);
  p.setFont(font);
  p.setPen(ink);
  p.drawText(QRectF(card.left() + 2, card.top() + 1, 10, 10), Qt::AlignCenter,
             QString::fromLatin1(rank));
  p.restore();
}

// The menu's picture for the other games: a fan of cards over green baize.
QImage AdvertGames() {
  QImage image = Clear(120, 72);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient baize(QPointF(60, 30), 75);
  baize.setColorAt(0, QColor(40, 140, 80));
  baize.setColorAt(1, QColor(12, 70, 40));
  p.setPen(QPen(QColor(190, 150, 60), 2));
  p.setBrush(baize);
  p.drawRoundedRect(QRectF(1, 1, 118, 70), 9, 9);
  // The fan.
  const char* const ranks[] = {"A", "K", "Q", "J", "10"};
  const int suits[] = {3, 0, 1, 2, 0};
  for (int i = 0; i < 5; ++i) DrawFanCard(p, QPointF(60, 58), -36 + i * 18, suits[i], ranks[i]);
  // Sparkles.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 240, 170, 220));
  for (const QPointF& at : {QPointF(14, 14), QPointF(104, 12), QPointF(98, 30)}) {
    QPainterPath star;
    for (int k = 0; k < 8; ++k) {
      const double r = k % 2 == 0 ? 4.5 : 1.3;
      const double a = k * kPi / 4;
      const QPointF point = at + QPointF(r * std::cos(a), r * std::sin(a));
      if (k == 0) {
        star.moveTo(point);
      } else {
        star.lineTo(point);
      }
    }
    star.closeSubpath();
    p.drawPath(star);
  }
  return Done(image);
}

QPainterPath Heart(const QRectF& box) {
  return SuitPath(SuitFamily::kFrench, 0, box);
}

// The menu's picture for "Support us!": a big heart held in open hands on a warm ground.
QImage AdvertSupport() {
  QImage image = Clear(120, 72);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient warm(0, 0, 120, 72);
  warm.setColorAt(0, QColor(255, 214, 120));
  warm.setColorAt(1, QColor(235, 120, 70));
  p.setPen(QPen(QColor(170, 80, 30), 2));
  p.setBrush(warm);
  p.drawRoundedRect(QRectF(1, 1, 118, 70), 9, 9);
  // Rays behind the heart.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 45));
  for (int i = 0; i < 12; ++i) {
    const double a = i * kPi / 6, b = a + kPi / 14;
    QPainterPath ray;
    ray.moveTo(60, 26);
    ray.lineTo(60 + 80 * std::cos(a), 26 + 80 * std::sin(a));
    ray.lineTo(60 + 80 * std::cos(b), 26 + 80 * std::sin(b));
    ray.closeSubpath();
    p.drawPath(ray);
  }
  const QPainterPath heart = Heart(QRectF(40, 6, 40, 38));
  SoftShadow(p, heart, QPointF(1.5, 2));
  QRadialGradient red(QPointF(52, 16), 34);
  red.setColorAt(0, QColor(255, 120, 120));
  red.setColorAt(0.6, QColor(215, 25, 40));
  red.setColorAt(1, QColor(150, 10, 25));
  p.setPen(QPen(QColor(120, 0, 15), 1.2));
  p.setBrush(red);
  p.drawPath(heart);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 120));
  p.drawEllipse(QRectF(47, 12, 8, 5));
  // Two open hands, cupped under the heart.
  for (const int side : {-1, 1}) {
    QPainterPath hand;
    hand.moveTo(60 + side * 2, 54);
    hand.cubicTo(60 + side * 14, 56, 60 + side * 26, 50, 60 + side * 32, 40);
    hand.cubicTo(60 + side * 34, 36, 60 + side * 38, 38, 60 + side * 36, 43);
    hand.cubicTo(60 + side * 33, 56, 60 + side * 18, 66, 60 + side * 2, 64);
    hand.closeSubpath();
    QLinearGradient skin(0, 40, 0, 66);
    skin.setColorAt(0, QColor(255, 222, 190));
    skin.setColorAt(1, QColor(225, 170, 130));
    p.setPen(QPen(QColor(160, 100, 60), 1));
    p.setBrush(skin);
    p.drawPath(hand);
  }
  return Done(image);
}

void Head(QPainter& p, const QPointF& at, double scale, const QColor& colour) {
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawEllipse(at, 5.5 * scale, 5.5 * scale);
  QPainterPath body;
  body.moveTo(at.x() - 10 * scale, at.y() + 18 * scale);
  body.cubicTo(at.x() - 10 * scale, at.y() + 6 * scale, at.x() + 10 * scale, at.y() + 6 * scale,
               at.x() + 10 * scale, at.y() + 18 * scale);
  body.closeSubpath();
  p.drawPath(body);
}

QImage Round48(const QColor& light, const QColor& dark) {
  QImage image = Clear(48, 48);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient disc(QPointF(18, 16), 34);
  disc.setColorAt(0, light);
  disc.setColorAt(1, dark);
  p.setPen(QPen(dark.darker(140), 1.5));
  p.setBrush(disc);
  p.drawEllipse(QRectF(1.5, 1.5, 45, 45));
  return image;
}

// Friends: three people side by side.
QImage SupportFriends() {
  QImage image = Round48(QColor(150, 200, 255), QColor(40, 90, 170));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath clip;
  clip.addEllipse(QRectF(3, 3, 42, 42));
  p.setClipPath(clip);
  Head(p, QPointF(13, 20), 0.85, QColor(210, 230, 255));
  Head(p, QPointF(35, 20), 0.85, QColor(210, 230, 255));
  Head(p, QPointF(24, 18), 1.05, Qt::white);
  return Done(image);
}

// Ideas: a lit bulb.
QImage SupportIdeas() {
  QImage image = Round48(QColor(255, 230, 140), QColor(200, 130, 20));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient glass(QPointF(21, 16), 14);
  glass.setColorAt(0, QColor(255, 255, 230));
  glass.setColorAt(1, QColor(255, 215, 60));
  p.setPen(QPen(QColor(150, 100, 10), 1.2));
  p.setBrush(glass);
  QPainterPath bulb;
  bulb.moveTo(19, 31);
  bulb.cubicTo(18, 26, 12, 24, 12, 18);
  bulb.cubicTo(12, 6, 36, 6, 36, 18);
  bulb.cubicTo(36, 24, 30, 26, 29, 31);
  bulb.closeSubpath();
  p.drawPath(bulb);
  p.setPen(QPen(QColor(200, 120, 20), 1.2));
  p.drawPolyline(QPolygonF(
      {QPointF(21, 30), QPointF(22, 21), QPointF(24, 24), QPointF(26, 21), QPointF(27, 30)}));
  p.setPen(QPen(QColor(70, 70, 80), 1));
  p.setBrush(QColor(150, 150, 160));
  p.drawRoundedRect(QRectF(19, 31, 10, 8), 2, 2);
  p.drawLine(QPointF(19, 34), QPointF(29, 34));
  p.drawLine(QPointF(19, 36.5), QPointF(29, 36.5));
  return Done(image);
}

// The site: a globe with its meridians.
QImage SupportSite() {
  QImage image = Round48(QColor(140, 220, 170), QColor(20, 120, 80));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF globe(9, 9, 30, 30);
  QRadialGradient sea(QPointF(19, 17), 22);
  sea.setColorAt(0, QColor(140, 200, 255));
  sea.setColorAt(1, QColor(30, 90, 190));
  p.setPen(QPen(QColor(15, 50, 110), 1.2));
  p.setBrush(sea);
  p.drawEllipse(globe);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(255, 255, 255, 190), 1));
  p.drawEllipse(QRectF(17, 9, 14, 30));
  p.drawLine(QPointF(24, 9), QPointF(24, 39));
  p.drawLine(QPointF(9, 24), QPointF(39, 24));
  p.drawArc(QRectF(10, 13, 28, 8), 0, 180 * 16);
  p.drawArc(QRectF(10, 27, 28, 8), 180 * 16, 180 * 16);
  return Done(image);
}

}  // namespace

bool MakeNoticePictures(BundleWriter& out) {
  const QString type = QStringLiteral("RCDATA");
  out.AddPng(type, QStringLiteral("GNews072"), News72());
  out.AddPng(type, QStringLiteral("GChat072"), Chat72());
  out.AddPng(type, QStringLiteral("GSirenaB"), Siren(QColor(40, 110, 255)));
  out.AddPng(type, QStringLiteral("GSirenaR"), Siren(QColor(235, 30, 30)));
  out.AddPng(type, QStringLiteral("GNew"), NewMark());
  out.AddPng(type, QStringLiteral("GAdvGames"), AdvertGames());
  out.AddPng(type, QStringLiteral("GAdvSupport"), AdvertSupport());
  out.AddPng(type, QStringLiteral("GSupFriends"), SupportFriends());
  out.AddPng(type, QStringLiteral("GSupIdeas"), SupportIdeas());
  out.AddPng(type, QStringLiteral("GSupSite"), SupportSite());
  return true;
}

}  // namespace artgen
