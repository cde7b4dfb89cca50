// The drawing kit of the holiday pictures (54 x 60 each, drawn over the card's paper) and the
// pictures themselves, which the calendar part looks up by name.
#pragma once

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <functional>

#include "locale/calendar_pictures.h"

namespace artgen::holiday {

constexpr int kW = quorvex::kCalendarPictureWidth, kH = quorvex::kCalendarPictureHeight;

using Draw = std::function<void(QPainter&)>;

// A transparent picture with the drawing on it, antialiased.
QImage Picture(const Draw& draw);
QLinearGradient Vertical(double top, double bottom, const QColor& a, const QColor& b);
// A Symbola picture with a gradient and a dark outline.
void Glyph(QPainter& p, char32_t code, const QRectF& box, const QColor& light, const QColor& dark,
           const QColor& outline);
QPainterPath Star(const QPointF& c, double outer, double inner, int points, double turn = 0);
QPainterPath Heart(const QPointF& c, double size);

// Flags flying from a pole.
QImage UsaFlag();
QImage UnionFlag();
QImage TricolourFlag(QColor a, QColor b, QColor c, bool across);
QImage SpainFlag();

// Days of the year.
QImage NewYear();
QImage Order();
QImage GeorgeRibbon();
QImage Love();
QImage WomensDay();
QImage Shamrock();
QImage Laughing();
QImage MayDay();
QImage Balloons();
QImage Music();
QImage Fireworks();
QImage Guitar();
QImage Dove();
QImage Programmer();
QImage TeaCup();
QImage Teacher();
QImage Pumpkin();
QImage Turkey();
QImage Book();

// The churches' feasts and our own days.
QImage EasterEggs();
QImage Cross(bool orthodox);
QImage Nativity();
QImage FirstDeal();
QImage DrawPhase();
QImage Trophy();
QImage GrandSlam();

}  // namespace artgen::holiday
