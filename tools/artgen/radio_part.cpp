#include "radio_part.h"

#include <QFile>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>

#include "canvas.h"
#include "ui/media/radio_layout.h"

namespace artgen {

namespace {

namespace layout = quorvex::radio_layout;

void Bevel(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom, qreal radius) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  p.setBrush(g);
  p.setPen(QPen(QColor(20, 20, 24), 1));
  p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
  p.setPen(QPen(QColor(255, 255, 255, 60), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(r.adjusted(1.5, 1.5, -1.5, -1.5), radius - 1, radius - 1);
}

// A dark cabinet with a speaker grille and the on/off lamp: green when on, red when off.
QImage Background(bool on) {
  const QSize size = layout::kWindow;
  QImage image = Clear(size.width(), size.height());
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  Bevel(p, QRectF(0, 0, size.width(), size.height()), QColor(70, 58, 48), QColor(32, 26, 22), 10);
  // Wood grain.
  p.setPen(QPen(QColor(255, 220, 170, 18), 1));
  for (int y = 6; y < size.height(); y += 7)
    p.drawLine(QPointF(6, y), QPointF(size.width() - 6, y + ((y / 7) % 3) - 1));
  // Sunken wells for the lists and the logo.
  for (const QRect& r : {layout::kCountries, layout::kStations})
    Bevel(p, QRectF(r).adjusted(-3, -3, 3, 3), QColor(18, 18, 20), QColor(44, 40, 36), 4);
  // The speaker grille along the top.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 90));
  for (int x = 110; x < layout::kSwitch.left() - 10; x += 9)
    for (int y = 12; y <= 28; y += 8) p.drawEllipse(QPointF(x, y), 2.2, 2.2);
  // The lamp.
  const QRectF sw(layout::kSwitch);
  Bevel(p, sw, QColor(60, 60, 66), QColor(24, 24, 28), 6);
  const QPointF centre(sw.left() + 14, sw.center().y());
  QRadialGradient glow(centre, 10);
  const QColor lamp = on ? QColor(70, 240, 90) : QColor(240, 60, 50);
  glow.setColorAt(0, lamp.lighter(150));
  glow.setColorAt(0.5, lamp);
  glow.setColorAt(1, lamp.darker(300));
  p.setBrush(glow);
  p.drawEllipse(centre, 7, 7);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(11);
  font.setBold(true);
  p.setFont(font);
  p.setPen(on ? QColor(170, 255, 180) : QColor(255, 170, 160));
  p.drawText(sw.adjusted(26, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft,
             on ? QStringLiteral("ON") : QStringLiteral("OFF"));
  p.end();
  return Done(image);
}

QImage Frame() {
  const QRect r = layout::kFrame;
  QImage image = Clear(r.width(), r.height());
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  Bevel(p, QRectF(0, 0, r.width(), r.height()), QColor(210, 180, 110), QColor(120, 90, 40), 7);
  const QRectF inner = QRectF(layout::kLogo).translated(-r.topLeft()).adjusted(-2, -2, 2, 2);
  p.setBrush(QColor(12, 12, 14));
  p.setPen(QPen(QColor(60, 45, 20), 1));
  p.drawRoundedRect(inner, 3, 3);
  p.end();
  return Done(image);
}

void Arrow(QPainter& p, const QRectF& r, bool up) {
  QPainterPath path;
  const QPointF c = r.center();
  const qreal d = up ? -1 : 1;
  path.moveTo(c.x() - 9, c.y() - 4 * d);
  path.lineTo(c.x() + 9, c.y() - 4 * d);
  path.lineTo(c.x(), c.y() + 5 * d);
  path.closeSubpath();
  p.setBrush(QColor(230, 220, 190));
  p.setPen(Qt::NoPen);
  p.drawPath(path);
}

QImage Volume() {
  const QRect r = layout::kVolume;
  QImage image = Clear(r.width(), r.height());
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  Bevel(p, QRectF(0, 0, r.width(), r.height()), QColor(64, 64, 70), QColor(28, 28, 32), 7);
  const QPoint at = r.topLeft();
  for (const QRect& key : {layout::kVolumeUp, layout::kVolumeDown})
    Bevel(p, QRectF(key.translated(-at)).adjusted(4, 3, -4, -3), QColor(96, 96, 104),
          QColor(46, 46, 52), 5);
  Arrow(p, QRectF(layout::kVolumeUp.translated(-at)), true);
  Arrow(p, QRectF(layout::kVolumeDown.translated(-at)), false);
  p.end();
  return Done(image);
}

// The volume as two amber digits on a dark display: "00" .. "10" for 0 .. 100 %.
QImage Digits(int tens) {
  const QRect r = layout::kDigits;
  QImage image = Clear(r.width(), r.height());
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setBrush(QColor(16, 10, 6));
  p.setPen(QPen(QColor(90, 70, 40), 1));
  p.drawRoundedRect(QRectF(0.5, 0.5, r.width() - 1, r.height() - 1), 3, 3);
  QFont font(QStringLiteral("DejaVu Sans Mono"));
  font.setPixelSize(18);
  font.setBold(true);
  p.setFont(font);
  p.setPen(QColor(255, 176, 40));
  p.drawText(QRectF(0, 0, r.width(), r.height()), Qt::AlignCenter,
             QStringLiteral("%1").arg(tens, 2, 10, QLatin1Char('0')));
  p.end();
  return Done(image);
}

// A station's logo: its name on a colour of its own with a wave mark.
QImage Logo(const QString& text, const QColor& colour) {
  const QRect r = layout::kLogo;
  QImage image = Clear(r.width(), r.height());
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient g(0, 0, r.width(), r.height());
  g.setColorAt(0, colour.lighter(130));
  g.setColorAt(1, colour.darker(160));
  p.setBrush(g);
  p.setPen(Qt::NoPen);
  p.drawRoundedRect(QRectF(0, 0, r.width(), r.height()), 5, 5);
  p.setPen(QPen(QColor(255, 255, 255, 150), 2, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 3; ++i)
    p.drawArc(QRectF(8 - i * 5, 22 - i * 5, 14 + i * 10, 14 + i * 10), -60 * 16, 120 * 16);
  p.setBrush(Qt::white);
  p.setPen(Qt::NoPen);
  p.drawEllipse(QPointF(15, 29), 2.5, 2.5);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setBold(true);
  font.setPixelSize(text.size() > 12 ? 12 : 15);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(QRectF(34, 2, r.width() - 38, r.height() - 4), Qt::AlignCenter | Qt::TextWordWrap,
             text);
  p.end();
  return Done(image);
}

// The main menu's radio: a small set with its dial lit when on.
QImage MenuPicture(bool on) {
  const QSize s = layout::kMenuPicture;
  QImage image = Clear(s.width(), s.height());
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(40, 40, 40), 2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(12, 10), QPointF(6, 1));
  Bevel(p, QRectF(2, 9, s.width() - 4, s.height() - 10), QColor(150, 100, 60), QColor(80, 50, 30),
        6);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 110));
  for (int x = 10; x <= 24; x += 5)
    for (int y = 17; y <= 33; y += 5) p.drawEllipse(QPointF(x, y), 1.5, 1.5);
  const QRectF dial(30, 15, 20, 10);
  p.setBrush(on ? QColor(255, 210, 90) : QColor(70, 64, 56));
  p.setPen(QPen(QColor(30, 20, 10), 1));
  p.drawRoundedRect(dial, 2, 2);
  p.setPen(QPen(on ? QColor(200, 30, 20) : QColor(40, 36, 30), 1.2));
  p.drawLine(QPointF(38, 15.5), QPointF(38, 24.5));
  p.setBrush(on ? QColor(80, 230, 90) : QColor(120, 40, 34));
  p.setPen(Qt::NoPen);
  p.drawEllipse(QPointF(40, 32), 3, 3);
  p.end();
  return Done(image);
}

}  // namespace

bool MakeRadioPart(BundleWriter& out, const QString& stations) {
  const QString type = QStringLiteral("RCDATA");
  out.AddPng(type, QStringLiteral("RRADIO_MAING"), Background(true));
  out.AddPng(type, QStringLiteral("RRADIO_MAINR"), Background(false));
  out.AddPng(type, QStringLiteral("RRADIO_VOLUME"), Volume());
  out.AddPng(type, QStringLiteral("RRADIO_RAMKA"), Frame());
  for (int tens = 0; tens <= 10; ++tens)
    out.AddPng(type, QStringLiteral("%1").arg(tens, 2, 10, QLatin1Char('0')), Digits(tens));
  out.AddPng(type, QStringLiteral("RRADIO_MENU_ON"), MenuPicture(true));
  out.AddPng(type, QStringLiteral("RRADIO_MENU_OFF"), MenuPicture(false));
  out.AddPng(type, QStringLiteral("RRADIO_LOGO_RADIOUN"),
             Logo(QStringLiteral("Radio"), QColor(90, 90, 110)));
  QFile file(stations);
  if (!file.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "artgen: cannot read the station list %s\n", qPrintable(stations));
    return false;
  }
  // Colours go round a wheel so that neighbours in the list differ.
  int hue = 200;
  for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
    const QStringList fields = line.trimmed().split(QLatin1Char('#'));
    if (line.startsWith(QLatin1Char('#')) || fields.size() < 6 || fields[5].isEmpty()) continue;
    if (out.Has(type, fields[5].toUpper())) continue;
    out.AddPng(type, fields[5], Logo(fields[2], QColor::fromHsv(hue % 360, 170, 170)));
    hue += 67;
  }
  return true;
}

}  // namespace artgen
