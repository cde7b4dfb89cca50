#include "own_faces.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "glyphs.h"
#include "own_figures.h"
#include "own_themes.h"

namespace artgen {

namespace {

constexpr double kHeight = 198;  // every card is laid out 198 units high

// Pip centres of the ranks two to ten, in the pip area's fractions (column, row).
const std::vector<QPointF>& PipLayout(int count) {
  static const std::vector<QPointF> kLayouts[] = {
      {},
      {},
      {{0.5, 0}, {0.5, 1}},
      {{0.5, 0}, {0.5, 0.5}, {0.5, 1}},
      {{0, 0}, {1, 0}, {0, 1}, {1, 1}},
      {{0, 0}, {1, 0}, {0.5, 0.5}, {0, 1}, {1, 1}},
      {{0, 0}, {1, 0}, {0, 0.5}, {1, 0.5}, {0, 1}, {1, 1}},
      {{0, 0}, {1, 0}, {0.5, 0.25}, {0, 0.5}, {1, 0.5}, {0, 1}, {1, 1}},
      {{0, 0}, {1, 0}, {0.5, 0.25}, {0, 0.5}, {1, 0.5}, {0.5, 0.75}, {0, 1}, {1, 1}},
      {{0, 0},
       {1, 0},
       {0, 1 / 3.0},
       {1, 1 / 3.0},
       {0.5, 0.5},
       {0, 2 / 3.0},
       {1, 2 / 3.0},
       {0, 1},
       {1, 1}},
      {{0, 0},
       {1, 0},
       {0.5, 1 / 6.0},
       {0, 1 / 3.0},
       {1, 1 / 3.0},
       {0, 2 / 3.0},
       {1, 2 / 3.0},
       {0.5, 5 / 6.0},
       {0, 1},
       {1, 1}},
  };
  return kLayouts[count];
}

QString RankLabel(int rank, const OwnTheme& theme) {
  if (rank <= 9) return QString::number(rank + 1);
  const QString letters = QString::fromUtf8(theme.letters);
  return letters.mid(rank - 10, 1);
}

class OwnFaceArt : public FaceArt {
 public:
  explicit OwnFaceArt(const OwnTheme& theme) : theme_(theme) {
    SetFamily(theme.family);
    for (int s = 0; s < 4; ++s) SetSuitColour(s, theme.inks[s]);
  }

  QImage Card(int rank, int suit, QSize size, bool bordered) override {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // Laid out at the picture's own proportions, so nothing is stretched.
    const double scale = size.height() / kHeight;
    width_ = size.width() / scale;
    p.scale(scale, scale);
    DrawPaper(p, bordered);
    DrawFrame(p, suit);
    DrawIndex(p, rank, suit);
    p.save();
    p.translate(width_, kHeight);
    p.rotate(180);
    DrawIndex(p, rank, suit);
    p.restore();
    if (rank == 13) {
      DrawAce(p, suit);
    } else if (rank >= 10) {
      DrawCourtPanel(p, CourtRect(), rank, suit, theme_);
    } else {
      DrawPips(p, rank + 1, suit);
    }
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
  }

 private:
  QColor Ink(int suit) const { return theme_.inks[suit & 3]; }
  QRectF CourtRect() const { return QRectF(27, 26, width_ - 54, kHeight - 52); }

  void DrawPaper(QPainter& p, bool bordered) const {
    QLinearGradient paper(0, 0, 0, kHeight);
    paper.setColorAt(0, theme_.paper_top);
    paper.setColorAt(1, theme_.paper_bottom);
    if (!bordered) {
      p.fillRect(QRectF(-2, -2, width_ + 4, kHeight + 4), paper);
      return;
    }
    p.setPen(QPen(theme_.edge, 1.4));
    p.setBrush(paper);
    p.drawRoundedRect(QRectF(0.7, 0.7, width_ - 1.4, kHeight - 1.4), 9, 9);
  }

  // A band 4 units inside the edge, in the theme's pattern.
  void DrawFrame(QPainter& p, int suit) const {
    const QRectF band(5, 5, width_ - 10, kHeight - 10);
    const QColor ink = theme_.frame_ink;
    p.save();
    p.setBrush(Qt::NoBrush);
    switch (theme_.frame) {
      case Frame::kNone:
        break;
      case Frame::kLine:
        p.setPen(QPen(ink, 0.9));
        p.drawRoundedRect(band, 6, 6);
        break;
      case Frame::kDouble:
        p.setPen(QPen(ink, 1.3));
        p.drawRoundedRect(band, 6, 6);
        p.setPen(QPen(ink, 0.6));
        p.drawRoundedRect(band.adjusted(2.5, 2.5, -2.5, -2.5), 4.5, 4.5);
        break;
      case Frame::kBraid: {
        // Two interlaced waves running round the card.
        for (int strand = 0; strand < 2; ++strand) {
          QPainterPath wave;
          const double phase = strand * M_PI;
          const int steps = 240;
          for (int i = 0; i <= steps; ++i) {
            const QPointF q = Around(band, i / double(steps));
            const double off = 1.6 * std::sin(i * 2 * M_PI * 40 / steps + phase);
            const QPointF n = Normal(band, i / double(steps));
            const QPointF at = q + n * off;
            if (i == 0) {
              wave.moveTo(at);
            } else {
              wave.lineTo(at);
            }
          }
          p.setPen(QPen(strand ? theme_.palette.metal : ink, 1.0));
          p.drawPath(wave);
        }
        break;
      }
      case Frame::kZigzag:
      case Frame::kSteps: {
        p.setPen(QPen(ink, 0.8));
        p.drawRect(band);
        p.drawRect(band.adjusted(3, 3, -3, -3));
        const int steps = 90;
        QPainterPath teeth;
        for (int i = 0; i <= steps; ++i) {
          const QPointF q = Around(band.adjusted(1.5, 1.5, -1.5, -1.5), i / double(steps));
          const QPointF n = Normal(band, i / double(steps));
          const double off =
              theme_.frame == Frame::kZigzag ? (i % 2 ? 1.3 : -1.3) : ((i / 2) % 2 ? 1.3 : -1.3);
          if (i == 0) {
            teeth.moveTo(q + n * off);
          } else {
            teeth.lineTo(q + n * off);
          }
        }
        p.setPen(QPen(theme_.inks[0], 0.9));
        p.drawPath(teeth);
        break;
      }
      case Frame::kDots:
      case Frame::kHearts: {
        p.setPen(QPen(ink, 0.7));
        p.drawRoundedRect(band.adjusted(-1, -1, 1, 1), 6, 6);
        const int count = 60;
        for (int i = 0; i < count; ++i) {
          const QPointF q = Around(band.adjusted(1.5, 1.5, -1.5, -1.5), i / double(count));
          if (theme_.frame == Frame::kHearts) {
            DrawSuitSign(p, SuitFamily::kFrench, 0, QRectF(q.x() - 1.4, q.y() - 1.3, 2.8, 2.6),
                         ink);
          } else {
            p.setPen(Qt::NoPen);
            p.setBrush(ink);
            p.drawEllipse(q, 0.8, 0.8);
          }
        }
        break;
      }
      case Frame::kPinta: {
        // The Spanish mark: no break for coins, one for cups, two for swords, three for batons.
        static const int kBreaks[] = {1, 0, 3, 2};
        const int breaks = kBreaks[suit & 3];
        p.setPen(QPen(ink, 0.9));
        const QRectF outer = band.adjusted(1, 1, -1, -1);
        p.drawLine(outer.topLeft(), outer.topRight());
        p.drawLine(outer.bottomLeft(), outer.bottomRight());
        for (double x : {outer.left(), outer.right()}) {
          const double gap = 7, length = outer.height();
          double y = outer.top();
          const double piece = (length - breaks * gap) / (breaks + 1);
          for (int b = 0; b <= breaks; ++b) {
            p.drawLine(QPointF(x, y), QPointF(x, y + piece));
            y += piece + gap;
          }
        }
        break;
      }
      case Frame::kCloud: {
        p.setPen(QPen(ink, 1.6));
        p.drawRect(band);
        p.setPen(QPen(theme_.palette.metal, 0.7));
        p.drawRect(band.adjusted(2.2, 2.2, -2.2, -2.2));
        // Curled cloud corners.
        for (int corner = 0; corner < 4; ++corner) {
          const QPointF c(corner % 2 ? band.right() - 7 : band.left() + 7,
                          corner / 2 ? band.bottom() - 7 : band.top() + 7);
          p.setPen(QPen(ink, 0.9));
          p.drawArc(QRectF(c.x() - 3.5, c.y() - 3.5, 7, 7), 0, 270 * 16);
          p.drawArc(QRectF(c.x() - 1.8, c.y() - 1.8, 3.6, 3.6), 90 * 16, 270 * 16);
        }
        break;
      }
    }
    p.restore();
  }

  // The point a fraction t of the way round the rectangle, clockwise from the top left.
  static QPointF Around(const QRectF& r, double t) {
    const double w = r.width(), h = r.height(), total = 2 * (w + h);
    double d = std::fmod(t, 1.0) * total;
    if (d < w) return {r.left() + d, r.top()};
    d -= w;
    if (d < h) return {r.right(), r.top() + d};
    d -= h;
    if (d < w) return {r.right() - d, r.bottom()};
    d -= w;
    return {r.left(), r.bottom() - d};
  }
  static QPointF Normal(const QRectF& r, double t) {
    const double w = r.width(), h = r.height(), total = 2 * (w + h);
    const double d = std::fmod(t, 1.0) * total;
    if (d < w) return {0, -1};
    if (d < w + h) return {1, 0};
    if (d < 2 * w + h) return {0, 1};
    return {-1, 0};
  }

  void DrawIndex(QPainter& p, int rank, int suit) const {
    QFont font(QString::fromLatin1(theme_.index_font));
    font.setBold(true);
    const QString label = RankLabel(rank, theme_);
    font.setPixelSize(20);
    if (label.size() > 1) font.setStretch(78);
    p.setFont(font);
    p.setPen(Ink(suit));
    const QRectF box(7.5, 8, 19, 21);
    p.drawText(box, Qt::AlignHCenter | Qt::AlignVCenter, label);
    DrawSuitSign(p, theme_.family, suit, QRectF(10.5, 30, 13, 13), Ink(suit));
  }

  void DrawPips(QPainter& p, int count, int suit) const {
    // Clear of the indices: the outer columns start right of them.
    const double margin = width_ < 130 ? 38 : 41;
    const QRectF area(margin, 34, width_ - 2 * margin, kHeight - 68);
    const double size = width_ < 130 ? 21 : 24;
    for (const QPointF& f : PipLayout(count)) {
      const QPointF c(area.left() + f.x() * area.width(), area.top() + f.y() * area.height());
      p.save();
      p.translate(c);
      if (f.y() > 0.5) p.rotate(180);
      DrawSuitSign(p, theme_.family, suit, QRectF(-size / 2, -size / 2, size, size), Ink(suit));
      p.restore();
    }
  }

  void DrawAce(QPainter& p, int suit) const {
    const QPointF c(width_ / 2, kHeight / 2);
    const double big = std::min(width_ * 0.46, 64.0);
    const QColor orn = theme_.ornament;
    p.save();
    switch (theme_.ace) {
      case AceOrnament::kPlain:
        break;
      case AceOrnament::kKnotRing:
        for (int ring = 0; ring < 2; ++ring) {
          QPainterPath wave;
          for (int i = 0; i <= 180; ++i) {
            const double a = i * 2 * M_PI / 180;
            const double r = big * 0.78 + 2.4 * std::sin(a * 12 + ring * M_PI);
            const QPointF q(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
            if (i == 0) {
              wave.moveTo(q);
            } else {
              wave.lineTo(q);
            }
          }
          p.setPen(QPen(ring ? theme_.palette.metal : orn, 1.6));
          p.setBrush(Qt::NoBrush);
          p.drawPath(wave);
        }
        break;
      case AceOrnament::kDreamcatcher: {
        const double r = big * 0.72;
        p.setPen(QPen(orn, 1.6));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, r, r);
        p.setPen(QPen(orn.lighter(150), 0.5));
        for (int i = 0; i < 8; ++i) {
          const double a = i * M_PI / 4, b = a + M_PI * 3 / 4;
          p.drawLine(c + QPointF(r * std::cos(a), r * std::sin(a)),
                     c + QPointF(r * std::cos(b), r * std::sin(b)));
        }
        for (int i = -1; i <= 1; ++i) {
          const QPointF top(c.x() + i * r * 0.5, c.y() + r * (i == 0 ? 1.0 : 0.86));
          p.setPen(QPen(orn, 0.6));
          p.drawLine(top, top + QPointF(0, 10));
          p.save();
          p.translate(top + QPointF(0, 10));
          QPainterPath f(QPointF(0, 0));
          f.cubicTo(-3, 6, -2, 14, 0, 18);
          f.cubicTo(2, 14, 3, 6, 0, 0);
          p.setPen(QPen(orn.darker(150), 0.4));
          p.setBrush(i == 0 ? theme_.inks[0] : theme_.palette.trim);
          p.drawPath(f);
          p.restore();
        }
        break;
      }
      case AceOrnament::kRoseRing:
      case AceOrnament::kGlyphHalo: {
        QString glyph = QString::fromUtf8(theme_.ace_glyph);
        if (theme_.seasons) {
          static const char* const kSeasonGlyphs[] = {"\u2600", "\U0001F341", "\U0001F33C",
                                                      "\u2744"};
          glyph = QString::fromUtf8(kSeasonGlyphs[suit & 3]);
        }
        const QColor ink = theme_.seasons ? Ink(suit) : orn;
        const int count = theme_.ace == AceOrnament::kRoseRing ? 10 : 8;
        const double r = big * 0.82, s = theme_.ace == AceOrnament::kRoseRing ? 12 : 11;
        p.setPen(Qt::NoPen);
        for (int i = 0; i < count; ++i) {
          const double a = i * 2 * M_PI / count;
          const QPointF q(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
          QColor fill = ink;
          fill.setAlpha(theme_.ace == AceOrnament::kRoseRing ? 255 : 170);
          p.setBrush(fill);
          p.drawPath(GlyphPath(glyph, QRectF(q.x() - s / 2, q.y() - s / 2, s, s)));
        }
        break;
      }
      case AceOrnament::kTower: {
        // Big Ben: a clock tower behind the sign.
        const QRectF tower(c.x() - big * 0.22, c.y() - big * 0.95, big * 0.44, big * 1.9);
        QLinearGradient stone(tower.topLeft(), tower.topRight());
        stone.setColorAt(0, QColor(226, 206, 150));
        stone.setColorAt(1, QColor(180, 154, 100));
        QPainterPath shape(QPointF(tower.center().x(), tower.top() - 12));
        shape.lineTo(tower.right() - 3, tower.top() + 8);
        shape.lineTo(tower.right(), tower.top() + 8);
        shape.lineTo(tower.right(), tower.bottom());
        shape.lineTo(tower.left(), tower.bottom());
        shape.lineTo(tower.left(), tower.top() + 8);
        shape.lineTo(tower.left() + 3, tower.top() + 8);
        shape.closeSubpath();
        p.setPen(QPen(QColor(120, 96, 50), 0.8));
        p.setBrush(stone);
        p.drawPath(shape);
        const QPointF clock(tower.center().x(), tower.top() + 22);
        p.setBrush(QColor(250, 248, 236));
        p.drawEllipse(clock, tower.width() * 0.36, tower.width() * 0.36);
        p.setPen(QPen(QColor(20, 20, 20), 1.0));
        p.drawLine(clock, clock + QPointF(0, -tower.width() * 0.28));
        p.drawLine(clock, clock + QPointF(tower.width() * 0.2, 0));
        p.setPen(QPen(QColor(120, 96, 50), 0.5));
        for (double y = tower.top() + 40; y < tower.bottom() - 4; y += 7)
          p.drawLine(QPointF(tower.left() + 2, y), QPointF(tower.right() - 2, y));
        break;
      }
      case AceOrnament::kRays:
      case AceOrnament::kSunDisc: {
        p.setPen(Qt::NoPen);
        QColor ray = orn;
        ray.setAlpha(theme_.ace == AceOrnament::kRays ? 110 : 70);
        p.setBrush(ray);
        const int count = 24;
        for (int i = 0; i < count; ++i) {
          const double a = i * 2 * M_PI / count, w = M_PI / count * 0.55;
          QPainterPath wedge(c);
          wedge.lineTo(c + QPointF(big * std::cos(a - w), big * std::sin(a - w)));
          wedge.lineTo(c + QPointF(big * std::cos(a + w), big * std::sin(a + w)));
          wedge.closeSubpath();
          p.drawPath(wedge);
        }
        if (theme_.ace == AceOrnament::kSunDisc) {
          QRadialGradient disc(c, big * 0.6);
          disc.setColorAt(0, QColor(255, 240, 170));
          disc.setColorAt(1, QColor(255, 210, 100, 0));
          p.setBrush(disc);
          p.drawEllipse(c, big * 0.6, big * 0.6);
        }
        break;
      }
      case AceOrnament::kStar: {
        QPainterPath star;
        for (int i = 0; i < 10; ++i) {
          const double a = -M_PI / 2 + i * M_PI / 5, r = i % 2 ? big * 0.36 : big * 0.9;
          const QPointF q(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
          if (i == 0) {
            star.moveTo(q);
          } else {
            star.lineTo(q);
          }
        }
        star.closeSubpath();
        QColor fill = orn;
        fill.setAlpha(60);
        p.setPen(QPen(orn, 1.4));
        p.setBrush(fill);
        p.drawPath(star);
        break;
      }
      case AceOrnament::kFolkRosette: {
        for (int i = 0; i < 12; ++i) {
          p.save();
          p.translate(c);
          p.rotate(i * 30);
          QPainterPath petal(QPointF(0, 0));
          petal.cubicTo(-9, -big * 0.35, -5, -big * 0.75, 0, -big * 0.86);
          petal.cubicTo(5, -big * 0.75, 9, -big * 0.35, 0, 0);
          p.setPen(QPen(orn.darker(140), 0.6));
          p.setBrush(i % 2 ? QColor(orn.red(), orn.green(), orn.blue(), 120)
                           : QColor(theme_.palette.robe2.red(), theme_.palette.robe2.green(),
                                    theme_.palette.robe2.blue(), 90));
          p.drawPath(petal);
          p.restore();
        }
        break;
      }
      case AceOrnament::kPyramid: {
        QPainterPath steps;
        const int levels = 6;
        const double base = big * 1.7, h = big * 1.1, bottom = c.y() + big * 0.55;
        for (int i = 0; i < levels; ++i) {
          const double w = base * (1 - i / double(levels + 1));
          steps.addRect(QRectF(c.x() - w / 2, bottom - (i + 1) * h / levels, w, h / levels));
        }
        QColor fill = orn;
        fill.setAlpha(70);
        p.setPen(QPen(orn, 0.7));
        p.setBrush(fill);
        p.drawPath(steps.simplified());
        break;
      }
      case AceOrnament::kCoin: {
        const double r = big * 0.82;
        p.setPen(QPen(orn, 1.8));
        p.setBrush(QColor(theme_.palette.metal.red(), theme_.palette.metal.green(),
                          theme_.palette.metal.blue(), 60));
        p.drawEllipse(c, r, r);
        p.setPen(QPen(orn, 0.7));
        p.drawEllipse(c, r - 4, r - 4);
        if (!QString::fromUtf8(theme_.ace_glyph).isEmpty() && suit == 3) {
          QColor dragon = orn;
          dragon.setAlpha(90);
          p.setPen(Qt::NoPen);
          p.setBrush(dragon);
          p.drawPath(GlyphPath(QString::fromUtf8(theme_.ace_glyph),
                               QRectF(c.x() - r * 0.9, c.y() - r * 0.9, r * 1.8, r * 1.8)));
        }
        break;
      }
    }
    p.restore();
    const double sign = theme_.ace == AceOrnament::kPlain ? big * 1.05 : big * 0.8;
    DrawSuitSign(p, theme_.family, suit, QRectF(c.x() - sign / 2, c.y() - sign / 2, sign, sign),
                 Ink(suit));
  }

  const OwnTheme& theme_;
  double width_ = 146;
};

}  // namespace

std::unique_ptr<FaceArt> MakeOwnFaceArt(int design) {
  const OwnTheme* theme = OwnThemeFor(design);
  if (theme == nullptr) return nullptr;
  return std::make_unique<OwnFaceArt>(*theme);
}

}  // namespace artgen
