#include "world_list_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <functional>

#include "canvas.h"

namespace artgen {

namespace {

constexpr double kPi = 3.14159265358979;

// A window of four panes, seen straight on: the desktop edition.
void DrawPanes(QPainter& p, const QRectF& box) {
  p.save();
  const double gap = box.width() * 0.07;
  const double w = (box.width() - gap) / 2, h = (box.height() - gap) / 2;
  const QColor colours[4] = {QColor(235, 80, 50), QColor(120, 190, 40), QColor(30, 150, 235),
                             QColor(250, 190, 20)};
  for (int i = 0; i < 4; ++i) {
    const QRectF pane(box.left() + (i % 2) * (w + gap), box.top() + (i / 2) * (h + gap), w, h);
    QLinearGradient glass(pane.topLeft(), pane.bottomRight());
    glass.setColorAt(0, colours[i].lighter(135));
    glass.setColorAt(1, colours[i].darker(115));
    p.setPen(QPen(colours[i].darker(160), 0.8));
    p.setBrush(glass);
    p.drawRoundedRect(pane, 1.5, 1.5);
  }
  // A gleam across the upper panes.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 70));
  QPainterPath gleam;
  gleam.moveTo(box.left(), box.top());
  gleam.lineTo(box.left() + box.width() * 0.6, box.top());
  gleam.lineTo(box.left(), box.top() + box.height() * 0.45);
  gleam.closeSubpath();
  p.drawPath(gleam);
  p.restore();
}

// A phone with a playing card on its screen: the mobile edition.
void DrawPhone(QPainter& p, const QRectF& box) {
  p.save();
  QLinearGradient body(box.topLeft(), box.bottomRight());
  body.setColorAt(0, QColor(120, 200, 90));
  body.setColorAt(1, QColor(40, 120, 40));
  p.setPen(QPen(QColor(25, 70, 25), 1.2));
  p.setBrush(body);
  p.drawRoundedRect(box, box.width() * 0.18, box.width() * 0.18);
  const QRectF screen = box.adjusted(box.width() * 0.12, box.height() * 0.12, -box.width() * 0.12,
                                     -box.height() * 0.16);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(20, 40, 30));
  p.drawRect(screen);
  const QRectF card = screen.adjusted(screen.width() * 0.18, screen.height() * 0.14,
                                      -screen.width() * 0.18, -screen.height() * 0.14);
  p.setBrush(QColor(250, 250, 245));
  p.drawRoundedRect(card, 1.5, 1.5);
  // A heart on the card.
  const QPointF c = card.center();
  const double r = card.width() * 0.2;
  QPainterPath heart;
  heart.moveTo(c.x(), c.y() + r * 1.3);
  heart.cubicTo(c.x() - r * 2.2, c.y() - r * 0.2, c.x() - r * 0.9, c.y() - r * 1.9, c.x(),
                c.y() - r * 0.6);
  heart.cubicTo(c.x() + r * 0.9, c.y() - r * 1.9, c.x() + r * 2.2, c.y() - r * 0.2, c.x(),
                c.y() + r * 1.3);
  p.setBrush(QColor(210, 20, 30));
  p.drawPath(heart);
  // The button under the screen.
  p.setBrush(QColor(200, 240, 190));
  p.drawEllipse(QPointF(box.center().x(), box.bottom() - box.height() * 0.08), box.width() * 0.07,
                box.width() * 0.07);
  p.restore();
}

// Head and shoulders of a member.
void DrawMember(QPainter& p, const QRectF& box, const QColor& colour) {
  p.save();
  const double w = box.width(), h = box.height(), cx = box.center().x();
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  QPainterPath body;
  body.moveTo(box.left() + w * 0.08, box.bottom());
  body.cubicTo(box.left() + w * 0.08, box.top() + h * 0.45, box.right() - w * 0.08,
               box.top() + h * 0.45, box.right() - w * 0.08, box.bottom());
  body.closeSubpath();
  p.drawPath(body);
  p.drawEllipse(QPointF(cx, box.top() + h * 0.3), w * 0.21, h * 0.22);
  p.restore();
}

void DrawStar(QPainter& p, const QPointF& centre, double radius, const QColor& colour) {
  p.save();
  QPainterPath star;
  for (int i = 0; i < 10; ++i) {
    const double r = i % 2 == 0 ? radius : radius * 0.42;
    const double a = -kPi / 2 + i * kPi / 5;
    const QPointF point(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
    if (i == 0) {
      star.moveTo(point);
    } else {
      star.lineTo(point);
    }
  }
  star.closeSubpath();
  QRadialGradient glow(centre - QPointF(radius * 0.3, radius * 0.3), radius * 1.4);
  glow.setColorAt(0, colour.lighter(170));
  glow.setColorAt(1, colour);
  p.setPen(QPen(colour.darker(170), 0.9));
  p.setBrush(glow);
  p.drawPath(star);
  p.restore();
}

// A gold cup with two handles on a foot.
void DrawCup(QPainter& p, const QRectF& box) {
  p.save();
  const double w = box.width(), h = box.height();
  QLinearGradient gold(box.left(), 0, box.right(), 0);
  gold.setColorAt(0, QColor(170, 110, 10));
  gold.setColorAt(0.35, QColor(255, 225, 110));
  gold.setColorAt(1, QColor(160, 100, 10));
  p.setPen(QPen(QColor(110, 70, 0), 1.0));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(box.left(), box.top() + h * 0.08, w * 0.36, h * 0.36), 90 * 16, 180 * 16);
  p.drawArc(QRectF(box.right() - w * 0.36, box.top() + h * 0.08, w * 0.36, h * 0.36), -90 * 16,
            180 * 16);
  p.setBrush(gold);
  QPainterPath bowl;
  bowl.moveTo(box.left() + w * 0.16, box.top());
  bowl.lineTo(box.right() - w * 0.16, box.top());
  bowl.cubicTo(box.right() - w * 0.16, box.top() + h * 0.5, box.center().x() + w * 0.12,
               box.top() + h * 0.62, box.center().x() + w * 0.06, box.top() + h * 0.66);
  bowl.lineTo(box.center().x() - w * 0.06, box.top() + h * 0.66);
  bowl.cubicTo(box.center().x() - w * 0.12, box.top() + h * 0.62, box.left() + w * 0.16,
               box.top() + h * 0.5, box.left() + w * 0.16, box.top());
  bowl.closeSubpath();
  p.drawPath(bowl);
  p.drawRect(QRectF(box.center().x() - w * 0.06, box.top() + h * 0.66, w * 0.12, h * 0.16));
  p.drawRoundedRect(QRectF(box.center().x() - w * 0.26, box.top() + h * 0.82, w * 0.52, h * 0.18),
                    1.5, 1.5);
  p.restore();
}

// A screen on a stand with a card on it: a game at this machine.
void DrawMonitor(QPainter& p, const QRectF& box, bool with_card) {
  p.save();
  const double w = box.width(), h = box.height();
  const QRectF screen(box.left(), box.top(), w, h * 0.72);
  p.setPen(QPen(QColor(40, 40, 50), 1.0));
  p.setBrush(QColor(70, 70, 85));
  p.drawRoundedRect(screen, 2, 2);
  QLinearGradient cloth(screen.topLeft(), screen.bottomLeft());
  cloth.setColorAt(0, QColor(40, 150, 80));
  cloth.setColorAt(1, QColor(15, 90, 45));
  p.setPen(Qt::NoPen);
  p.setBrush(cloth);
  const QRectF inner = screen.adjusted(w * 0.08, h * 0.09, -w * 0.08, -h * 0.09);
  p.drawRect(inner);
  if (with_card) {
    for (int i = 0; i < 2; ++i) {
      const QRectF card(inner.left() + inner.width() * (0.2 + 0.3 * i),
                        inner.top() + inner.height() * 0.15, inner.width() * 0.32,
                        inner.height() * 0.7);
      p.setPen(QPen(QColor(120, 120, 120), 0.6));
      p.setBrush(QColor(250, 250, 245));
      p.drawRoundedRect(card, 1.2, 1.2);
      p.setPen(Qt::NoPen);
      p.setBrush(i == 0 ? QColor(20, 20, 20) : QColor(210, 20, 30));
      p.drawEllipse(card.center(), card.width() * 0.17, card.width() * 0.17);
    }
  }
  p.setBrush(QColor(90, 90, 105));
  p.drawRect(QRectF(box.center().x() - w * 0.07, screen.bottom(), w * 0.14, h * 0.16));
  p.drawRoundedRect(QRectF(box.center().x() - w * 0.3, box.bottom() - h * 0.12, w * 0.6, h * 0.12),
                    1.5, 1.5);
  p.restore();
}

// Laurel branches under a trophy: the online tournament.
void DrawLaurel(QPainter& p, const QRectF& box) {
  p.save();
  p.setPen(Qt::NoPen);
  for (int side = -1; side <= 1; side += 2) {
    for (int i = 0; i < 6; ++i) {
      const double a = kPi * (0.62 + 0.09 * i);
      const double r = box.width() * 0.45;
      const QPointF at(box.center().x() + side * r * std::cos(a) * -1,
                       box.center().y() + r * std::sin(a) * 0.9 - box.height() * 0.1);
      p.save();
      p.translate(at);
      p.rotate(side * (20 + 16 * i));
      p.setBrush(QColor(60, 150, 60).lighter(100 + 8 * i));
      p.drawEllipse(
          QRectF(-box.width() * 0.05, -box.height() * 0.1, box.width() * 0.1, box.height() * 0.2));
      p.restore();
    }
  }
  p.restore();
}

// The round medallion every category button stands on.
QImage Medallion(const QColor& colour, const std::function<void(QPainter&)>& draw) {
  QImage image = Clear(64, 64);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient disc(QPointF(24, 20), 44);
  disc.setColorAt(0, colour.lighter(165));
  disc.setColorAt(0.7, colour);
  disc.setColorAt(1, colour.darker(160));
  QLinearGradient rim(0, 0, 64, 64);
  rim.setColorAt(0, QColor(255, 235, 150));
  rim.setColorAt(0.5, QColor(200, 150, 40));
  rim.setColorAt(1, QColor(120, 80, 10));
  p.setPen(QPen(QBrush(rim), 3.2));
  p.setBrush(disc);
  p.drawEllipse(QRectF(3, 3, 58, 58));
  p.save();
  QPainterPath clip;
  clip.addEllipse(QRectF(5, 5, 54, 54));
  p.setClipPath(clip);
  draw(p);
  p.restore();
  // Glass over the top.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 55));
  p.drawEllipse(QRectF(14, 7, 36, 18));
  return Done(image);
}

QImage WindowsIcon() {
  QImage image = Clear(48, 48);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient frame(0, 0, 0, 48);
  frame.setColorAt(0, QColor(90, 140, 210));
  frame.setColorAt(1, QColor(30, 70, 150));
  p.setPen(QPen(QColor(20, 40, 90), 1.2));
  p.setBrush(frame);
  p.drawRoundedRect(QRectF(3, 5, 42, 38), 4, 4);
  // The title bar with its three little buttons.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 200));
  for (int i = 0; i < 3; ++i) p.drawEllipse(QPointF(33 + 4.2 * i, 9.5), 1.4, 1.4);
  DrawPanes(p, QRectF(8, 14, 32, 25));
  return Done(image);
}

QImage AndroidIcon() {
  QImage image = Clear(48, 48);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  DrawPhone(p, QRectF(12, 2, 24, 44));
  return Done(image);
}

}  // namespace

bool MakeWorldListIcons(BundleWriter& out) {
  out.AddPng(QStringLiteral("RCDATA"), QStringLiteral("Windows"), WindowsIcon());
  out.AddPng(QStringLiteral("RCDATA"), QStringLiteral("Android"), AndroidIcon());
  return true;
}

bool MakeWorldCategoryButtons(BundleWriter& out) {
  const QString type = QStringLiteral("RCDATA");
  const QColor member(245, 245, 250);
  // 1: the account's rating over all games.
  out.AddPng(type, QStringLiteral("GWTop1"), Medallion(QColor(40, 80, 170), [&](QPainter& p) {
               DrawMember(p, QRectF(14, 16, 30, 44), member);
               DrawStar(p, QPointF(44, 22), 10, QColor(240, 190, 20));
             }));
  // 2: the account's cycle scores.
  out.AddPng(type, QStringLiteral("GWTop2"), Medallion(QColor(40, 80, 170), [&](QPainter& p) {
               DrawMember(p, QRectF(8, 16, 30, 44), member);
               DrawCup(p, QRectF(34, 18, 22, 26));
             }));
  // 3: the desktop edition's cycle scores.
  out.AddPng(type, QStringLiteral("GWTop3"), Medallion(QColor(30, 110, 150), [&](QPainter& p) {
               DrawPanes(p, QRectF(10, 14, 28, 26));
               DrawCup(p, QRectF(34, 28, 20, 24));
             }));
  // 4: the mobile edition's cycle scores.
  out.AddPng(type, QStringLiteral("GWTop4"), Medallion(QColor(40, 120, 60), [&](QPainter& p) {
               DrawPhone(p, QRectF(14, 10, 20, 36));
               DrawCup(p, QRectF(34, 28, 20, 24));
             }));
  // 5: the online tournament.
  out.AddPng(type, QStringLiteral("GWTop5"), Medallion(QColor(150, 40, 60), [&](QPainter& p) {
               DrawLaurel(p, QRectF(8, 14, 48, 44));
               DrawCup(p, QRectF(19, 13, 26, 34));
             }));
  // 6: the local games against the computer.
  out.AddPng(type, QStringLiteral("GWTop6"), Medallion(QColor(90, 60, 140), [&](QPainter& p) {
               DrawMonitor(p, QRectF(12, 14, 40, 38), true);
             }));
  // 7: the network games: two machines joined by a cable.
  out.AddPng(type, QStringLiteral("GWTop7"), Medallion(QColor(90, 60, 140), [&](QPainter& p) {
               DrawMonitor(p, QRectF(7, 14, 24, 24), true);
               DrawMonitor(p, QRectF(33, 26, 24, 24), true);
               p.setPen(QPen(QColor(255, 220, 90), 2.0, Qt::SolidLine, Qt::RoundCap));
               p.setBrush(Qt::NoBrush);
               QPainterPath cable;
               cable.moveTo(19, 41);
               cable.cubicTo(19, 52, 30, 54, 33, 44);
               p.drawPath(cable);
             }));
  return true;
}

}  // namespace artgen
