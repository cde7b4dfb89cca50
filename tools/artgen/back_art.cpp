#include "back_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <map>
#include <memory>

#include "glyphs.h"
#include "svg_deck.h"

namespace artgen {

namespace {

enum class Pattern { kLattice, kGlyphs, kChecker, kArgyle, kCarpet, kCrosses, kCurls, kRows };

struct OwnBack {
  Pattern pattern;
  QColor field1, field2;  // the ground, top to bottom
  QColor ink;             // the pattern
  const char* tile;       // glyph of the pattern (UTF-8), may be empty
  const char* medallion;  // big glyph in the middle (UTF-8), may be empty
  QColor medal_ground;    // behind the medallion glyph
  QColor medal_ink;
};

struct DeckBack {
  bool kde;
  const char* deck;
};

// Debian backs of the classic, first medieval, other and Russian designs.
const std::map<std::pair<int, int>, DeckBack>& DeckBacks() {
  static const std::map<std::pair<int, int>, DeckBack> kBacks = {
      {{0, 1}, {true, "svg-standard/standard"}},
      {{0, 2}, {false, "anglo"}},
      {{0, 3}, {false, "anglo_bitmap"}},
      {{0, 4}, {false, "bellot"}},
      {{0, 5}, {false, "paris"}},
      {{0, 6}, {false, "ancient_french"}},
      {{0, 7}, {false, "gnomangelo_bitmap"}},
      {{1, 1}, {false, "guyenne-classic"}},
      {{1, 2}, {false, "rheinland"}},
      {{1, 3}, {false, "slavic_costumes"}},
      {{1, 4}, {false, "tarocco"}},
      {{1, 5}, {false, "orell"}},
      {{1, 6}, {false, "tigullio"}},
      {{1, 7}, {false, "lattmann"}},
      {{11, 1}, {true, "svg-konqi-modern/konqi"}},
      {{11, 2}, {true, "svg-penguins/penguins"}},
      {{11, 3}, {true, "svg-oxygen/oxygen"}},
      {{11, 4}, {true, "svg-oxygen-white/oxygen-white"}},
      {{11, 5}, {true, "svg-oxygen-air/oxygen-air"}},
      {{11, 6}, {true, "svg-nicu-ornamental/ornamental"}},
      {{11, 7}, {true, "svg-nicu-white/white"}},
      {{11, 8}, {true, "svg-jolly-royal/jolly-royal"}},
      {{11, 9}, {true, "svg-ancient-egyptians/Ancient_Egyptians"}},
      {{11, 10}, {false, "tango"}},
      {{12, 1}, {false, "atlasnye"}},
      {{12, 2}, {false, "\u0410\u0442\u043b\u0430\u0441\u043d\u044b\u0435"}},
  };
  return kBacks;
}

QColor Hsv(int h, int s, int v) {
  return QColor::fromHsv(h, s, v);
}

OwnBack OwnStyle(int deck, int number) {
  const int i = number - 1;
  switch (deck) {
    case 2: {  // Medieval-2: heraldic charges on heraldic colours
      static const char* const kCharges[] = {"\u269C", "\u2720",     "\U0001F451", "\U0001F3F0",
                                             "\u2694", "\U0001F985", "\U0001F409"};
      static const int kHues[] = {220, 0, 130, 280, 30, 200, 350};
      const QColor ground = Hsv(kHues[i], 200, 120);
      return {Pattern::kGlyphs, ground.lighter(125), ground.darker(120), QColor(226, 190, 90, 150),
              kCharges[i],      kCharges[i],         ground.darker(140), QColor(236, 200, 96)};
    }
    case 3: {  // Carpet
      static const int kHues[] = {0, 24, 210, 130, 300, 40, 180};
      const QColor ground = Hsv(kHues[i], 190, 140);
      return {Pattern::kCarpet,
              ground,
              ground.darker(130),
              Hsv((kHues[i] + 40) % 360, 120, 230),
              "",
              "",
              ground.darker(160),
              Hsv((kHues[i] + 40) % 360, 90, 245)};
    }
    case 4: {  // Cross
      static const char* const kCrosses[] = {"\u271A", "\u2719", "\u271C", "\u2720",
                                             "\u2629", "\u271E", "\u2724"};
      static const int kHues[] = {0, 220, 120, 45, 270, 190, 15};
      const QColor ground = Hsv(kHues[i], 170, 150);
      return {Pattern::kCrosses,          ground.lighter(115), ground.darker(125),
              QColor(255, 255, 255, 150), kCrosses[i],         kCrosses[i],
              QColor(255, 255, 255, 230), ground.darker(110)};
    }
    case 5: {  // Chess
      static const char* const kPieces[] = {"\u265A", "\u265B", "\u265C", "\u265D",
                                            "\u265E", "\u265F", "\u2654"};
      static const int kHues[] = {30, 0, 120, 210, 280, 0, 45};
      const QColor ground = i == 5 ? QColor(70, 70, 74) : Hsv(kHues[i], 150, 120);
      return {Pattern::kChecker,
              ground,
              ground.lighter(160),
              QColor(255, 255, 255),
              "",
              kPieces[i],
              QColor(250, 246, 232),
              ground.darker(150)};
    }
    case 6: {  // Diamond
      static const int kHues[] = {0, 210, 120, 280, 30, 180, 330};
      const QColor ground = Hsv(kHues[i], 160, 160);
      return {Pattern::kArgyle,
              ground,
              Hsv((kHues[i] + 180) % 360, 120, 110),
              QColor(255, 255, 255, 170),
              "",
              "\u2666",
              QColor(255, 255, 255, 220),
              ground.darker(140)};
    }
    case 7: {  // Knightly
      static const char* const kKnights[] = {"\u265E",     "\u2694", "\U0001F3F0", "\U0001F451",
                                             "\U0001F40E", "\u269C", "\U0001F985"};
      static const int kHues[] = {220, 0, 30, 120, 280, 200, 15};
      const QColor ground = Hsv(kHues[i], 180, 90);
      return {Pattern::kLattice,
              ground.lighter(130),
              ground,
              QColor(220, 190, 110, 130),
              "",
              kKnights[i],
              QColor(230, 200, 120),
              ground.darker(150)};
    }
    case 8: {  // Animals
      static const char* const kAnimals[] = {"\U0001F40E", "\U0001F418", "\U0001F981", "\U0001F422",
                                             "\U0001F98B", "\U0001F42C", "\U0001F989", "\U0001F98A",
                                             "\U0001F427", "\U0001F98C"};
      static const int kHues[] = {30, 200, 40, 120, 280, 190, 25, 15, 210, 90};
      const QColor ground = Hsv(kHues[i], 110, 210);
      return {Pattern::kGlyphs,           ground.lighter(112),   ground.darker(118),
              QColor(255, 255, 255, 80),  kAnimals[i],           kAnimals[i],
              QColor(255, 255, 255, 235), Hsv(kHues[i], 200, 90)};
    }
    case 9: {  // Flowers
      static const char* const kFlowers[] = {"\U0001F337", "\U0001F339", "\U0001F33B", "\U0001F33C",
                                             "\U0001F338", "\U0001F340", "\U0001F33A", "\U0001F341",
                                             "\U0001F4AE", "\U0001F3F5"};
      static const int kHues[] = {340, 0, 50, 60, 320, 120, 10, 25, 300, 200};
      const QColor ground = Hsv(kHues[i], 60, 240);
      return {Pattern::kGlyphs, ground,      Hsv(kHues[i], 110, 215),    Hsv(kHues[i], 150, 200),
              kFlowers[i],      kFlowers[i], QColor(255, 255, 255, 230), Hsv(kHues[i], 220, 150)};
    }
    case 10: {  // Places
      static const char* const kPlaces[] = {"\U0001F3F0", "\U0001F5FC", "\U0001F5FD", "\U0001F3EF",
                                            "\u26EA",     "\U0001F3DB", "\U0001F309", "\U0001F5FB",
                                            "\U0001F54C", "\u26E9"};
      static const int kHues[] = {210, 20, 180, 0, 200, 40, 230, 195, 150, 350};
      return {Pattern::kRows,
              Hsv(kHues[i], 120, 240),
              Hsv(kHues[i], 170, 150),
              QColor(255, 255, 255, 90),
              "",
              kPlaces[i],
              QColor(0, 0, 0, 0),
              Hsv(kHues[i], 200, 60)};
    }
    default: {  // Russian folk painting
      static const OwnBack kFolk[] = {
          {Pattern::kCurls, QColor(30, 20, 16), QColor(12, 8, 6), QColor(214, 160, 40), "",
           "\U0001F353", QColor(0, 0, 0, 0), QColor(210, 30, 24)},  // Khokhloma
          {Pattern::kGlyphs, QColor(250, 252, 255), QColor(226, 234, 248), QColor(30, 70, 170),
           "\U0001F33C", "\U0001F339", QColor(250, 252, 255), QColor(30, 70, 170)},  // Gzhel
          {Pattern::kGlyphs, QColor(24, 24, 28), QColor(8, 8, 10), QColor(206, 170, 80, 170),
           "\u2726", "\U0001F426", QColor(120, 16, 20), QColor(236, 196, 100)},  // Palekh
          {Pattern::kGlyphs, QColor(26, 26, 30), QColor(10, 10, 12), QColor(230, 80, 90),
           "\U0001F337", "\U0001F339", QColor(26, 26, 30), QColor(236, 70, 80)},  // Zhostovo
          {Pattern::kRows, QColor(244, 232, 204), QColor(228, 210, 170), QColor(150, 30, 20, 110),
           "", "\U0001F40E", QColor(0, 0, 0, 0), QColor(150, 30, 20)},  // Mezen
      };
      return kFolk[std::clamp(i - 2, 0, 4)];
    }
  }
}

void TileGlyphs(QPainter& p, const QRectF& field, const QString& glyph, double step,
                const QColor& ink) {
  if (glyph.isEmpty()) return;
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  int row = 0;
  for (double y = field.top() - step / 2; y < field.bottom() + step; y += step * 0.87, ++row)
    for (double x = field.left() - step + (row % 2) * step / 2; x < field.right() + step; x += step)
      p.drawPath(GlyphPath(glyph, QRectF(x - step * 0.3, y - step * 0.3, step * 0.6, step * 0.6)));
}

void DrawPattern(QPainter& p, const QRectF& field, const OwnBack& s) {
  switch (s.pattern) {
    case Pattern::kLattice: {
      p.setPen(QPen(s.ink, 1.4));
      const double step = 11;
      for (double d = -field.height(); d < field.width() + field.height(); d += step) {
        p.drawLine(QPointF(field.left() + d, field.top()),
                   QPointF(field.left() + d + field.height(), field.bottom()));
        p.drawLine(QPointF(field.left() + d, field.bottom()),
                   QPointF(field.left() + d + field.height(), field.top()));
      }
      break;
    }
    case Pattern::kGlyphs:
      TileGlyphs(p, field, QString::fromUtf8(s.tile), 22, s.ink);
      break;
    case Pattern::kChecker: {
      const double step = 12;
      p.setPen(Qt::NoPen);
      p.setBrush(s.field2);
      for (int r = 0; r * step < field.height(); ++r)
        for (int c = 0; c * step < field.width(); ++c)
          if ((r + c) % 2)
            p.drawRect(QRectF(field.left() + c * step, field.top() + r * step, step, step));
      break;
    }
    case Pattern::kArgyle: {
      const double w = 24, h = 34;
      p.setPen(Qt::NoPen);
      int row = 0;
      for (double y = field.top() - h; y < field.bottom() + h; y += h / 2, ++row)
        for (double x = field.left() - w + (row % 2) * w / 2; x < field.right() + w; x += w) {
          QPainterPath d(QPointF(x, y - h / 2));
          d.lineTo(x + w / 2, y);
          d.lineTo(x, y + h / 2);
          d.lineTo(x - w / 2, y);
          d.closeSubpath();
          p.setBrush(row % 2 ? s.field2 : s.field1.darker(110));
          p.drawPath(d);
        }
      QPen dash(s.ink, 0.8, Qt::DashLine);
      p.setPen(dash);
      for (double d = -field.height(); d < field.width() + field.height(); d += w) {
        p.drawLine(QPointF(field.left() + d, field.top()),
                   QPointF(field.left() + d + field.height() * w / h, field.bottom()));
        p.drawLine(QPointF(field.left() + d, field.bottom()),
                   QPointF(field.left() + d + field.height() * w / h, field.top()));
      }
      break;
    }
    case Pattern::kCarpet: {
      // Bands round the field, small lozenges in them, and a lozenge medallion.
      for (int band = 0; band < 4; ++band) {
        const QRectF r = field.adjusted(4 + band * 9, 4 + band * 9, -4 - band * 9, -4 - band * 9);
        if (r.width() < 10 || r.height() < 10) break;
        p.setPen(QPen(band % 2 ? s.ink : s.medal_ink, 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r);
        p.setPen(Qt::NoPen);
        p.setBrush(band % 2 ? s.medal_ink : s.ink);
        for (double x = r.left() + 4; x < r.right() - 2; x += 7)
          for (double y : {r.top() + 4.5, r.bottom() - 4.5})
            p.drawPath(GlyphPath(QStringLiteral("\u25C6"), QRectF(x - 1.6, y - 1.6, 3.2, 3.2)));
      }
      const QPointF c = field.center();
      QPainterPath loz(QPointF(c.x(), c.y() - field.height() * 0.3));
      loz.lineTo(c.x() + field.width() * 0.3, c.y());
      loz.lineTo(c.x(), c.y() + field.height() * 0.3);
      loz.lineTo(c.x() - field.width() * 0.3, c.y());
      loz.closeSubpath();
      p.setPen(QPen(s.medal_ink, 1.5));
      p.setBrush(s.medal_ground);
      p.drawPath(loz);
      p.setPen(Qt::NoPen);
      p.setBrush(s.ink);
      p.drawPath(GlyphPath(QStringLiteral("\u2740"), QRectF(c.x() - 14, c.y() - 14, 28, 28)));
      break;
    }
    case Pattern::kCrosses:
      TileGlyphs(p, field, QString::fromUtf8(s.tile), 18, s.ink);
      break;
    case Pattern::kCurls: {
      // Golden tendrils with leaves, in the manner of Russian lacquer painting.
      p.setPen(QPen(s.ink, 1.3));
      p.setBrush(Qt::NoBrush);
      const QPointF c = field.center();
      for (int k = 0; k < 10; ++k) {
        QPainterPath curl;
        const double a0 = k * M_PI / 5;
        for (int t = 0; t <= 60; ++t) {
          const double a = a0 + t * 0.07, r = 8 + t * 1.1;
          const QPointF q(c.x() + r * std::cos(a), c.y() + r * std::sin(a) * 1.3);
          if (t == 0) {
            curl.moveTo(q);
          } else {
            curl.lineTo(q);
          }
        }
        p.drawPath(curl);
        for (int t = 10; t <= 60; t += 12) {
          const double a = a0 + t * 0.07, r = 8 + t * 1.1;
          p.save();
          p.translate(c.x() + r * std::cos(a), c.y() + r * std::sin(a) * 1.3);
          p.rotate(a * 180 / M_PI + 60);
          p.setBrush(s.ink);
          p.drawEllipse(QPointF(0, 0), 4, 1.8);
          p.restore();
        }
      }
      break;
    }
    case Pattern::kRows: {
      p.setPen(QPen(s.ink, 1.0));
      for (double y = field.top() + 6; y < field.bottom(); y += 8)
        p.drawLine(QPointF(field.left(), y), QPointF(field.right(), y));
      break;
    }
  }
}

QImage OwnBackImage(int deck, int number, QSize size, bool bordered) {
  const OwnBack s = OwnStyle(deck, number);
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const double scale = size.height() / 198.0;
  const double w = size.width() / scale, h = 198;
  p.scale(scale, scale);
  // White card, then the field a margin inside it.
  const QRectF card(0.7, 0.7, w - 1.4, h - 1.4);
  if (bordered) {
    p.setPen(QPen(QColor(90, 90, 90), 1.3));
    p.setBrush(QColor(252, 252, 250));
    p.drawRoundedRect(card, 9, 9);
  } else {
    p.fillRect(QRectF(-2, -2, w + 4, h + 4), QColor(252, 252, 250));
  }
  const QRectF field(8, 8, w - 16, h - 16);
  QPainterPath clip;
  clip.addRoundedRect(field, 5, 5);
  QLinearGradient ground(field.topLeft(), field.bottomRight());
  ground.setColorAt(0, s.field1);
  ground.setColorAt(1, s.field2);
  p.setPen(Qt::NoPen);
  p.setBrush(ground);
  p.drawPath(clip);
  p.save();
  p.setClipPath(clip);
  DrawPattern(p, field, s);
  // The medallion: a glyph on its own ground in the middle of the field.
  const QString medallion = QString::fromUtf8(s.medallion);
  if (!medallion.isEmpty()) {
    const QPointF c = field.center();
    const double r = std::min(field.width(), field.height()) * 0.34;
    if (s.medal_ground.alpha() > 0) {
      QRadialGradient halo(c, r);
      halo.setColorAt(0, s.medal_ground);
      halo.setColorAt(0.85, s.medal_ground);
      halo.setColorAt(
          1, QColor(s.medal_ground.red(), s.medal_ground.green(), s.medal_ground.blue(), 0));
      p.setBrush(halo);
      p.drawEllipse(c, r, r);
    }
    p.setBrush(s.medal_ink);
    p.drawPath(
        GlyphPath(medallion, QRectF(c.x() - r * 0.72, c.y() - r * 0.72, r * 1.44, r * 1.44)));
  }
  p.restore();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(s.field2.darker(140), 1.0));
  p.drawPath(clip);
  p.end();
  return image.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

QImage BackArt(int deck, int number, QSize size, bool bordered, const DeckFolders& folders) {
  const auto& decks = DeckBacks();
  auto it = decks.find({deck, number});
  if (it == decks.end()) return OwnBackImage(deck, number, size, bordered);
  // The same deck is asked for many sizes; keep its renderer.
  static std::map<QString, std::unique_ptr<SvgDeck>> open;
  const QString path =
      it->second.kde
          ? folders.kde + QLatin1Char('/') + QString::fromUtf8(it->second.deck) + ".svgz"
          : folders.gnome + QLatin1Char('/') + QString::fromUtf8(it->second.deck) + ".svgz";
  auto& svg = open[path];
  if (!svg)
    svg = std::make_unique<SvgDeck>(
        path, it->second.kde ? SvgDeck::Naming::kKde : SvgDeck::Naming::kGnome);
  if (!svg->Valid()) return {};
  return svg->Back(size, bordered ? 0.0 : size.width() * 0.025);
}

QString BackArtSource(int deck, int number) {
  const auto& decks = DeckBacks();
  auto it = decks.find({deck, number});
  if (it == decks.end()) return QStringLiteral("own design");
  return QString::fromUtf8(it->second.kde ? "kdegames-card-data-kf5 " : "gnome-cards-data ") +
         QString::fromUtf8(it->second.deck);
}

}  // namespace artgen
