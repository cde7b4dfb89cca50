// The title picture and the main menu's backdrop: the game's name, a fan of cards and a row of
// suits that bob while the 20 ms timer runs.
#pragma once

#include <QRect>
#include <QString>

#include "game/table_view.h"
#include "ui/card_painter.h"
#include "ui/table_layout.h"

class QPainter;

namespace quorvex {

class TitlePainter {
 public:
  TitlePainter(const CardPainter& cards, const TableLayout& layout)
      : cards_(cards), layout_(layout) {}

  // Paints over the felt; frame counts the animation ticks.
  // The menu leaves out the suit row and the fan when the club list stands over them.
  void Paint(QPainter& painter, Screen screen, int frame, const QString& footer,
             bool menu_decorations = true) const;
  // The part of the picture that changes from one frame to the next.
  static QRect AnimatedRect(Screen screen);

 private:
  void PaintLogo(QPainter& painter, const QRect& area, int pixels) const;
  void PaintSuitRow(QPainter& painter, int top, int frame) const;
  void PaintFan(QPainter& painter, QPoint pivot, double scale) const;

  const CardPainter& cards_;
  const TableLayout& layout_;
};

}  // namespace quorvex
