#include "faces_part.h"

#include <QPainter>
#include <cstdio>

#include "art/card_geometry.h"
#include "art/card_names.h"
#include "art/face_pixels.h"

namespace artgen {

namespace {

using quorvex::PixelRows;

PixelRows Rows(QImage& image) {
  return {reinterpret_cast<uint32_t*>(image.bits()), image.width(), image.height(),
          static_cast<int>(image.bytesPerLine() / 4)};
}

std::string PrefixOf(int rank, int design) {
  if (rank == 13) return quorvex::AcePrefix(design);
  if (rank >= 10) return quorvex::DesignPrefix(design);
  return quorvex::PipPrefix(design);
}

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

QImage SymbolPicture(FaceArt& art, int design, int suit, int size) {
  if (design == quorvex::kFilledSymbolDesign && suit == 1) {
    // Stored on grey, which the loader floods with silver.
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(QColor(QRgb(0xFF000000u | quorvex::kSymbolGrey)));
    QPainter p(&image);
    const double m = size * 0.12;
    DrawSuitSign(p, art.Family(), suit, QRectF(m, m, size - 2 * m, size - 2 * m),
                 art.SuitColour(suit));
    return image;
  }
  return SuitSymbolImage(art.Family(), suit, size, art.SuitColour(suit));
}

}  // namespace

QImage NormalFace(FaceArt& art, int rank, int suit) {
  const quorvex::PixelSize size = quorvex::StoredFaceSize(quorvex::kNormalSize, true);
  return FinishNormal(art.Card(rank, suit, QSize(size.width, size.height), false));
}

QImage FinishNormal(const QImage& card) {
  const QSize size = card.size();
  // Whatever the card leaves clear becomes its paper, except the four corner pixels, where the
  // window's outline shows.
  QColor paper = card.pixelColor(size.width() / 2, 1);
  if (paper.alpha() < 255) paper = Qt::white;
  QImage face(card.size(), QImage::Format_ARGB32);
  face.fill(paper);
  QPainter p(&face);
  p.drawImage(0, 0, card);
  p.end();
  for (QPoint corner : {QPoint(0, 0), QPoint(size.width() - 1, 0), QPoint(0, size.height() - 1),
                        QPoint(size.width() - 1, size.height() - 1)})
    face.setPixelColor(corner, Qt::transparent);
  return face;
}

bool MakeFaces(BundleWriter& out, const DeckFolders& folders, int first, int last) {
  for (int design = first; design <= last; ++design) {
    auto art = MakeFaceArt(design, folders);
    if (!art || !art->Problem().isEmpty()) {
      std::fprintf(stderr, "artgen: face design %d: %s\n", design,
                   art ? qPrintable(art->Problem()) : "no art");
      return false;
    }
    const bool wide = quorvex::WideFaces(design);
    const bool own = design == 0;
    const std::string prefix = quorvex::DesignPrefix(design);
    for (int rank = 1; rank <= 13; ++rank) {
      // Cards named with another design's prefix are drawn by that design.
      if (PrefixOf(rank, design) != prefix) continue;
      for (int suit = 0; suit < 4; ++suit) {
        const quorvex::TCard card{quorvex::RankByte(rank), quorvex::SuitByte(suit)};
        QImage normal = NormalFace(*art, rank, suit);
        const quorvex::PixelSize big_size = quorvex::StoredFaceSize(2, wide);
        QImage big = art->Card(rank, suit, QSize(big_size.width, big_size.height), true);
        if (!own) {
          quorvex::InvertEllipse(Rows(normal), quorvex::FaceEllipse(quorvex::kNormalSize, wide));
          quorvex::InvertEllipse(Rows(big), quorvex::FaceEllipse(2, wide));
        }
        out.AddPng(own ? QStringLiteral("BITMAP") : QStringLiteral("RCDATA"),
                   Q(quorvex::FaceResourceName(card, design, quorvex::kNormalSize)), normal);
        out.AddPng(QStringLiteral("RCDATA"), Q(quorvex::FaceResourceName(card, design, 2)), big);
      }
    }
    std::fprintf(stderr, "artgen: faces of design %d done\n", design);
  }
  // Symbols: every design of the range asks for four, named by its symbol prefix; the design
  // that owns the prefix draws them.
  for (int design = first; design <= last; ++design) {
    const std::string prefix = quorvex::SymbolPrefix(design);
    int owner = design;
    for (int d = first; d <= last; ++d)
      if (quorvex::DesignPrefix(d) == prefix) owner = d;
    auto art = MakeFaceArt(owner, folders);
    for (int suit = 0; suit < 4; ++suit)
      for (int size_class : {quorvex::kNormalSize, 2}) {
        const QString name = Q(quorvex::SuitSymbolName(suit, design, size_class));
        const QString type = owner == 0 && size_class == quorvex::kNormalSize
                                 ? QStringLiteral("BITMAP")
                                 : QStringLiteral("RCDATA");
        if (out.Has(type, name)) continue;
        const quorvex::PixelSize size =
            quorvex::StoredSymbolSize(size_class != quorvex::kNormalSize);
        out.AddPng(type, name, SymbolPicture(*art, owner, suit, size.width));
      }
  }
  return true;
}

}  // namespace artgen
