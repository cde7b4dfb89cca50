// The card pictures of the running program: the faces of the chosen design in the 56 slots of
// the card table, the four suit symbols with their big twins, and the backs of the chosen back
// design, loaded from the program's own pictures or the card libraries for the window's size;
// and the drawing of a card in its cell.
#pragma once

#include <QImage>
#include <QPoint>
#include <array>
#include <map>

#include "art/back_names.h"
#include "art/card_geometry.h"
#include "art/library_rules.h"
#include "game/card.h"
#include "settings/settings.h"
#include "settings/window_scale.h"

class QPainter;

namespace quorvex {

class Random;

class CardImages {
 public:
  // Reads CardFaceSet, DeckSet and DeckAlwaysOne, and resets them when a library is missing.
  explicit CardImages(Settings& settings);

  // The window's size 1..5 and its scale; takes effect at the next LoadCardFaces.
  void SetWindow(int window_size, const WindowScale& scale);

  // Faces and symbols of the chosen design, then the backs. False when a library was missing
  // (the notice was shown and the design reset to the built-in one).
  bool LoadCardFaces();
  // Backs of the chosen back design. False when library B was missing.
  bool LoadCardBacks();
  // The back of a deal: weekday 1 Monday .. 7 Sunday.
  void ChooseBack(int weekday, Random& random);

  // The picture of a card's slot: a 69 x 94 bitmap at the normal size, the stored big picture
  // otherwise. Null for anything that is not one of the 52 cards.
  const QImage& FaceImage(const TCard& card) const;
  // A card, or a special code ("Fr", "KY", "KN", "X" + colour), in its cell at (x, y).
  void DrawCard(int x, int y, const TCard& card, QPainter& target) const;
  // The chosen back in its cell, upright or turned a quarter.
  void DrawBack(int x, int y, QPainter& target, bool rotated = false) const;

  int SizeClass() const { return size_class_; }
  PixelSize Cell() const { return cell_; }
  bool WideFaces() const { return wide_; }
  int LayoutOffset() const { return layout_offset_; }
  int BackNumber() const { return back_number_; }
  // Suit 0 hearts .. 3 spades.
  const QImage& Symbol(int suit) const { return symbols_[suit & 3]; }
  const QImage& BigSymbol(int suit) const { return big_symbols_[suit & 3]; }
  const QImage& Back(int number, bool rotated) const;

 private:
  void DrawInCell(int x, int y, const QImage& picture, PixelSize cell, QPainter& target) const;
  const QImage& Resampled(const QImage& picture, PixelSize cell) const;
  const QImage& SpecialPicture(const std::string& name) const;

  Settings& settings_;
  int window_size_ = 1;
  ScaleFactor scale_;
  int size_class_ = kNormalSize;
  PixelSize cell_{71, 96};
  bool wide_ = true;
  int layout_offset_ = 0;
  int back_number_ = 1;
  std::array<QImage, kCardSlots + 1> faces_;  // by slot, 0 unused
  std::array<QImage, 4> symbols_, big_symbols_;
  std::array<QImage, kMaxBacks + 1> backs_, rotated_backs_;  // by number, 0 unused
  // Pictures resampled to the cell of size class 0, and the special cards, made on first use.
  mutable std::map<qint64, QImage> resampled_;
  mutable std::map<std::string, QImage> specials_;
};

}  // namespace quorvex
