#include "calendar_part.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>

#include "canvas.h"
#include "glyphs.h"
#include "locale/calendar_pictures.h"

namespace artgen {

namespace {

using quorvex::kCalendarPictureHeight;
using quorvex::kCalendarPictureWidth;

// A leaf of a tear-off calendar: cream paper under a red binding with two rings.
QImage Base() {
  const int w = quorvex::kCalendarCardWidth, h = quorvex::kCalendarCardHeight;
  QImage image = Clear(w, h);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 60));
  p.drawRoundedRect(QRectF(1.5, 2, w - 1.5, h - 2), 4, 4);
  QLinearGradient paper(0, 0, 0, h);
  paper.setColorAt(0, QColor(255, 253, 244));
  paper.setColorAt(1, QColor(240, 232, 210));
  p.setBrush(paper);
  p.setPen(QPen(QColor(150, 130, 100), 1));
  p.drawRoundedRect(QRectF(0.5, 0.5, w - 2, h - 2), 4, 4);
  QPainterPath top;
  top.addRoundedRect(QRectF(0.5, 0.5, w - 2, 17), 4, 4);
  top.addRect(QRectF(0.5, 9, w - 2, 9));
  QLinearGradient red(0, 0, 0, 18);
  red.setColorAt(0, QColor(230, 70, 60));
  red.setColorAt(1, QColor(150, 20, 20));
  p.setBrush(red);
  p.setPen(Qt::NoPen);
  p.drawPath(top.simplified());
  p.setPen(QPen(QColor(110, 10, 10), 1));
  p.drawLine(QPointF(1, 17.5), QPointF(w - 2, 17.5));
  // The rings through the binding.
  for (double x : {15.0, 43.0}) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 10, 10));
    p.drawEllipse(QPointF(x, 10), 2.6, 2.6);
    QLinearGradient metal(x - 3, 0, x + 3, 0);
    metal.setColorAt(0, QColor(120, 120, 130));
    metal.setColorAt(0.5, QColor(245, 245, 250));
    metal.setColorAt(1, QColor(110, 110, 120));
    p.setPen(QPen(QBrush(metal), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(x - 3, -3, 6, 13), 200 * 16, 140 * 16);
    p.drawLine(QPointF(x, -1), QPointF(x, 9));
  }
  // Faint lines of the paper below the picture.
  p.setPen(QPen(QColor(210, 195, 160), 0.6));
  p.drawLine(QPointF(6, 94), QPointF(w - 8, 94));
  return Done(image);
}

// A zodiac sign: its symbol on a medallion coloured by its element.
QImage Zodiac(int sign) {
  const int s = quorvex::kZodiacPictureSize;
  QImage image = Clear(s, s);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  static const QColor kElements[4][2] = {
      {QColor(255, 170, 60), QColor(190, 40, 20)},    // fire
      {QColor(170, 210, 110), QColor(60, 110, 30)},   // earth
      {QColor(150, 215, 255), QColor(40, 110, 190)},  // air
      {QColor(120, 170, 255), QColor(20, 40, 140)},   // water
  };
  const QColor* colours = kElements[sign % 4];
  QRadialGradient disc(QPointF(s * 0.38, s * 0.32), s * 0.7);
  disc.setColorAt(0, colours[0]);
  disc.setColorAt(1, colours[1]);
  p.setPen(QPen(QColor(200, 160, 40), 1.6));
  p.setBrush(disc);
  p.drawEllipse(QRectF(1.2, 1.2, s - 2.4, s - 2.4));
  const QPainterPath glyph =
      GlyphPath(QString(QChar(0x2648 + sign)), QRectF(s * 0.22, s * 0.22, s * 0.56, s * 0.56));
  p.setPen(QPen(QColor(0, 0, 0, 90), 1.2));
  p.setBrush(Qt::NoBrush);
  p.drawPath(glyph.translated(0.5, 0.7));
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawPath(glyph);
  return Done(image);
}

// The year's animal drawn in red on a golden seal with a red rim.
QImage Animal(int animal) {
  static const char32_t kGlyphs[12] = {0x1F400, 0x1F402, 0x1F405, 0x1F407, 0x1F409, 0x1F40D,
                                       0x1F40E, 0x1F410, 0x1F412, 0x1F413, 0x1F415, 0x1F416};
  QImage image = Clear(kCalendarPictureWidth, kCalendarPictureHeight);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF c(27, 29);
  QRadialGradient rim(c - QPointF(6, 8), 30);
  rim.setColorAt(0, QColor(235, 60, 45));
  rim.setColorAt(1, QColor(140, 10, 15));
  p.setPen(QPen(QColor(230, 180, 60), 1.4));
  p.setBrush(rim);
  p.drawEllipse(c, 25.5, 25.5);
  QRadialGradient gold(c - QPointF(6, 8), 26);
  gold.setColorAt(0, QColor(255, 248, 215));
  gold.setColorAt(1, QColor(235, 190, 90));
  p.setBrush(gold);
  p.setPen(QPen(QColor(120, 20, 10), 0.8));
  p.drawEllipse(c, 21.5, 21.5);
  // Symbola draws its animals in lines; a pen of the same red makes them bold enough to read.
  const QPainterPath glyph =
      GlyphPath(QString::fromUcs4(&kGlyphs[animal], 1), QRectF(c.x() - 17, c.y() - 16, 34, 32));
  p.setPen(QPen(QColor(150, 20, 15), 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(QColor(150, 20, 15));
  p.drawPath(glyph);
  // A tassel below the seal, as a lantern has.
  p.setPen(QPen(QColor(230, 180, 60), 1.4));
  p.drawLine(QPointF(27, 54), QPointF(27, 58));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(200, 30, 30));
  p.drawRoundedRect(QRectF(24.5, 55.5, 5, 4.5), 1, 1);
  return Done(image);
}

}  // namespace

bool MakeCalendar(BundleWriter& out) {
  const QString type = QStringLiteral("RCDATA");
  for (const std::string& name : quorvex::CalendarPictureNames()) {
    const QString q = QString::fromStdString(name);
    QImage image;
    if (name == quorvex::kCalendarBase) {
      image = Base();
    } else if (name.size() == 4) {
      image = Zodiac(std::stoi(name.substr(2)) - 1);
    } else {
      for (int a = 0; a < 12 && image.isNull(); ++a)
        if (quorvex::EasternYearPicture(a) == name) image = Animal(a);
      if (image.isNull()) image = HolidayPicture(q);
    }
    if (image.isNull()) {
      std::fprintf(stderr, "artgen: no drawing for the calendar picture %s\n", name.c_str());
      return false;
    }
    out.AddPng(type, q, image);
  }
  return true;
}

}  // namespace artgen
