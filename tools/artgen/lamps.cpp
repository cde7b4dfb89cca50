#include "lamps.h"

#include <QPainter>
#include <QRadialGradient>

#include "canvas.h"

namespace artgen {

namespace {

QImage Lamp(const QColor& colour) {
  QImage image = Clear(24, 24);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient glass(QPointF(9, 8), 12);
  glass.setColorAt(0, colour.lighter(180));
  glass.setColorAt(0.5, colour);
  glass.setColorAt(1, colour.darker(170));
  p.setPen(QPen(QColor(40, 40, 40), 1.2));
  p.setBrush(glass);
  p.drawEllipse(QRectF(2, 2, 20, 20));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 150));
  p.drawEllipse(QRectF(6.5, 5, 6, 4));
  return Done(image);
}

}  // namespace

bool MakeLamps(BundleWriter& out) {
  out.AddPng(QStringLiteral("RCDATA"), QStringLiteral("LampR24"), Lamp(QColor(210, 30, 30)));
  out.AddPng(QStringLiteral("RCDATA"), QStringLiteral("LampY24"), Lamp(QColor(230, 190, 20)));
  out.AddPng(QStringLiteral("RCDATA"), QStringLiteral("LampG24"), Lamp(QColor(40, 170, 60)));
  return true;
}

}  // namespace artgen
