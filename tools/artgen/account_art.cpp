#include "account_art.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "canvas.h"

namespace artgen {

namespace {

constexpr double kPi = 3.14159265358979;

// Head and shoulders of a person inside `box`, in one colour.
void DrawBust(QPainter& p, const QRectF& box, const QColor& colour, bool long_hair) {
  const double w = box.width(), h = box.height();
  const double cx = box.center().x();
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  if (long_hair) {
    // Darker hair behind the head, down to the shoulders.
    p.setBrush(colour.darker(135));
    QPainterPath hair;
    hair.addRoundedRect(QRectF(cx - w * 0.27, box.top() + h * 0.08, w * 0.54, h * 0.6), w * 0.24,
                        w * 0.24);
    p.drawPath(hair);
    p.setBrush(colour);
  }
  QPainterPath body;
  body.moveTo(box.left() + w * 0.08, box.bottom());
  body.cubicTo(box.left() + w * 0.08, box.top() + h * 0.45, box.right() - w * 0.08,
               box.top() + h * 0.45, box.right() - w * 0.08, box.bottom());
  body.closeSubpath();
  p.drawPath(body);
  p.drawRect(QRectF(cx - w * 0.09, box.top() + h * 0.5, w * 0.18, h * 0.12));
  p.drawEllipse(QPointF(cx, box.top() + h * 0.36), w * 0.2, h * 0.22);
}

QImage Account48() {
  QImage image = Clear(48, 48);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient disc(QPointF(18, 16), 30);
  disc.setColorAt(0, QColor(120, 170, 240));
  disc.setColorAt(1, QColor(20, 60, 140));
  p.setPen(QPen(QColor(200, 160, 40), 2.5));
  p.setBrush(disc);
  p.drawEllipse(QRectF(2.5, 2.5, 43, 43));
  p.save();
  QPainterPath clip;
  clip.addEllipse(QRectF(4, 4, 40, 40));
  p.setClipPath(clip);
  DrawBust(p, QRectF(10, 8, 28, 36), QColor(245, 245, 250), false);
  p.restore();
  return Done(image);
}

QImage Star(const QColor& colour) {
  QImage image = Clear(32, 32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath star;
  for (int i = 0; i < 10; ++i) {
    const double r = i % 2 == 0 ? 15 : 6.2;
    const double a = -kPi / 2 + i * kPi / 5;
    const QPointF point(16 + r * std::cos(a), 17 + r * std::sin(a));
    if (i == 0) {
      star.moveTo(point);
    } else {
      star.lineTo(point);
    }
  }
  star.closeSubpath();
  QRadialGradient glass(QPointF(13, 11), 18);
  glass.setColorAt(0, colour.lighter(175));
  glass.setColorAt(0.55, colour);
  glass.setColorAt(1, colour.darker(160));
  p.setPen(QPen(QColor(50, 40, 30), 1.2));
  p.setBrush(glass);
  p.drawPath(star);
  return Done(image);
}

// A rounded tile in the colour of a service with a sign drawn on it.
template <typename Sign>
QImage Tile(const QColor& colour, Sign sign) {
  QImage image = Clear(24, 24);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient face(0, 0, 0, 24);
  face.setColorAt(0, colour.lighter(130));
  face.setColorAt(1, colour.darker(120));
  p.setPen(QPen(colour.darker(170), 1));
  p.setBrush(face);
  p.drawRoundedRect(QRectF(1.5, 1.5, 21, 21), 5, 5);
  sign(p);
  return Done(image);
}

QImage LetterTile(const QColor& colour, const QString& letters, int size, bool bold = true) {
  return Tile(colour, [&](QPainter& p) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(size);
    font.setBold(bold);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(1, 1, 22, 22), Qt::AlignCenter, letters);
  });
}

void Envelope(QPainter& p) {
  p.setPen(QPen(QColor(60, 60, 60), 1));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(4.5, 7.5, 15, 10));
  p.drawLine(QPointF(4.5, 7.5), QPointF(12, 13));
  p.drawLine(QPointF(19.5, 7.5), QPointF(12, 13));
}

void Handset(QPainter& p) {
  p.setPen(QPen(Qt::white, 3.2, Qt::SolidLine, Qt::RoundCap));
  QPainterPath arc;
  arc.moveTo(7, 6);
  arc.cubicTo(4, 12, 10, 19, 17, 18);
  p.setBrush(Qt::NoBrush);
  p.drawPath(arc);
  p.setPen(QPen(Qt::white, 4.5, Qt::SolidLine, Qt::RoundCap));
  p.drawPoint(QPointF(7.5, 6));
  p.drawPoint(QPointF(17.5, 17.5));
}

void Globe(QPainter& p) {
  p.setPen(QPen(Qt::white, 1.3));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QRectF(5, 5, 14, 14));
  p.drawEllipse(QRectF(9, 5, 6, 14));
  p.drawLine(QPointF(5, 12), QPointF(19, 12));
  p.drawLine(QPointF(12, 5), QPointF(12, 19));
}

void PaperPlane(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawPolygon(QPolygonF({QPointF(4, 11.5), QPointF(19, 5.5), QPointF(16, 18.5)}));
  p.setBrush(QColor(200, 225, 245));
  p.drawPolygon(QPolygonF({QPointF(10, 13.5), QPointF(19, 5.5), QPointF(11, 18)}));
}

void Camera(QPainter& p) {
  p.setPen(QPen(Qt::white, 1.8));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(5, 5, 14, 14), 4, 4);
  p.drawEllipse(QRectF(8.5, 8.5, 7, 7));
  p.setPen(QPen(Qt::white, 2.2, Qt::SolidLine, Qt::RoundCap));
  p.drawPoint(QPointF(16, 8));
}

void PlayButton(QPainter& p) {
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(4, 6.5, 16, 11), 3.5, 3.5);
  p.setBrush(QColor(205, 30, 30));
  p.drawPolygon(QPolygonF({QPointF(10, 9), QPointF(15, 12), QPointF(10, 15)}));
}

// A grey portrait frame with a silhouette, for a member without a photo.
QImage NoPhoto(bool woman) {
  QImage image(200, 250, QImage::Format_ARGB32_Premultiplied);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient ground(0, 0, 0, 250);
  ground.setColorAt(0, QColor(214, 220, 230));
  ground.setColorAt(1, QColor(160, 170, 186));
  p.fillRect(image.rect(), ground);
  const QColor figure = woman ? QColor(170, 120, 150) : QColor(100, 116, 146);
  DrawBust(p, QRectF(20, 34, 160, 216), figure, woman);
  p.setPen(QPen(QColor(90, 96, 110), 2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(1, 1, 198, 248));
  return Done(image);
}

}  // namespace

bool MakeAccountPictures(BundleWriter& out) {
  const QString type = QStringLiteral("RCDATA");
  out.AddPng(type, QStringLiteral("Account48"), Account48());
  out.AddPng(type, QStringLiteral("StarR0"), Star(QColor(215, 35, 35)));
  out.AddPng(type, QStringLiteral("StarY0"), Star(QColor(235, 195, 25)));
  out.AddPng(type, QStringLiteral("StarG0"), Star(QColor(45, 175, 65)));

  const QColor person(90, 110, 150);
  out.AddPng(type, QStringLiteral("GAcName1"), Tile(person, [](QPainter& p) {
               DrawBust(p, QRectF(5, 4, 14, 18), Qt::white, false);
             }));
  out.AddPng(type, QStringLiteral("GAcName2"), Tile(person.darker(125), [](QPainter& p) {
               DrawBust(p, QRectF(2, 6, 11, 15), QColor(220, 225, 240), false);
               DrawBust(p, QRectF(9, 4, 13, 18), Qt::white, false);
             }));
  out.AddPng(type, QStringLiteral("GAcAbout"),
             LetterTile(QColor(40, 140, 110), QStringLiteral("i"), 16));
  out.AddPng(type, QStringLiteral("GAcTelephone"), Tile(QColor(60, 160, 70), Handset));
  out.AddPng(type, QStringLiteral("GAcEMail"), Tile(QColor(230, 170, 40), Envelope));
  out.AddPng(type, QStringLiteral("GAcWebSite"), Tile(QColor(40, 110, 190), Globe));
  out.AddPng(type, QStringLiteral("GAcSkype"),
             LetterTile(QColor(0, 160, 225), QStringLiteral("S"), 15));
  out.AddPng(type, QStringLiteral("GAcOK"),
             LetterTile(QColor(240, 130, 20), QStringLiteral("ok"), 12));
  out.AddPng(type, QStringLiteral("GAcVK"),
             LetterTile(QColor(70, 120, 180), QStringLiteral("VK"), 10));
  out.AddPng(type, QStringLiteral("GAcTelegram"), Tile(QColor(40, 160, 220), PaperPlane));
  out.AddPng(type, QStringLiteral("GAcFaceBook"),
             LetterTile(QColor(60, 90, 155), QStringLiteral("f"), 17));
  out.AddPng(type, QStringLiteral("GAcTwitter"),
             LetterTile(QColor(30, 30, 30), QStringLiteral("X"), 13));
  out.AddPng(type, QStringLiteral("GAcInstagramm"), Tile(QColor(195, 55, 135), Camera));
  out.AddPng(type, QStringLiteral("GAcYouTube"), Tile(QColor(205, 30, 30), PlayButton));

  out.AddPng(type, QStringLiteral("GAcNoM"), NoPhoto(false));
  out.AddPng(type, QStringLiteral("GAcNoF"), NoPhoto(true));
  return true;
}

}  // namespace artgen
