// The holiday pictures' drawing kit and the flags.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "canvas.h"
#include "glyphs.h"
#include "holiday_kit.h"

namespace artgen::holiday {

QImage Picture(const Draw& draw) {
  QImage image = Clear(kW, kH);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  draw(p);
  p.end();
  return Done(image);
}

QLinearGradient Vertical(double top, double bottom, const QColor& a, const QColor& b) {
  QLinearGradient g(0, top, 0, bottom);
  g.setColorAt(0, a);
  g.setColorAt(1, b);
  return g;
}

void Glyph(QPainter& p, char32_t code, const QRectF& box, const QColor& light, const QColor& dark,
           const QColor& outline) {
  const QPainterPath path = GlyphPath(QString::fromUcs4(&code, 1), box);
  p.setPen(QPen(outline, 0.9));
  p.setBrush(Vertical(box.top(), box.bottom(), light, dark));
  p.drawPath(path);
}

QPainterPath Star(const QPointF& c, double outer, double inner, int points, double turn) {
  QPainterPath path;
  for (int i = 0; i < points * 2; ++i) {
    const double a = turn + i * M_PI / points - M_PI / 2;
    const double r = i % 2 ? inner : outer;
    const QPointF at(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
    i ? path.lineTo(at) : path.moveTo(at);
  }
  path.closeSubpath();
  return path;
}

QPainterPath Heart(const QPointF& c, double size) {
  QPainterPath path;
  const double s = size / 2;
  path.moveTo(c.x(), c.y() + s);
  path.cubicTo(c.x() - s * 1.9, c.y() - s * 0.2, c.x() - s * 0.9, c.y() - s * 1.5, c.x(),
               c.y() - s * 0.55);
  path.cubicTo(c.x() + s * 0.9, c.y() - s * 1.5, c.x() + s * 1.9, c.y() - s * 0.2, c.x(),
               c.y() + s);
  return path;
}

// A flag flying from a pole: the flat flag is drawn at twice the size, then laid in columns
// that rise and fall with a wave and darken in its troughs.
QImage Flag(const std::function<void(QPainter&, const QRectF&)>& flat) {
  const QRectF cloth(0, 0, 88, 58);
  QImage plain(88, 58, QImage::Format_ARGB32_Premultiplied);
  plain.fill(Qt::white);
  {
    QPainter p(&plain);
    p.setRenderHint(QPainter::Antialiasing);
    flat(p, cloth);
  }
  return Picture([&](QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(Vertical(0, 60, QColor(170, 120, 60), QColor(90, 55, 20)));
    p.drawRoundedRect(QRectF(3, 5, 3, 54), 1.5, 1.5);
    p.setBrush(QColor(230, 190, 70));
    p.drawEllipse(QPointF(4.5, 4.5), 2.8, 2.8);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int x = 0; x < 44; ++x) {
      const double phase = x / 44.0 * 2 * M_PI;
      const double lift = 2.6 * std::sin(phase - 0.6) * (x / 44.0 + 0.15);
      const QRectF to(6 + x, 8 + lift, 1.05, 29);
      p.drawImage(to, plain, QRectF(x * 2, 0, 2, 58));
      const double shade = std::cos(phase - 0.6);
      p.fillRect(to, shade > 0 ? QColor(255, 255, 255, int(45 * shade))
                               : QColor(0, 0, 0, int(-55 * shade)));
    }
  });
}

void Stripes(QPainter& p, const QRectF& r, std::initializer_list<QColor> colours, bool across) {
  const int n = static_cast<int>(colours.size());
  int i = 0;
  for (const QColor& c : colours) {
    const QRectF band =
        across ? QRectF(r.left(), r.top() + r.height() * i / n, r.width(), r.height() / n + 0.5)
               : QRectF(r.left() + r.width() * i / n, r.top(), r.width() / n + 0.5, r.height());
    p.fillRect(band, c);
    ++i;
  }
}

QImage UsaFlag() {
  return Flag([](QPainter& p, const QRectF& r) {
    for (int i = 0; i < 13; ++i)
      p.fillRect(QRectF(0, r.height() * i / 13, r.width(), r.height() / 13 + 0.5),
                 i % 2 ? Qt::white : QColor(178, 34, 52));
    const QRectF canton(0, 0, r.width() * 0.42, r.height() * 7 / 13);
    p.fillRect(canton, QColor(60, 59, 110));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (int row = 0; row < 5; ++row)
      for (int col = 0; col < 6 - row % 2; ++col)
        p.drawPath(Star(QPointF(3.5 + col * 6.0 + (row % 2) * 3, 3.5 + row * 6.2), 2.2, 0.9, 5));
  });
}

QImage UnionFlag() {
  return Flag([](QPainter& p, const QRectF& r) {
    p.fillRect(r, QColor(1, 33, 105));
    const QPointF tl = r.topLeft(), br = r.bottomRight(), tr = r.topRight(), bl = r.bottomLeft();
    p.setPen(QPen(Qt::white, 11));
    p.drawLine(tl, br);
    p.drawLine(tr, bl);
    p.setPen(QPen(QColor(200, 16, 46), 3.5));
    p.drawLine(tl + QPointF(0, -2), br + QPointF(0, -2));
    p.drawLine(tr + QPointF(0, 2), bl + QPointF(0, 2));
    p.fillRect(QRectF(r.center().x() - 9, 0, 18, r.height()), Qt::white);
    p.fillRect(QRectF(0, r.center().y() - 9, r.width(), 18), Qt::white);
    p.fillRect(QRectF(r.center().x() - 5.5, 0, 11, r.height()), QColor(200, 16, 46));
    p.fillRect(QRectF(0, r.center().y() - 5.5, r.width(), 11), QColor(200, 16, 46));
  });
}

QImage TricolourFlag(QColor a, QColor b, QColor c, bool across) {
  return Flag([=](QPainter& p, const QRectF& r) { Stripes(p, r, {a, b, c}, across); });
}

QImage SpainFlag() {
  return Flag([](QPainter& p, const QRectF& r) {
    Stripes(p, r,
            {QColor(170, 21, 27), QColor(241, 191, 0), QColor(241, 191, 0), QColor(170, 21, 27)},
            true);
    // A plain shield for the arms.
    QPainterPath shield;
    shield.moveTo(20, 19);
    shield.lineTo(32, 19);
    shield.lineTo(32, 33);
    shield.quadTo(26, 41, 20, 33);
    shield.closeSubpath();
    p.setPen(QPen(QColor(120, 60, 0), 1));
    p.setBrush(QColor(200, 40, 30));
    p.drawPath(shield);
    p.setBrush(QColor(241, 191, 0));
    p.drawRect(QRectF(26, 19, 6, 8));
  });
}

}  // namespace artgen::holiday
