// Which art serves each face design: a Debian deck whose name and look fit the design, or one
// of our own designs where no deck does.
#include <QFile>

#include "face_art.h"
#include "own_faces.h"
#include "svg_deck.h"

namespace artgen {

namespace {

enum class Source { kKde, kGnome, kOwn };

struct DesignSource {
  Source source;
  const char* deck;  // KDE: "<folder>/<file>"; GNOME: "<file>"; own: the theme's design
  SuitFamily family;
};

// Indexed by face design.
constexpr DesignSource kDesigns[] = {
    {Source::kKde, "svg-standard/standard", SuitFamily::kFrench},  // Classical-1
    {Source::kGnome, "guyenne-classic", SuitFamily::kFrench},      // Medieval-1
    {Source::kGnome, "anglo_modern", SuitFamily::kFrench},         // Modern
    {Source::kKde, "svg-ancient-egyptians/Ancient_Egyptians", SuitFamily::kFrench},
    {Source::kGnome, "berlin", SuitFamily::kFrench},                       // Baronesse
    {Source::kOwn, nullptr, SuitFamily::kFrench},                          // Celtic
    {Source::kKde, "svg-oxygen-white/oxygen-white", SuitFamily::kFrench},  // Corona
    {Source::kKde, "svg-oxygen/oxygen", SuitFamily::kFrench},              // Crown
    {Source::kGnome, "anglo", SuitFamily::kFrench},                        // English
    {Source::kGnome, "lattmann", SuitFamily::kFrench},                     // Frankfurt
    {Source::kGnome, "dondorf", SuitFamily::kFrench},                      // Historical
    {Source::kOwn, nullptr, SuitFamily::kFrench},                          // Native Am.
    {Source::kOwn, nullptr, SuitFamily::kFrench},                          // Roses
    {Source::kOwn, nullptr, SuitFamily::kFrench},                          // Parrots
    {Source::kKde, "svg-jolly-royal/jolly-royal", SuitFamily::kFrench},    // Royal
    {Source::kGnome, "tigullio", SuitFamily::kFrench},                     // Shakespeare
    {Source::kOwn, nullptr, SuitFamily::kFrench},                          // Big Ben
    {Source::kGnome, "gnomangelo", SuitFamily::kFrench},                   // Four Reigns
    {Source::kKde, "svg-nicu-white/white", SuitFamily::kFrench},           // Large Print
    {Source::kKde, "svg-gm-paris/paris", SuitFamily::kFrench},             // Classical-2
    {Source::kOwn, nullptr, SuitFamily::kFrench},                          // Hearts
    {Source::kOwn, nullptr, SuitFamily::kFrench},                          // Seasons
    {Source::kGnome, "rheinland", SuitFamily::kFrench},                    // Rhine
    {Source::kGnome, "bellot", SuitFamily::kFrench},                       // Medieval-2
    {Source::kKde, "svg-konqi-modern/konqi", SuitFamily::kFrench},         // Doods
    {Source::kOwn, nullptr, SuitFamily::kFrench},                          // Playboy
    {Source::kGnome, "neoclassical", SuitFamily::kFrench},                 // Epic
    {Source::kOwn, nullptr, SuitFamily::kFrench},                          // USSR
    {Source::kGnome, "plastic", SuitFamily::kFrench},                      // Plastic
    {Source::kKde, "svg-xskat-german/german", SuitFamily::kGerman},        // Skat German
    {Source::kGnome, "atlasnye_skat", SuitFamily::kFrench},                // Skat Tourn.
    {Source::kKde, "svg-xskat-french/french", SuitFamily::kFrench},        // Skat French
    {Source::kOwn, nullptr, SuitFamily::kFrench},                          // White palekh
    {Source::kKde, "svg-oxygen-air/oxygen-air", SuitFamily::kFrench},      // Diana
    {Source::kGnome, "orell", SuitFamily::kFrench},                        // Princely
    {Source::kGnome, "tango", SuitFamily::kFrench},                        // Solitaires
    {Source::kGnome, "atlasnye", SuitFamily::kFrench},                     // Satin
    {Source::kGnome, "slavic_costumes", SuitFamily::kFrench},              // Slavic
    {Source::kOwn, nullptr, SuitFamily::kFrench},                          // Maya
    {Source::kOwn, nullptr, SuitFamily::kFrench},                          // Bast
    {Source::kGnome, "ancient_french", SuitFamily::kFrench},               // French
    {Source::kOwn, nullptr, SuitFamily::kSpanish},                         // Spanish 1
    {Source::kOwn, nullptr, SuitFamily::kSpanish},                         // Spanish 2
    {Source::kOwn, nullptr, SuitFamily::kSpanish},                         // Spanish 3
    {Source::kOwn, nullptr, SuitFamily::kSpanish},                         // Spanish 4
    {Source::kOwn, nullptr, SuitFamily::kFrench},                          // Chinese
    {Source::kGnome, "tarocco", SuitFamily::kFrench},                      // Italian
    {Source::kGnome, "swiss-xvii", SuitFamily::kGerman},                   // Czech
};
static_assert(std::size(kDesigns) == 48);

class SvgFaceArt : public FaceArt {
 public:
  SvgFaceArt(const QString& path, SvgDeck::Naming naming) : deck_(path, naming) {}

  QImage Card(int rank, int suit, QSize size, bool bordered) override {
    // A little more than the deck's own edge is cut off at the normal size.
    return deck_.Card(rank, suit, size, bordered ? 0.0 : size.width() * 0.025);
  }
  QString Problem() const override {
    return deck_.Valid() ? QString() : QStringLiteral("cannot read ") + deck_.Path();
  }

 private:
  SvgDeck deck_;
};

QString DeckPath(const DesignSource& s, const DeckFolders& folders) {
  if (s.source == Source::kKde) return folders.kde + QLatin1Char('/') + s.deck + ".svgz";
  return folders.gnome + QLatin1Char('/') + s.deck + ".svgz";
}

}  // namespace

QColor FaceArt::SuitColour(int suit) const {
  const QColor& set = colours_[suit & 3];
  return set.isValid() ? set : DefaultSuitColour(family_, suit);
}

std::unique_ptr<FaceArt> MakeFaceArt(int design, const DeckFolders& folders) {
  const DesignSource& s = kDesigns[design];
  std::unique_ptr<FaceArt> art;
  if (s.source == Source::kOwn) {
    art = MakeOwnFaceArt(design);
  } else {
    art = std::make_unique<SvgFaceArt>(DeckPath(s, folders), s.source == Source::kKde
                                                                 ? SvgDeck::Naming::kKde
                                                                 : SvgDeck::Naming::kGnome);
    art->SetFamily(s.family);
  }
  // The Skat tournament deck and Seasons-like four-colour decks show it in their symbols too.
  if (design == 30) {
    art->SetSuitColour(1, QColor(226, 160, 20));
    art->SetSuitColour(3, QColor(30, 130, 50));
  }
  return art;
}

QString FaceArtSource(int design) {
  const DesignSource& s = kDesigns[design];
  switch (s.source) {
    case Source::kKde:
      return QStringLiteral("kdegames-card-data-kf5 ") + s.deck;
    case Source::kGnome:
      return QStringLiteral("gnome-cards-data ") + s.deck;
    case Source::kOwn:
      return QStringLiteral("own design");
  }
  return {};
}

}  // namespace artgen
