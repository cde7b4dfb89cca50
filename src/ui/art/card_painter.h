// The one place that draws a card's face or back on the table: the card pictures of the chosen
// designs (see CardImages), each in its cell with a soft shadow.
#pragma once

#include <QPixmap>
#include <QPoint>
#include <array>

#include "game/card.h"
#include "settings/settings.h"
#include "ui/art/card_images.h"

class QSize;

class QPainter;

namespace quorvex {

class Random;

class CardPainter {
 public:
  // Loads the built-in classic faces and backs for the normal window, today's back.
  CardPainter();

  // A card with its soft shadow on the table, its face at top_left; an empty card draws nothing.
  void DrawFace(QPainter& painter, QPoint top_left, const TCard& card) const;
  void DrawBack(QPainter& painter, QPoint top_left) const;

  // Loads the card and back designs chosen in `chosen` for a window size and its scale. A
  // design whose library is missing falls back (with its notice); the settings in force are
  // written back into `chosen`.
  void Configure(Settings& chosen, int window_size, const WindowScale& scale);
  // The back of a new deal.
  void ChooseBack(Random& random);
  // A card picture's size on the table, without the cell's frame.
  QSize CardSize() const;
  // A card as the table shows it, cell frame and shadow included, for flying it; a back for an
  // empty card. Its top-left corner lies one pixel above and left of the face's.
  QPixmap FlightPicture(const TCard& card) const;

  // The face and the back as pictures, for the title's fan of cards.
  const QPixmap& Face(const TCard& card) const;
  const QPixmap& Back() const;

  // The pictures and the card design settings they follow; reload them after a change.
  CardImages& Images() { return images_; }
  const CardImages& Images() const { return images_; }
  Settings& CardSettings() { return settings_; }

 private:
  // Where the card's cell starts for a card whose face starts at top_left.
  QPoint CellCorner(QPoint top_left) const;
  void DrawShadow(QPainter& painter, QPoint top_left) const;

  Settings settings_;
  CardImages images_;
  mutable std::array<QPixmap, 53> face_pixmaps_;  // by deck number, 0 unused
  mutable QPixmap back_pixmap_;
  mutable qint64 back_key_ = 0;
  QPixmap blank_;
};

}  // namespace quorvex
