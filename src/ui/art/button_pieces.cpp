#include "ui/art/button_pieces.h"

#include <QHash>
#include <algorithm>
#include <cmath>

#include "art/button_layout.h"
#include "ui/art/resource_library.h"

namespace quorvex {

namespace {

QRgb ToQRgb(Rgb c, int alpha = 255) {
  return qRgba(c.r, c.g, c.b, alpha);
}

QImage Recoloured(QImage art, ColorSB scheme, int klight, bool nata) {
  for (int y = 0; y < art.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(art.scanLine(y));
    for (int x = 0; x < art.width(); ++x) {
      const QRgb p = line[x];
      const Rgb c = ButtonPixel({static_cast<uint8_t>(qRed(p)), static_cast<uint8_t>(qGreen(p)),
                                 static_cast<uint8_t>(qBlue(p))},
                                scheme, klight, nata);
      line[x] = ToQRgb(c, qAlpha(p));
    }
  }
  return art;
}

}  // namespace

QImage ButtonPieceArt(bool nata, int art_height, char piece) {
  art_height = art_height <= 29 ? 29 : art_height <= 44 ? 44 : 59;
  const QString name = QString(nata ? QLatin1Char('Q') : QLatin1Char('R')) +
                       QString::number(art_height) + QLatin1Char('_') + QLatin1Char(piece);
  QImage art;
  if (LoadLibraryPicture(name, QString(), art) && !art.isNull())
    return art.convertToFormat(QImage::Format_ARGB32);
  // The pieces are the program's own; should one be missing the button is still drawn.
  art = QImage(piece == '2' ? 4 : ArtCapWidth(art_height), art_height, QImage::Format_ARGB32);
  art.fill(qRgb(200, 0, 0));
  return art;
}

const ButtonPieces& RecolouredPieces(bool nata, int art_height, ColorSB scheme, int klight) {
  art_height = art_height <= 29 ? 29 : art_height <= 44 ? 44 : 59;
  klight = std::clamp(klight, 0, 100);
  static QHash<int, ButtonPieces> cache;
  const int key =
      ((klight * kColorSchemes + static_cast<int>(scheme)) * 64 + art_height) * 2 + (nata ? 1 : 0);
  auto found = cache.find(key);
  if (found != cache.end()) return *found;
  ButtonPieces pieces;
  pieces.left = Recoloured(ButtonPieceArt(nata, art_height, 'L'), scheme, klight, nata);
  pieces.middle = Recoloured(ButtonPieceArt(nata, art_height, '2'), scheme, klight, nata);
  pieces.right = Recoloured(ButtonPieceArt(nata, art_height, 'R'), scheme, klight, nata);
  if (!nata) {
    for (Rgb c : ButtonGradient(art_height))
      pieces.gradient.push_back(ToQRgb(ButtonPixel(c, scheme, klight, nata)));
  }
  return *cache.insert(key, pieces);
}

}  // namespace quorvex
