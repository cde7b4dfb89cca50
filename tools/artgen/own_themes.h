// The face designs of our own: each is a theme of paper, frame, inks, court figures and ace
// ornament that one card layout draws.
#pragma once

#include <QColor>
#include <QString>

#include "suit_shapes.h"

namespace artgen {

enum class Frame { kNone, kLine, kDouble, kBraid, kZigzag, kSteps, kDots, kHearts, kPinta, kCloud };

enum class Headgear {
  kNone,
  kCrown,
  kTiara,
  kBeret,
  kWarBonnet,
  kFeather,
  kTwoFeathers,
  kMianguan,
  kPhoenix,
  kWingedHat,
  kPlumes,
  kFlowerCrown,
  kJaguar,
  kUshanka,
  kKerchief,
  kBudenovka,
  kMonomakh,
  kKokoshnik,
  kPeasantCap,
  kTopHat,
  kFeatherHat,
  kBearskin,
  kCirclet,
  kHood,
  kRoseWreath,
  kSunHat,
  kLeafWreath,
  kFurHood,
  kMorion,
  kFlatCap,
  kHeartCrown
};

enum class AceOrnament {
  kPlain,
  kKnotRing,
  kDreamcatcher,
  kRoseRing,
  kTower,
  kGlyphHalo,
  kRays,
  kStar,
  kFolkRosette,
  kPyramid,
  kCoin,
  kSunDisc
};

struct CourtPalette {
  QColor robe;   // the main garment
  QColor robe2;  // the second garment, of the red suits
  QColor trim;   // collars, bands and borders
  QColor metal;  // crowns and jewellery
  QColor skin;
  QColor hair;
  QColor panel;  // the ground behind the figure
};

struct OwnTheme {
  const char* title;
  SuitFamily family;
  QColor inks[4];  // hearts, diamonds, clubs, spades
  QColor paper_top, paper_bottom;
  QColor edge;  // the card's outer line
  QColor frame_ink;
  Frame frame;
  const char* index_font;
  bool serif_letters;    // courts and aces use index_font bold with serif look
  const char* letters;   // jack, queen, king, ace, UTF-8, one letter each
  Headgear headgear[3];  // jack, queen, king
  CourtPalette palette;
  bool parrots;  // courts are birds instead of people
  bool seasons;  // every suit is a season: its own headgear and colours
  AceOrnament ace;
  const char* ace_glyph;  // drawn by some ornaments (UTF-8), may be empty
  QColor ornament;        // the ace ornament's colour
};

// The theme of an own face design, or nullptr for a design rendered from a deck.
const OwnTheme* OwnThemeFor(int design);

}  // namespace artgen
