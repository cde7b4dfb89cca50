#include "graphics_part.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "art/library_rules.h"
#include "gif_writer.h"

namespace artgen {

namespace {

// The purple menu: violet silk with a soft light from above.
QImage PurpleBackground() {
  QImage image(1520, 1000, QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const double wave = std::sin(x / 170.0 + y / 300.0 + 1.5 * std::sin(y / 210.0 + x / 900.0));
      const double light = 0.85 + 0.25 * wave * wave * wave -
                           0.35 * std::pow(std::hypot(x - 760.0, y - 380.0) / 1000.0, 2);
      auto c = [light](int v) { return std::clamp(static_cast<int>(v * light), 0, 255); };
      line[x] = qRgb(c(118), c(64), c(168));
    }
  }
  return image;
}

// The touch effect: rings spreading from the point touched, fading out.
QByteArray TouchEffect() {
  std::vector<QImage> frames;
  constexpr int kSize = 48, kFrames = 8;
  for (int f = 0; f < kFrames; ++f) {
    QImage frame(kSize, kSize, QImage::Format_ARGB32);
    frame.fill(Qt::transparent);
    QPainter p(&frame);
    p.setRenderHint(QPainter::Antialiasing);
    const double t = (f + 1) / double(kFrames);
    for (int ring = 0; ring < 2; ++ring) {
      const double r = (t - ring * 0.3) * kSize * 0.46;
      if (r <= 1) continue;
      p.setPen(QPen(ring ? QColor(255, 255, 255) : QColor(200, 120, 255), 3.2 * (1.1 - t)));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(QPointF(kSize / 2.0, kSize / 2.0), r, r);
    }
    frames.push_back(frame);
  }
  return EncodeGif(frames, 5);
}

// The ribbon across the top of a window in the "grey with red ribbons" design.
QImage Ribbon() {
  QImage image(280, 90, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath band;
  band.moveTo(0, 18);
  band.lineTo(280, 18);
  band.lineTo(266, 45);
  band.lineTo(280, 72);
  band.lineTo(0, 72);
  band.lineTo(14, 45);
  band.closeSubpath();
  QLinearGradient red(0, 18, 0, 72);
  red.setColorAt(0, QColor(230, 60, 60));
  red.setColorAt(0.5, QColor(170, 10, 20));
  red.setColorAt(1, QColor(110, 0, 10));
  p.setPen(QPen(QColor(80, 0, 0), 2));
  p.setBrush(red);
  p.drawPath(band);
  p.setPen(QPen(QColor(255, 200, 120, 180), 1.5, Qt::DashLine));
  p.drawLine(QPointF(20, 24), QPointF(260, 24));
  p.drawLine(QPointF(20, 66), QPointF(260, 66));
  return image.convertToFormat(QImage::Format_ARGB32);
}

// The purple design's window: violet silk darker towards the bottom, a light frame.
QImage PurpleForm() {
  QImage image(500, 410, QImage::Format_RGB32);
  QPainter p(&image);
  QLinearGradient silk(0, 0, 0, 410);
  silk.setColorAt(0, QColor(150, 90, 200));
  silk.setColorAt(1, QColor(60, 20, 100));
  p.fillRect(image.rect(), silk);
  p.setPen(QPen(QColor(230, 200, 255), 3));
  p.drawRect(QRectF(4, 4, 492, 402));
  return image;
}

// The icons the purple windows turn in their corner: a gear for the options, a stopwatch hand
// for the speed. One turn in twelve steps.
QByteArray TurningIcon(bool gear) {
  std::vector<QImage> frames;
  constexpr int kSize = 48, kFrames = 12;
  for (int f = 0; f < kFrames; ++f) {
    QImage frame(kSize, kSize, QImage::Format_ARGB32);
    frame.fill(Qt::transparent);
    QPainter p(&frame);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(kSize / 2.0, kSize / 2.0);
    QRadialGradient gold(QPointF(-6, -6), 30);
    gold.setColorAt(0, QColor(255, 240, 160));
    gold.setColorAt(1, QColor(190, 130, 20));
    p.setPen(QPen(QColor(90, 50, 0), 1.5));
    p.setBrush(gold);
    if (gear) {
      p.rotate(f * 30.0 / kFrames);  // eight teeth: a twelfth of a tooth's pitch per step
      QPainterPath teeth;
      for (int t = 0; t < 8; ++t) {
        QPainterPath tooth;
        tooth.addRoundedRect(QRectF(-4.5, -22, 9, 12), 2, 2);
        teeth.addPath(QTransform().rotate(t * 45.0).map(tooth));
      }
      QPainterPath wheel;
      wheel.addEllipse(QPointF(0, 0), 15.5, 15.5);
      QPainterPath hole;
      hole.addEllipse(QPointF(0, 0), 6, 6);
      p.drawPath(teeth.united(wheel).subtracted(hole));
    } else {
      p.drawEllipse(QPointF(0, 0), 20, 20);
      p.setBrush(QColor(255, 252, 240));
      p.drawEllipse(QPointF(0, 0), 16, 16);
      p.setPen(QPen(QColor(90, 50, 0), 1.2));
      for (int t = 0; t < 12; ++t) {
        const double a = t * M_PI / 6;
        p.drawLine(QPointF(13 * std::sin(a), -13 * std::cos(a)),
                   QPointF(15.5 * std::sin(a), -15.5 * std::cos(a)));
      }
      p.rotate(f * 360.0 / kFrames);
      p.setPen(QPen(QColor(170, 20, 20), 2.2, Qt::SolidLine, Qt::RoundCap));
      p.drawLine(QPointF(0, 3), QPointF(0, -13));
      p.setBrush(QColor(170, 20, 20));
      p.drawEllipse(QPointF(0, 0), 2.2, 2.2);
    }
    frames.push_back(frame);
  }
  return EncodeGif(frames, 6);
}

}  // namespace

bool MakeGraphics(BundleWriter& out) {
  out.AddPng(QStringLiteral("RCDATA"), QStringLiteral("GLenta280x090"), Ribbon());
  out.AddJpeg(QStringLiteral("GFormOpt"), PurpleForm(), 88);
  out.AddJpeg(QString::fromLatin1(quorvex::kPurpleMenuBackground), PurpleBackground(), 86);
  out.AddData(QStringLiteral("GIF"), QString::fromLatin1(quorvex::kTouchEffect), TouchEffect());
  out.AddData(QStringLiteral("GIF"), QStringLiteral("GIcon48Opt"), TurningIcon(true));
  out.AddData(QStringLiteral("GIF"), QStringLiteral("GIcon48Speed"), TurningIcon(false));
  return true;
}

}  // namespace artgen
