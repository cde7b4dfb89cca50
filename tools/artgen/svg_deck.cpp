#include "svg_deck.h"

#include <QPainter>

namespace artgen {

SvgDeck::SvgDeck(const QString& path, Naming naming)
    : path_(path), naming_(naming), renderer_(std::make_unique<QSvgRenderer>(path)) {}

QString SvgDeck::CardId(int rank, int suit) const {
  static const char* const kSuits[] = {"heart", "diamond", "club", "spade"};
  static const char* const kRanks[] = {"",  "2", "3",  "4",    "5",     "6",    "7",
                                       "8", "9", "10", "jack", "queen", "king", "1"};
  const QString r = QString::fromLatin1(kRanks[rank]);
  const QString s = QString::fromLatin1(kSuits[suit & 3]);
  return naming_ == Naming::kKde ? r + QLatin1Char('_') + s : s + QLatin1Char('_') + r;
}

QImage SvgDeck::Render(const QString& id, QSize size, double bleed) const {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  const double bx = bleed, by = bleed * size.height() / size.width();
  renderer_->render(&p, id, QRectF(-bx, -by, size.width() + 2 * bx, size.height() + 2 * by));
  p.end();
  return image.convertToFormat(QImage::Format_ARGB32);
}

QImage SvgDeck::Card(int rank, int suit, QSize size, double bleed) const {
  return Render(CardId(rank, suit), size, bleed);
}

QImage SvgDeck::Back(QSize size, double bleed) const {
  return Render(QStringLiteral("back"), size, bleed);
}

}  // namespace artgen
