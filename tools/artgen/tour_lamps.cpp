#include "tour_lamps.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "canvas.h"

namespace artgen {

namespace {

QImage Tower(bool on) {
  QImage image = Clear(48, 48);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);

  // The shadow under the tower.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 60));
  p.drawEllipse(QRectF(8, 41, 32, 5));

  // The tower: brushed metal, lit from the left.
  const QRectF body(10, 3, 28, 41);
  QLinearGradient metal(body.topLeft(), body.topRight());
  metal.setColorAt(0, QColor(118, 126, 140));
  metal.setColorAt(0.35, QColor(196, 202, 212));
  metal.setColorAt(1, QColor(84, 90, 104));
  p.setPen(QPen(QColor(40, 44, 54), 1.2));
  p.setBrush(metal);
  p.drawRoundedRect(body, 4, 4);

  // Two drive bays with their small slots.
  for (int i = 0; i < 2; ++i) {
    const QRectF bay(14, 7.5 + i * 7, 20, 4.5);
    p.setPen(QPen(QColor(50, 54, 64), 0.8));
    p.setBrush(QColor(60, 66, 80));
    p.drawRoundedRect(bay, 1, 1);
    p.setPen(Qt::NoPen);
    p.setBrush(on ? QColor(120, 230, 255) : QColor(90, 96, 110));
    p.drawRect(QRectF(30, 9 + i * 7, 2, 1.5));
  }
  // Vent lines at the foot.
  p.setPen(QPen(QColor(70, 76, 90), 1));
  for (int i = 0; i < 3; ++i) p.drawLine(QPointF(15, 37.5 + i * 2), QPointF(33, 37.5 + i * 2));

  // The lamp: a glowing green globe with a halo, or a dark red glass.
  const QPointF centre(24, 27);
  if (on) {
    QRadialGradient halo(centre, 13);
    halo.setColorAt(0, QColor(120, 255, 120, 170));
    halo.setColorAt(1, QColor(120, 255, 120, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(centre, 13, 13);
  }
  QRadialGradient glass(centre - QPointF(2, 2), 8);
  if (on) {
    glass.setColorAt(0, QColor(230, 255, 220));
    glass.setColorAt(0.45, QColor(60, 220, 70));
    glass.setColorAt(1, QColor(10, 120, 30));
  } else {
    glass.setColorAt(0, QColor(170, 110, 110));
    glass.setColorAt(0.5, QColor(110, 40, 40));
    glass.setColorAt(1, QColor(50, 20, 24));
  }
  p.setPen(QPen(QColor(30, 32, 40), 1.2));
  p.setBrush(glass);
  p.drawEllipse(centre, 6.5, 6.5);
  // The gleam on the glass.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, on ? 190 : 90));
  p.drawEllipse(QRectF(centre.x() - 4, centre.y() - 4.5, 4, 2.6));
  return Done(image);
}

}  // namespace

bool MakeTourLamps(BundleWriter& out) {
  out.AddPng(QStringLiteral("RCDATA"), QStringLiteral("GTourOn"), Tower(true));
  out.AddPng(QStringLiteral("RCDATA"), QStringLiteral("GTourOff"), Tower(false));
  return true;
}

}  // namespace artgen
