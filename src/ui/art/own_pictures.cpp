#include "ui/art/own_pictures.h"

#include <QFont>
#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "ui/art/suit_symbol.h"

namespace quorvex {

namespace {

QImage Transparent(int width, int height) {
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

// A head and shoulders; the woman has long hair and a red dress, the man short hair and a blue
// shirt.
QImage Face(bool woman) {
  QImage image = Transparent(16, 16);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  const QColor hair = woman ? QColor(150, 70, 30) : QColor(90, 60, 30);
  if (woman) {
    p.setBrush(hair);
    p.drawRoundedRect(QRectF(3, 1.5, 10, 12), 4, 4);
  }
  p.setBrush(woman ? QColor(200, 40, 70) : QColor(40, 80, 170));
  p.drawEllipse(QRectF(2, 11.5, 12, 9));
  p.setBrush(QColor(245, 205, 160));
  p.drawEllipse(QRectF(4.5, 3, 7, 8.5));
  p.setBrush(hair);
  if (woman) {
    p.drawChord(QRectF(4, 2, 8, 6), 0, 180 * 16);
  } else {
    p.drawChord(QRectF(4.2, 2, 7.6, 5), 0, 180 * 16);
  }
  p.setBrush(QColor(40, 40, 40));
  p.drawEllipse(QRectF(6.2, 6.3, 1.2, 1.2));
  p.drawEllipse(QRectF(8.6, 6.3, 1.2, 1.2));
  p.setPen(QPen(QColor(170, 60, 50), 0.8));
  p.drawArc(QRectF(6.5, 7.3, 3, 2), 200 * 16, 140 * 16);
  return image;
}

// Two fanned cards: an ace of spades over an ace of hearts.
QImage Icon48() {
  QImage image = Transparent(48, 48);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF card(0, 0, 26, 36);
  const struct {
    double angle, x, y;
    int suit;
  } cards[] = {{-14, 9, 10, 0}, {12, 20, 5, 3}};
  for (const auto& c : cards) {
    p.save();
    p.translate(c.x, c.y);
    p.rotate(c.angle);
    p.setPen(QPen(QColor(60, 60, 60), 1.2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(card, 3, 3);
    DrawSuit(p, c.suit, QRectF(5, 8, 16, 18));
    p.restore();
  }
  return image;
}

// A silver plate with a gold rim; the caption is written over it by the dialog.
QImage Cap300() {
  QImage image = Transparent(300, 64);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient metal(0, 0, 0, 64);
  metal.setColorAt(0, QColor(120, 120, 126));
  metal.setColorAt(0.45, QColor(200, 200, 206));
  metal.setColorAt(0.55, QColor(150, 150, 156));
  metal.setColorAt(1, QColor(90, 90, 96));
  p.setBrush(metal);
  p.setPen(QPen(QColor(190, 150, 60), 2));
  p.drawRoundedRect(QRectF(2, 4, 296, 56), 14, 14);
  p.setPen(QPen(QColor(110, 80, 20), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(QRectF(6, 8, 288, 48), 11, 11);
  return image;
}

// The game's name in red art; Recolour turns it into the caption colour.
QImage TitleBanner() {
  QImage image = Transparent(400, 70);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QFont font(QStringLiteral("DejaVu Serif"));
  font.setBold(true);
  font.setPixelSize(54);
  QPainterPath text;
  text.addText(0, 0, font, QStringLiteral("Quorvex"));
  const QRectF box = text.boundingRect();
  text.translate(200 - box.center().x(), 35 - box.center().y());
  p.translate(3, 3);
  p.fillPath(text, QColor(60, 0, 0, 140));
  p.translate(-3, -3);
  QLinearGradient fill(0, 8, 0, 62);
  fill.setColorAt(0, QColor(255, 150, 140));
  fill.setColorAt(0.5, QColor(230, 20, 20));
  fill.setColorAt(1, QColor(130, 0, 0));
  p.setPen(QPen(QColor(90, 0, 0), 2));
  p.setBrush(fill);
  p.drawPath(text);
  return image;
}

QImage Draw(const QString& key) {
  if (key == QLatin1String("facewoman16")) return Face(true);
  if (key == QLatin1String("faceman16")) return Face(false);
  if (key == QLatin1String("gfree")) return Transparent(16, 16);
  if (key == QLatin1String("gicon48")) return Icon48();
  if (key == QLatin1String("gcap300")) return Cap300();
  // Every picture code has the same banner: the name of the game is not translated.
  if (key.startsWith(QLatin1String("cap")) && key.size() == 6) return TitleBanner();
  return {};
}

}  // namespace

QImage OwnPicture(QStringView name) {
  static QHash<QString, QImage> drawn;
  const QString key = name.toString().toLower();
  auto it = drawn.find(key);
  if (it == drawn.end()) it = drawn.insert(key, Draw(key));
  return it.value();
}

}  // namespace quorvex
