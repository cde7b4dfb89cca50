// The one place that draws a card's face or back. The faces and the back are drawn once into
// pictures of the card size and then copied, as the card art libraries will supply them later.
#pragma once

#include <QPixmap>
#include <QPoint>
#include <array>

#include "game/card.h"

class QPainter;

namespace quorvex {

class CardPainter {
 public:
  CardPainter();

  // A card with its soft shadow on the table; an empty card draws nothing.
  void DrawFace(QPainter& painter, QPoint top_left, const TCard& card) const;
  void DrawBack(QPainter& painter, QPoint top_left) const;

  const QPixmap& Face(const TCard& card) const;
  const QPixmap& Back() const { return back_; }

 private:
  static QPixmap MakeFace(int rank_value, int suit);
  static QPixmap MakeBack();
  static void DrawShadow(QPainter& painter, QPoint top_left);

  std::array<QPixmap, 52> faces_;  // by (rank value - 1) * 4 + suit index
  QPixmap back_;
  QPixmap blank_;
};

}  // namespace quorvex
