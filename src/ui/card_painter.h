// The one place that draws a card's face or back on the table: the card pictures of the chosen
// designs (see CardImages), each in its cell with a soft shadow.
#pragma once

#include <QPixmap>
#include <QPoint>
#include <array>

#include "game/card.h"
#include "settings/settings.h"
#include "ui/card_images.h"

class QPainter;

namespace quorvex {

class CardPainter {
 public:
  // Loads the built-in classic faces and backs for the normal window, today's back.
  CardPainter();

  // A card with its soft shadow on the table, its face at top_left; an empty card draws nothing.
  void DrawFace(QPainter& painter, QPoint top_left, const TCard& card) const;
  void DrawBack(QPainter& painter, QPoint top_left) const;

  // The face and the back as pictures, for the title's fan of cards.
  const QPixmap& Face(const TCard& card) const;
  const QPixmap& Back() const;

  // The pictures and the card design settings they follow; reload them after a change.
  CardImages& Images() { return images_; }
  const CardImages& Images() const { return images_; }
  Settings& CardSettings() { return settings_; }

 private:
  void DrawShadow(QPainter& painter, QPoint top_left) const;

  Settings settings_;
  CardImages images_;
  mutable std::array<QPixmap, 53> face_pixmaps_;  // by deck number, 0 unused
  mutable QPixmap back_pixmap_;
  mutable qint64 back_key_ = 0;
  QPixmap blank_;
};

}  // namespace quorvex
