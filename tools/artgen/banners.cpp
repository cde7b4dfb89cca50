#include "banners.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "canvas.h"
#include "face_art.h"
#include "suit_shapes.h"

namespace artgen {

namespace {

QImage Banner(const QString& text, int width, int height) {
  QImage image = Clear(width, height);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QFont font(QStringLiteral("DejaVu Serif"));
  font.setBold(true);
  font.setPixelSize(static_cast<int>(height * 0.62));
  QPainterPath path;
  path.addText(0, 0, font, text);
  QRectF box = path.boundingRect();
  const double scale = std::min(1.0, (width - 12) / box.width());
  QTransform t;
  t.translate(width / 2.0, height / 2.0);
  t.scale(scale, scale);
  t.translate(-box.center().x(), -box.center().y());
  path = t.map(path);
  p.translate(2, 2);
  p.fillPath(path, QColor(60, 0, 0, 140));
  p.translate(-2, -2);
  QLinearGradient fill(0, 4, 0, height - 4);
  fill.setColorAt(0, QColor(255, 150, 140));
  fill.setColorAt(0.5, QColor(230, 20, 20));
  fill.setColorAt(1, QColor(130, 0, 0));
  p.setPen(QPen(QColor(90, 0, 0), 1.2));
  p.setBrush(fill);
  p.drawPath(path);
  return Done(image);
}

QImage Cursor(int kind) {
  QImage image = Clear(32, 32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::black, 1.2));
  switch (kind) {
    case 0: {  // arrow, with a small spade in it
      QPainterPath arrow(QPointF(1, 1));
      arrow.lineTo(1, 21);
      arrow.lineTo(6, 16);
      arrow.lineTo(10, 25);
      arrow.lineTo(13.5, 23.5);
      arrow.lineTo(9.5, 15);
      arrow.lineTo(16, 15);
      arrow.closeSubpath();
      p.setBrush(Qt::white);
      p.drawPath(arrow);
      DrawSuitSign(p, SuitFamily::kFrench, 3, QRectF(3, 8, 6, 6), Qt::black);
      break;
    }
    case 1: {  // pointing hand
      QPainterPath hand(QPointF(9, 2));
      hand.cubicTo(11, 0, 13, 2, 13, 4);
      hand.lineTo(13, 11);
      hand.lineTo(21, 12);
      hand.cubicTo(24, 13, 25, 15, 24, 18);
      hand.lineTo(22, 25);
      hand.lineTo(11, 25);
      hand.lineTo(5, 16);
      hand.cubicTo(4, 14, 6, 12, 8, 14);
      hand.lineTo(9, 15);
      hand.closeSubpath();
      p.setBrush(QColor(255, 236, 210));
      p.drawPath(hand);
      break;
    }
    case 2: {  // an hourglass
      QPainterPath glass(QPointF(8, 3));
      glass.lineTo(24, 3);
      glass.lineTo(17, 16);
      glass.lineTo(24, 29);
      glass.lineTo(8, 29);
      glass.lineTo(15, 16);
      glass.closeSubpath();
      p.setBrush(QColor(200, 230, 255));
      p.drawPath(glass);
      p.setBrush(QColor(220, 170, 60));
      p.drawPolygon(QPolygonF({QPointF(11, 27), QPointF(21, 27), QPointF(16, 21)}));
      p.setPen(QPen(QColor(120, 70, 20), 2.4));
      p.drawLine(QPointF(6, 2), QPointF(26, 2));
      p.drawLine(QPointF(6, 30), QPointF(26, 30));
      break;
    }
    default:  // text beam
      p.setPen(QPen(Qt::white, 4));
      p.drawLine(QPointF(16, 4), QPointF(16, 28));
      p.setPen(QPen(Qt::black, 1.6));
      p.drawLine(QPointF(16, 4), QPointF(16, 28));
      p.drawLine(QPointF(12, 4), QPointF(20, 4));
      p.drawLine(QPointF(12, 28), QPointF(20, 28));
      break;
  }
  p.end();
  QImage done = Done(image);
  static const QPoint kHotSpots[] = {{1, 1}, {10, 1}, {16, 16}, {16, 16}};
  done.setText(QStringLiteral("HotSpotX"), QString::number(kHotSpots[kind].x()));
  done.setText(QStringLiteral("HotSpotY"), QString::number(kHotSpots[kind].y()));
  return done;
}

QImage Title(QSize size, const DeckFolders& decks) {
  QImage image(size, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  const double s = size.width() / 760.0;
  p.scale(s, s);
  QRadialGradient felt(QPointF(380, 220), 520);
  felt.setColorAt(0, QColor(40, 140, 80));
  felt.setColorAt(1, QColor(10, 56, 30));
  p.fillRect(QRectF(0, 0, 760, 500), felt);
  // A fan of the four aces and a king.
  auto art = MakeFaceArt(0, decks);
  const int ranks[] = {13, 13, 12, 13, 13};
  const int suits[] = {2, 1, 0, 0, 3};
  for (int i = 0; i < 5; ++i) {
    p.save();
    p.translate(380, 470);
    p.rotate(-32 + i * 16);
    p.translate(-73, -330);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(QRectF(4, 5, 146, 198), 9, 9);
    const QImage card = art->Card(
        ranks[i], suits[i], QSize(static_cast<int>(146 * s), static_cast<int>(198 * s)), true);
    p.drawImage(QRectF(0, 0, 146, 198), card);
    p.restore();
  }
  // The name over the cards.
  QFont font(QStringLiteral("DejaVu Serif"));
  font.setBold(true);
  font.setPixelSize(84);
  QPainterPath name;
  name.addText(0, 0, font, QStringLiteral("Quorvex"));
  const QRectF box = name.boundingRect();
  name.translate(380 - box.center().x(), 380 - box.center().y());
  p.translate(4, 4);
  p.fillPath(name, QColor(0, 0, 0, 150));
  p.translate(-4, -4);
  QLinearGradient gold(0, 340, 0, 420);
  gold.setColorAt(0, QColor(255, 240, 170));
  gold.setColorAt(0.5, QColor(230, 180, 50));
  gold.setColorAt(1, QColor(150, 96, 20));
  p.setPen(QPen(QColor(80, 50, 10), 2));
  p.setBrush(gold);
  p.drawPath(name);
  return image;
}

struct Language {
  const char* code;
  const char* flag;  // famfamfam's ISO code
  const char* elite;
  const char* network;
};

// The eight picture codes.
const Language kLanguages[] = {
    {"Eng", "gb", "The Elite Club", "The Network Club"},
    {"Rus", "ru", "\u041a\u043b\u0443\u0431 \u044d\u043b\u0438\u0442\u044b",
     "\u0421\u0435\u0442\u0435\u0432\u043e\u0439 \u043a\u043b\u0443\u0431"},
    {"Deu", "de", "Der Elite-Klub", "Der Netzwerk-Klub"},
    {"Fra", "fr", "Le Club d'\u00e9lite", "Le Club en r\u00e9seau"},
    {"Spa", "es", "El Club de \u00e9lite", "El Club en red"},
    {"Chi", "tw", "\u83c1\u82f1\u4ff1\u6a02\u90e8", "\u7db2\u7d61\u4ff1\u6a02\u90e8"},
    {"Ita", "it", "Il Club d'\u00e9lite", "Il Club in rete"},
    {"Cze", "cz", "Klub elity", "S\u00ed\u0165ov\u00fd klub"},
};

QImage LanguageFlag(const QString& folder, const char* iso) {
  QImage flag(folder + QLatin1Char('/') + QLatin1String(iso) + QStringLiteral(".png"));
  QImage image = Clear(48, 33);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  const QRectF r(1, 1, 46, 31);
  if (flag.isNull()) {
    p.setBrush(QColor(220, 220, 220));
    p.drawRect(r);
  } else {
    p.drawImage(r, flag);
  }
  // A soft shine and a thin frame.
  QLinearGradient shine(r.topLeft(), r.bottomLeft());
  shine.setColorAt(0, QColor(255, 255, 255, 90));
  shine.setColorAt(0.5, QColor(255, 255, 255, 0));
  shine.setColorAt(1, QColor(0, 0, 0, 40));
  p.fillRect(r, shine);
  p.setPen(QPen(QColor(60, 60, 60), 1.0));
  p.setBrush(Qt::NoBrush);
  p.drawRect(r);
  return Done(image);
}

}  // namespace

bool MakeCursors(BundleWriter& out) {
  const char* const names[] = {"CURARROW", "CURHAND", "CURWAIT", "CUREDIT"};
  for (int i = 0; i < 4; ++i)
    out.AddPng(QStringLiteral("RCDATA"), QLatin1String(names[i]), Cursor(i));
  return true;
}

bool MakeTitle(BundleWriter& out, const DeckFolders& decks) {
  out.AddPng(QStringLiteral("RCDATA"), QStringLiteral("GTitleSm"), Title(QSize(760, 500), decks));
  out.AddPng(QStringLiteral("RCDATA"), QStringLiteral("GTitleBg"), Title(QSize(1520, 1000), decks));
  return true;
}

bool MakeLanguageBanners(BundleWriter& out, const QString& flags) {
  const QString png = QStringLiteral("RCDATA");
  for (const Language& l : kLanguages) {
    const QString code = QLatin1String(l.code);
    out.AddPng(png, QStringLiteral("Elite") + code, Banner(QString::fromUtf8(l.elite), 350, 40));
    out.AddPng(png, QStringLiteral("Net__") + code, Banner(QString::fromUtf8(l.network), 350, 40));
    out.AddPng(png, QStringLiteral("FlagO") + code, LanguageFlag(flags, l.flag));
  }
  out.AddPng(png, QStringLiteral("FlagOJap"), LanguageFlag(flags, "jp"));
  out.AddPng(png, QStringLiteral("FlagOKor"), LanguageFlag(flags, "kr"));
  return true;
}

}  // namespace artgen
