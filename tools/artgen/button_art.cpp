#include "button_art.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <vector>

#include "art/button_colours.h"
#include "art/button_layout.h"

namespace artgen {

namespace {

using quorvex::Rgb;

QRgb ToQRgb(Rgb c, int alpha = 255) {
  return qRgba(c.r, c.g, c.b, alpha);
}

Rgb Mix(Rgb a, Rgb b, double t) {
  const auto m = [t](int x, int y) {
    return static_cast<uint8_t>(std::lround(x + (y - x) * std::clamp(t, 0.0, 1.0)));
  };
  return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
}

// Row colours of the new style: a dark frame, a pale line under it, a lighter upper half and a
// deeper lower half. The frame and the pale line are far from pure red, so the cards scheme and
// lightening leave them alone.
std::vector<Rgb> SquareRows(int h) {
  std::vector<Rgb> rows(h);
  const int mid = h / 2;
  for (int y = 0; y < h; ++y) {
    if (y == 0 || y == h - 1) {
      rows[y] = {48, 32, 32};
    } else if (y == 1) {
      rows[y] = {255, 190, 190};
    } else if (y < mid) {
      rows[y] = Mix({232, 72, 64}, {204, 28, 24}, double(y - 2) / std::max(1, mid - 3));
    } else {
      rows[y] = Mix({188, 8, 8}, {150, 0, 0}, double(y - mid) / std::max(1, h - 2 - mid));
    }
  }
  return rows;
}

std::vector<Rgb> RoundRows(int h) {
  const std::span<const Rgb> g = quorvex::ButtonGradient(h);
  return std::vector<Rgb>(g.begin(), g.end());
}

// A left cap: the end of a rounded rectangle whose corner radius is the cap's width, with a one
// pixel border of the gradient's dark red along the curve, smoothed at the edge.
QImage RoundCap(const std::vector<Rgb>& rows, int w) {
  const int h = static_cast<int>(rows.size());
  const double r = w;
  QImage cap(w, h, QImage::Format_ARGB32);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const double px = x + 0.5, py = y + 0.5;
      double inside;  // distance from the edge, positive inside
      if (py < r || py > h - r) {
        const double cy = py < r ? r : h - r;
        inside = r - std::hypot(px - r, py - cy);
      } else {
        inside = px;
      }
      const double cover = std::clamp(inside + 0.5, 0.0, 1.0);
      const Rgb colour = Mix(rows[y], rows.front(), 1.5 - inside);
      cap.setPixel(x, y, ToQRgb(colour, static_cast<int>(std::lround(cover * 255))));
    }
  }
  return cap;
}

// A left cap of the square style: the frame down the left edge, the outer corner cut.
QImage SquareCap(const std::vector<Rgb>& rows, int w) {
  const int h = static_cast<int>(rows.size());
  QImage cap(w, h, QImage::Format_ARGB32);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      Rgb colour = rows[y];
      if (x == 0) colour = rows.front();
      if (x == 1 && y > 0 && y < h - 1) colour = Mix(rows[y], {255, 190, 190}, 0.5);
      const bool corner = x == 0 && (y == 0 || y == h - 1);
      const bool beside = (x == 1 && (y == 0 || y == h - 1)) || (x == 0 && (y == 1 || y == h - 2));
      cap.setPixel(x, y, ToQRgb(colour, corner ? 0 : beside ? 160 : 255));
    }
  }
  return cap;
}

QImage Middle(const std::vector<Rgb>& rows) {
  QImage middle(4, static_cast<int>(rows.size()), QImage::Format_ARGB32);
  for (int y = 0; y < middle.height(); ++y)
    for (int x = 0; x < middle.width(); ++x) middle.setPixel(x, y, ToQRgb(rows[y]));
  return middle;
}

}  // namespace

QImage ButtonPieceArt(bool square, int art_height, char piece) {
  art_height = art_height <= 29 ? 29 : art_height <= 44 ? 44 : 59;
  const std::vector<Rgb> rows = square ? SquareRows(art_height) : RoundRows(art_height);
  if (piece == '2') return Middle(rows);
  const int w = quorvex::ArtCapWidth(art_height);
  const QImage left = square ? SquareCap(rows, w) : RoundCap(rows, w);
  return piece == 'R' ? left.mirrored(true, false) : left;
}

bool MakeButtonPieces(BundleWriter& out) {
  for (bool square : {false, true})
    for (int h : {29, 44, 59}) {
      const QString base =
          QString(square ? QLatin1Char('Q') : QLatin1Char('R')) + QString::number(h);
      for (char piece : {'L', 'R', '2'})
        out.AddPng(QStringLiteral("RCDATA"), base + QLatin1Char('_') + QLatin1Char(piece),
                   ButtonPieceArt(square, h, piece));
    }
  return true;
}

}  // namespace artgen
