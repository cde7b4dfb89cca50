#include "table_pictures.h"

#include <QDir>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "back_art.h"
#include "banners.h"
#include "button_art.h"
#include "canvas.h"
#include "suit_shapes.h"

namespace artgen {

namespace {

// A cream board with a wooden rim, drawn at any scale: panels, frames and the result.
QImage Board(double w, double h, double scale, const QColor& rim, const QColor& top,
             const QColor& bottom) {
  QImage image = Clear(static_cast<int>(w * scale), static_cast<int>(h * scale));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(scale, scale);
  const QRectF r(1.5, 1.5, w - 3, h - 3);
  QLinearGradient fill(r.topLeft(), r.bottomLeft());
  fill.setColorAt(0, top);
  fill.setColorAt(1, bottom);
  p.setPen(QPen(rim, 2.4));
  p.setBrush(fill);
  p.drawRoundedRect(r, 8, 8);
  p.setPen(QPen(rim.lighter(160), 0.8));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(r.adjusted(3.5, 3.5, -3.5, -3.5), 5, 5);
  return image;
}

QImage Tablo(double scale) {
  QImage image =
      Board(155, 95, scale, QColor(122, 82, 48), QColor(255, 250, 232), QColor(238, 222, 180));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(scale, scale);
  p.setPen(QPen(QColor(190, 164, 120), 1.0));
  p.drawLine(QPointF(9, 39), QPointF(146, 39));
  p.drawLine(QPointF(46.5, 46), QPointF(46.5, 87));
  p.drawLine(QPointF(94.5, 46), QPointF(94.5, 87));
  return Done(image);
}

QImage Frame(double scale, const QColor& rim) {
  return Done(Board(130, 90, scale, rim, QColor(255, 252, 240), QColor(236, 228, 204)));
}

QImage Itog() {
  QImage image =
      Board(180, 125, 2, QColor(128, 0, 0), QColor(255, 250, 236), QColor(240, 226, 190));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(2, 2);
  p.setPen(QPen(QColor(128, 0, 0), 0.8));
  p.drawLine(QPointF(16, 90.5), QPointF(164, 90.5));
  return Done(image);
}

QImage Plate() {
  QImage image = Clear(160, 20);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF r(0.5, 0.5, 159, 19);
  QLinearGradient gold(r.topLeft(), r.bottomLeft());
  gold.setColorAt(0, QColor(250, 216, 100));
  gold.setColorAt(0.5, QColor(218, 164, 36));
  gold.setColorAt(1, QColor(164, 114, 16));
  p.setPen(QPen(QColor(96, 66, 8), 1.0));
  p.setBrush(gold);
  p.drawRoundedRect(r, 9, 9);
  p.setPen(QPen(QColor(255, 240, 190, 160), 0.8));
  p.drawLine(QPointF(9, 2.5), QPointF(151, 2.5));
  return Done(image);
}

QImage Zone() {
  QImage image = Clear(28, 32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath tag;
  tag.addRoundedRect(QRectF(1, 1, 26, 30), 4, 4);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(196, 20, 28));
  p.drawPath(tag);
  p.setClipPath(tag);
  p.setPen(QPen(QColor(255, 255, 255, 200), 3.0));
  for (int d = -40; d < 40; d += 9) p.drawLine(QPointF(d, 31), QPointF(d + 32, 1));
  p.setClipping(false);
  p.setPen(QPen(QColor(110, 10, 14), 1.0));
  p.setBrush(Qt::NoBrush);
  p.drawPath(tag);
  return Done(image);
}

QImage Compass(bool north) {
  QImage image = Clear(40, 40);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient disc(QPointF(16, 14), 24);
  disc.setColorAt(0, QColor(70, 100, 190));
  disc.setColorAt(1, QColor(20, 36, 96));
  p.setPen(QPen(QColor(230, 200, 110), 2.0));
  p.setBrush(disc);
  p.drawEllipse(QPointF(20, 20), 18, 18);
  // The needle points up for North and down for South.
  QPainterPath needle(QPointF(20, north ? 4 : 36));
  needle.lineTo(25, 20);
  needle.lineTo(20, north ? 24 : 16);
  needle.lineTo(15, 20);
  needle.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(230, 40, 40));
  p.drawPath(needle);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setBold(true);
  font.setPixelSize(13);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(QRectF(0, north ? 20 : 4, 40, 16), Qt::AlignCenter,
             north ? QStringLiteral("N") : QStringLiteral("S"));
  return Done(image);
}

QImage PointingHand() {
  QImage image = Clear(24, 18);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath hand(QPointF(2, 6));
  hand.lineTo(9, 6);
  hand.lineTo(11, 4);
  hand.lineTo(22, 4);
  hand.cubicTo(24, 4, 24, 8, 22, 8);
  hand.lineTo(14, 8);
  hand.lineTo(14, 15);
  hand.cubicTo(14, 17, 9, 17, 8, 15);
  hand.lineTo(2, 15);
  hand.closeSubpath();
  p.setPen(QPen(QColor(120, 60, 30), 1.0));
  p.setBrush(QColor(255, 220, 180));
  p.drawPath(hand);
  p.setBrush(QColor(60, 90, 180));
  p.drawRect(QRectF(0.5, 5.5, 3, 10));
  return Done(image);
}

QImage CircleBack() {
  QImage image = Clear(18, 18);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(96, 66, 8), 1.0));
  p.setBrush(QColor(255, 252, 240));
  p.drawEllipse(QPointF(9, 9), 8, 8);
  return Done(image);
}

QImage StarPicture(const QColor& colour) {
  QImage image = Clear(14, 14);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath star;
  for (int i = 0; i < 10; ++i) {
    const double a = -M_PI / 2 + i * M_PI / 5, r = i % 2 ? 2.8 : 6.8;
    const QPointF q(7 + r * std::cos(a), 7.4 + r * std::sin(a));
    if (i == 0) {
      star.moveTo(q);
    } else {
      star.lineTo(q);
    }
  }
  star.closeSubpath();
  p.setPen(QPen(colour.darker(160), 0.6));
  p.setBrush(colour);
  p.drawPath(star);
  return Done(image);
}

QImage Timer(bool urgent) {
  QImage image = Clear(20, 20);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient face(QPointF(8, 7), 13);
  face.setColorAt(0, urgent ? QColor(255, 120, 110) : QColor(255, 250, 170));
  face.setColorAt(1, urgent ? QColor(190, 20, 20) : QColor(230, 190, 30));
  p.setPen(QPen(QColor(60, 40, 20), 1.2));
  p.setBrush(face);
  p.drawRoundedRect(QRectF(1, 1, 18, 18), 4, 4);
  return Done(image);
}

QImage Banner175() {
  QImage image = Clear(175, 40);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient fill(0, 0, 0, 40);
  fill.setColorAt(0, QColor(255, 250, 220));
  fill.setColorAt(1, QColor(236, 214, 150));
  p.setPen(QPen(QColor(140, 90, 20), 2));
  p.setBrush(fill);
  p.drawRoundedRect(QRectF(1, 1, 173, 38), 10, 10);
  return Done(image);
}

// The stock: a small pile of classic backs, the top one whole.
QImage Pile(double scale, const DeckFolders& decks) {
  const int w = static_cast<int>(90 * scale), h = static_cast<int>(118 * scale);
  QImage image = Clear(w, h);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  const QSizeF card(69 * scale, 94 * scale);
  for (int i = 4; i >= 0; --i) {
    const QRectF r(QPointF((4 + i * 3) * scale, (4 + i * 3) * scale), card);
    p.setPen(QPen(QColor(80, 80, 80), 1.0));
    p.setBrush(QColor(248, 248, 246));
    p.drawRoundedRect(r, 4 * scale, 4 * scale);
  }
  const QImage back = BackArt(
      0, 1, QSize(static_cast<int>(card.width()), static_cast<int>(card.height())), true, decks);
  p.drawImage(QPointF(4 * scale, 4 * scale), back);
  return Done(image);
}

// The card-sized pictures the special codes draw.
QImage SpecialCard(QSize size, int kind, const QColor& colour) {
  QImage image = Clear(size.width(), size.height());
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const double s = size.width() / 71.0;
  const QRectF r(0.75 * s, 0.75 * s, size.width() - 1.5 * s, size.height() - 1.5 * s);
  if (kind == 0) {  // the empty place of a card
    QColor fill(255, 255, 255, 40);
    p.setPen(QPen(QColor(255, 255, 255, 170), 1.4 * s, Qt::DashLine));
    p.setBrush(fill);
    p.drawRoundedRect(r, 5 * s, 5 * s);
    return Done(image);
  }
  QLinearGradient fill(r.topLeft(), r.bottomRight());
  fill.setColorAt(0, kind == 3 ? colour.lighter(130) : QColor(255, 255, 255));
  fill.setColorAt(1, kind == 3 ? colour.darker(115) : QColor(236, 234, 226));
  p.setPen(QPen(QColor(40, 40, 40), 1.0 * s));
  p.setBrush(fill);
  p.drawRoundedRect(r, 5 * s, 5 * s);
  if (kind == 3) return Done(image);
  // Knock cards: a green tick for yes, a red cross for no.
  const QPointF c = r.center();
  QPainterPath mark;
  if (kind == 1) {
    mark.moveTo(c + QPointF(-18 * s, 0));
    mark.lineTo(c + QPointF(-5 * s, 14 * s));
    mark.lineTo(c + QPointF(20 * s, -16 * s));
  } else {
    mark.moveTo(c + QPointF(-15 * s, -15 * s));
    mark.lineTo(c + QPointF(15 * s, 15 * s));
    mark.moveTo(c + QPointF(15 * s, -15 * s));
    mark.lineTo(c + QPointF(-15 * s, 15 * s));
  }
  p.setPen(QPen(kind == 1 ? QColor(30, 150, 50) : QColor(210, 30, 30), 7 * s, Qt::SolidLine,
                Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(mark);
  return Done(image);
}

}  // namespace

bool MakeTablePictures(BundleWriter& out, const DeckFolders& decks, const QString& flags) {
  const QString png = QStringLiteral("RCDATA");
  out.AddPng(png, QStringLiteral("SPYellow"), Plate());
  out.AddPng(png, QStringLiteral("TabloSm"), Tablo(1));
  out.AddPng(png, QStringLiteral("TabloBg"), Tablo(2));
  out.AddPng(png, QStringLiteral("ZoneZ"), Zone());
  out.AddPng(png, QStringLiteral("RamkaEBSm"), Frame(1, QColor(40, 60, 130)));
  out.AddPng(png, QStringLiteral("RamkaEBBg"), Frame(2, QColor(40, 60, 130)));
  out.AddPng(png, QStringLiteral("RamkaERSm"), Frame(1, QColor(128, 24, 24)));
  out.AddPng(png, QStringLiteral("RamkaERBg"), Frame(2, QColor(128, 24, 24)));
  out.AddPng(png, QStringLiteral("GKolodaSmall"), Pile(1, decks));
  out.AddPng(png, QStringLiteral("GKolodaSmallB"), Pile(2, decks));
  out.AddPng(png, QStringLiteral("GNorth"), Compass(true));
  out.AddPng(png, QStringLiteral("GSouth"), Compass(false));
  out.AddPng(png, QStringLiteral("Hand_Right"), PointingHand());
  out.AddPng(png, QStringLiteral("Circle"), CircleBack());
  out.AddPng(png, QStringLiteral("ZvezdaBSm"), StarPicture(QColor(40, 90, 220)));
  out.AddPng(png, QStringLiteral("ZvezdaRSm"), StarPicture(QColor(214, 24, 24)));
  out.AddPng(png, QStringLiteral("ZvezdaVSm"), StarPicture(QColor(140, 50, 190)));
  out.AddPng(png, QStringLiteral("GTimerY"), Timer(false));
  out.AddPng(png, QStringLiteral("GTimerR"), Timer(true));
  out.AddPng(png, QStringLiteral("Itog"), Itog());
  out.AddPng(png, QStringLiteral("AdvBar3"), Banner175());

  const QSize small(71, 96), big(146, 198);
  for (const auto& [suffix, size] :
       {std::pair{QStringLiteral("Sm"), small}, std::pair{QStringLiteral("Bg"), big}}) {
    out.AddPng(png, QStringLiteral("GCard0") + suffix, SpecialCard(size, 0, {}));
    out.AddPng(png, QStringLiteral("GKnockY") + suffix, SpecialCard(size, 1, {}));
    out.AddPng(png, QStringLiteral("GKnockN") + suffix, SpecialCard(size, 2, {}));
    const std::pair<const char*, QColor> colours[] = {
        {"Black", {30, 30, 34}},  {"Red", {200, 24, 30}},     {"Navy", {20, 30, 120}},
        {"Green", {30, 140, 50}}, {"Yellow", {236, 200, 30}}, {"Violet", {130, 50, 170}},
        {"Aqua", {40, 190, 200}}, {"Orang", {236, 130, 20}}};
    for (const auto& [name, colour] : colours)
      out.AddPng(png, QStringLiteral("GCard") + QLatin1String(name) + suffix,
                 SpecialCard(size, 3, colour));
  }
  return MakeButtonPieces(out) && MakeCursors(out) && MakeTitle(out, decks) &&
         MakeLanguageBanners(out, flags);
}

}  // namespace artgen
