#include "backgrounds_part.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "art/back_names.h"
#include "suit_shapes.h"

namespace artgen {

namespace {

// Backgrounds are drawn at the biggest window and scaled down for the normal one.
constexpr int kBigW = 1520, kBigH = 1000;
constexpr int kNormalW = 760, kNormalH = 500;

// Green, red, orange, yellow, light blue, dark blue, violet.
const QColor kColours[] = {{30, 112, 58},  {150, 28, 36}, {206, 104, 28}, {204, 170, 44},
                           {64, 140, 204}, {26, 52, 126}, {104, 50, 146}};

// Smooth value noise in 0..1.
double Hash(int x, int y, int seed) {
  uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u +
               static_cast<uint32_t>(seed) * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return ((h ^ (h >> 16)) & 0xFFFFFF) / double(0xFFFFFF);
}

double Noise(double x, double y, int seed) {
  const int xi = static_cast<int>(std::floor(x)), yi = static_cast<int>(std::floor(y));
  const double fx = x - xi, fy = y - yi;
  const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
  const double a = Hash(xi, yi, seed), b = Hash(xi + 1, yi, seed);
  const double c = Hash(xi, yi + 1, seed), d = Hash(xi + 1, yi + 1, seed);
  return a + (b - a) * sx + (c - a) * sy + (a - b - c + d) * sx * sy;
}

double Fbm(double x, double y, int seed, int octaves = 4) {
  double sum = 0, amp = 0.5, norm = 0;
  for (int o = 0; o < octaves; ++o) {
    sum += amp * Noise(x, y, seed + o * 17);
    norm += amp;
    x *= 2.03;
    y *= 2.03;
    amp *= 0.5;
  }
  return sum / norm;
}

// The light of every pixel (1 = the colour itself) and the marks drawn over it (0..1, towards
// a pale shade of the colour).
struct Field {
  std::vector<float> light = std::vector<float>(size_t{kBigW} * kBigH, 1.0f);
  QImage marks{kBigW, kBigH, QImage::Format_Grayscale8};
  Field() { marks.fill(0); }
  float& At(int x, int y) { return light[static_cast<size_t>(y) * kBigW + x]; }
};

double Vignette(int x, int y, double strength) {
  const double dx = (x - kBigW / 2.0) / (kBigW / 2.0), dy = (y - kBigH * 0.46) / (kBigH / 2.0);
  return 1.0 - strength * std::min(1.0, (dx * dx + dy * dy) * 0.5);
}

void Felt(Field& f, int seed) {
  for (int y = 0; y < kBigH; ++y)
    for (int x = 0; x < kBigW; ++x) {
      const double fibre = Fbm(x / 3.0, y / 3.0, seed, 2) - 0.5;
      const double cloud = Fbm(x / 160.0, y / 160.0, seed + 5, 3) - 0.5;
      f.At(x, y) = static_cast<float>((1.08 + 0.16 * fibre + 0.12 * cloud) * Vignette(x, y, 0.5));
    }
}

void Sun(Field& f) {
  const double cx = kBigW / 2.0, cy = kBigH * 0.42;
  for (int y = 0; y < kBigH; ++y)
    for (int x = 0; x < kBigW; ++x) {
      const double dx = x - cx, dy = y - cy, r = std::hypot(dx, dy);
      const double a = std::atan2(dy, dx);
      const double rays = 0.5 + 0.5 * std::cos(a * 18);
      const double fade = std::exp(-r / 700.0);
      const double glow = std::exp(-r * r / (2 * 260.0 * 260.0));
      f.At(x, y) = static_cast<float>(0.62 + 0.22 * rays * fade + 0.55 * glow);
    }
}

void Gradient(Field& f) {
  for (int y = 0; y < kBigH; ++y)
    for (int x = 0; x < kBigW; ++x) {
      const double dx = (x - kBigW / 2.0) / kBigW, dy = (y - kBigH * 0.4) / kBigH;
      f.At(x, y) = static_cast<float>(1.35 - 1.3 * std::sqrt(dx * dx + dy * dy));
    }
}

void Cloth(Field& f, int seed) {
  for (int y = 0; y < kBigH; ++y)
    for (int x = 0; x < kBigW; ++x) {
      // Threads over and under each other every six pixels, with a little unevenness.
      const int cx = x / 6, cy = y / 6;
      const bool warp = (cx + cy) % 2 == 0;
      const double along = warp ? (y % 6) / 5.0 : (x % 6) / 5.0;
      const double across = warp ? (x % 6) / 5.0 : (y % 6) / 5.0;
      const double thread = 0.85 + 0.15 * std::sin(across * M_PI) - 0.05 * std::abs(along - 0.5);
      const double uneven = 0.08 * (Fbm(x / 40.0, y / 40.0, seed, 2) - 0.5);
      f.At(x, y) = static_cast<float>((thread + uneven) * Vignette(x, y, 0.35) * 1.05);
    }
}

void Wood(Field& f, int seed) {
  for (int y = 0; y < kBigH; ++y)
    for (int x = 0; x < kBigW; ++x) {
      // Planks 190 pixels wide, each with its own grain.
      const int plank = x / 190;
      const double px = x - plank * 190;
      const double warp = 18 * Fbm(px / 90.0, y / 260.0, seed + plank, 3);
      const double rings = std::sin((px + warp) / 5.5 + Fbm(px / 30.0, y / 120.0, seed, 2) * 6);
      const double grain = 0.05 * (Fbm(px / 1.5, y / 30.0, seed + 3, 2) - 0.5);
      const double gap = px < 2 ? 0.55 : 1.0;
      f.At(x, y) = static_cast<float>((0.95 + 0.1 * rings + grain) * gap * Vignette(x, y, 0.3));
    }
}

void Silk(Field& f, int seed) {
  for (int y = 0; y < kBigH; ++y)
    for (int x = 0; x < kBigW; ++x) {
      const double w = 4 * Fbm(x / 500.0, y / 500.0, seed, 3);
      const double sheen = std::sin(x / 160.0 + y / 380.0 + w);
      f.At(x, y) = static_cast<float>(0.92 + 0.28 * sheen * sheen * sheen);
    }
}

// Marks drawn over a felt: the lines and lettering of a card-room table.
void CasinoMarks(Field& f) {
  QPainter p(&f.marks);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(170, 170, 170), 6));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(kBigW / 2.0, -900), 1500, 1500);
  p.drawEllipse(QPointF(kBigW / 2.0, -900), 1640, 1640);
  QFont font(QStringLiteral("DejaVu Serif"));
  font.setPixelSize(54);
  font.setBold(true);
  font.setLetterSpacing(QFont::AbsoluteSpacing, 10);
  p.setFont(font);
  p.setPen(QColor(140, 140, 140));
  p.drawText(QRectF(0, 640, kBigW, 80), Qt::AlignCenter, QStringLiteral("QUORVEX  CARD  ROOM"));
  for (int s = 0; s < 4; ++s)
    DrawSuitSign(p, SuitFamily::kFrench, s, QRectF(kBigW / 2.0 - 260 + s * 140, 760, 80, 80),
                 QColor(150, 150, 150));
}

// A damask of the four suits on a faint grid.
void SuitPattern(Field& f) {
  QPainter p(&f.marks);
  p.setRenderHint(QPainter::Antialiasing);
  const double step = 110;
  int row = 0;
  for (double y = 30; y < kBigH + step; y += step * 0.8, ++row)
    for (double x = (row % 2) * step / 2; x < kBigW + step; x += step) {
      const int suit = (static_cast<int>(x / step) + row) % 4;
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(90, 90, 90));
      p.drawPath(SuitPath(SuitFamily::kFrench, suit, QRectF(x - 22, y - 22, 44, 44)));
    }
}

// Round ornaments of petals and rings, tiled.
void Ornaments(Field& f) {
  QPainter p(&f.marks);
  p.setRenderHint(QPainter::Antialiasing);
  const double step = 200;
  for (double y = 0; y < kBigH + step; y += step)
    for (double x = 0; x < kBigW + step; x += step)
      for (const QPointF c : {QPointF(x, y), QPointF(x + step / 2, y + step / 2)}) {
        const bool big = c.x() == x;
        const double r = big ? 70 : 34;
        p.setPen(QPen(QColor(120, 120, 120), big ? 3 : 2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, r, r);
        for (int i = 0; i < 8; ++i) {
          p.save();
          p.translate(c);
          p.rotate(i * 45);
          QPainterPath petal(QPointF(0, -r * 0.15));
          petal.cubicTo(r * 0.3, -r * 0.4, r * 0.2, -r * 0.8, 0, -r * 0.92);
          petal.cubicTo(-r * 0.2, -r * 0.8, -r * 0.3, -r * 0.4, 0, -r * 0.15);
          p.drawPath(petal);
          p.restore();
        }
      }
}

// A carpet: a field of lozenges inside two borders.
void Carpet(Field& f, int seed) {
  for (int y = 0; y < kBigH; ++y)
    for (int x = 0; x < kBigW; ++x)
      f.At(x, y) = static_cast<float>(0.9 + 0.1 * (Fbm(x / 2.0, y / 2.0, seed, 2) - 0.5));
  QPainter p(&f.marks);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  for (int band : {40, 90}) {
    p.setBrush(QColor(160, 160, 160));
    p.drawRect(QRectF(band, band, kBigW - 2 * band, 16));
    p.drawRect(QRectF(band, kBigH - band - 16, kBigW - 2 * band, 16));
    p.drawRect(QRectF(band, band, 16, kBigH - 2 * band));
    p.drawRect(QRectF(kBigW - band - 16, band, 16, kBigH - 2 * band));
  }
  const double w = 120, h = 90;
  for (double y = 150; y < kBigH - 150; y += h)
    for (double x = 150; x < kBigW - 150; x += w) {
      QPainterPath d(QPointF(x + w / 2, y));
      d.lineTo(x + w, y + h / 2);
      d.lineTo(x + w / 2, y + h);
      d.lineTo(x, y + h / 2);
      d.closeSubpath();
      p.setBrush(QColor(80, 80, 80));
      p.drawPath(d);
      p.setBrush(QColor(200, 200, 200));
      p.drawEllipse(QPointF(x + w / 2, y + h / 2), 9, 9);
    }
}

Field MakeField(int background) {
  Field f;
  const int seed = background * 101;
  switch (background) {
    case 1:
      Sun(f);
      break;
    case 2:
      Felt(f, seed);
      break;
    case 3:
      Gradient(f);
      break;
    case 4:
      Cloth(f, seed);
      break;
    case 5:
      Carpet(f, seed);
      break;
    case 6:
      Wood(f, seed);
      break;
    case 7:
      Felt(f, seed);
      CasinoMarks(f);
      break;
    case 8:
      Felt(f, seed);
      SuitPattern(f);
      break;
    case 9:
      Silk(f, seed);
      break;
    default:
      Silk(f, seed);
      Ornaments(f);
      break;
  }
  return f;
}

QImage Colour(const Field& f, const QColor& base) {
  QImage image(kBigW, kBigH, QImage::Format_RGB32);
  const QColor pale = QColor::fromRgbF(0.55f * base.redF() + 0.45f, 0.55f * base.greenF() + 0.45f,
                                       0.55f * base.blueF() + 0.45f);
  for (int y = 0; y < kBigH; ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    const uchar* mark = f.marks.constScanLine(y);
    for (int x = 0; x < kBigW; ++x) {
      const double l = f.light[static_cast<size_t>(y) * kBigW + x], m = mark[x] / 255.0 * 0.55;
      auto channel = [&](int c, int p) {
        return std::clamp(static_cast<int>(std::lround((c * l) * (1 - m) + p * l * m)), 0, 255);
      };
      line[x] = qRgb(channel(base.red(), pale.red()), channel(base.green(), pale.green()),
                     channel(base.blue(), pale.blue()));
    }
  }
  return image;
}

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

}  // namespace

bool MakeDefaultBackground(BundleWriter& out) {
  const Field f = MakeField(quorvex::kDefaultBackground);
  out.AddJpeg(QString::fromLatin1(quorvex::kBuiltInBackgroundName),
              Colour(f, kColours[quorvex::kDefaultBackgroundColour]), 86);
  return true;
}

bool MakeBackgrounds(BundleWriter& out) {
  for (int background = 1; background <= quorvex::kBackgrounds; ++background) {
    const Field f = MakeField(background);
    for (int colour = 0; colour < quorvex::kBackgroundColours; ++colour) {
      // The default one is the program's own.
      if (background == quorvex::kDefaultBackground && colour == quorvex::kDefaultBackgroundColour)
        continue;
      const QImage big = Colour(f, kColours[colour]);
      out.AddJpeg(Q(quorvex::BackgroundResourceName(background, colour, 2)), big, 84);
      out.AddJpeg(Q(quorvex::BackgroundResourceName(background, colour, 1)),
                  big.scaled(kNormalW, kNormalH, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                  88);
    }
  }
  return true;
}

}  // namespace artgen
