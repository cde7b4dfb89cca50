// The art of one face design: the Debian deck it is rendered from, or a design of our own.
#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>
#include <memory>

#include "suit_shapes.h"

namespace artgen {

// Where Debian's card decks are installed.
struct DeckFolders {
  QString kde;    // kdegames-card-data-kf5: <kde>/svg-<name>/<file>.svgz
  QString gnome;  // gnome-cards-data: <gnome>/<file>.svgz
};

class FaceArt {
 public:
  virtual ~FaceArt() = default;

  // A card (rank value 1 = two .. 13 = ace, suit 0 hearts .. 3 spades) filling the size. With
  // `bordered` the card brings its own edge and rounded corners; without, the inside of the
  // card reaches to the edges, for the normal size that the window outlines itself.
  virtual QImage Card(int rank, int suit, QSize size, bool bordered) = 0;
  // Empty when the design could not be read.
  virtual QString Problem() const { return {}; }

  SuitFamily Family() const { return family_; }
  QColor SuitColour(int suit) const;
  void SetFamily(SuitFamily family) { family_ = family; }
  void SetSuitColour(int suit, const QColor& colour) { colours_[suit & 3] = colour; }

 private:
  SuitFamily family_ = SuitFamily::kFrench;
  QColor colours_[4];
};

// The art of a face design 0..47.
std::unique_ptr<FaceArt> MakeFaceArt(int design, const DeckFolders& folders);
// Where a design's art comes from, for the credits and the contact sheet: "KDE standard",
// "own: Celtic", ...
QString FaceArtSource(int design);

}  // namespace artgen
