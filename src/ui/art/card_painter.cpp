#include "ui/art/card_painter.h"

#include <QDate>
#include <QPainter>

#include "art/library_rules.h"
#include "game/platform.h"
#include "settings/window_scale.h"

namespace quorvex {

CardPainter::CardPainter() : images_(settings_) {
  images_.SetWindow(1, WindowScaleFor(1, 0, 0));
  images_.LoadCardFaces();
  SystemRandom random;
  images_.ChooseBack(QDate::currentDate().dayOfWeek(), random);
}

void CardPainter::Configure(Settings& chosen, int window_size, const WindowScale& scale) {
  settings_.CardFaceSet = chosen.CardFaceSet;
  settings_.DeckSet = chosen.DeckSet;
  settings_.DeckAlwaysOne = chosen.DeckAlwaysOne;
  images_.SetWindow(window_size, scale);
  images_.LoadCardFaces();
  chosen.CardFaceSet = settings_.CardFaceSet;
  chosen.DeckSet = settings_.DeckSet;
  for (QPixmap& face : face_pixmaps_) face = QPixmap();
  back_key_ = 0;
  SystemRandom random;
  ChooseBack(random);
}

void CardPainter::ChooseBack(Random& random) {
  images_.ChooseBack(QDate::currentDate().dayOfWeek(), random);
}

QSize CardPainter::CardSize() const {
  // The normal card has a one-pixel frame round its face; a big card fills its cell.
  const PixelSize cell = images_.Cell();
  if (images_.SizeClass() == kNormalSize) return QSize(cell.width - 2, cell.height - 2);
  return QSize(cell.width, cell.height);
}

QPoint CardPainter::CellCorner(QPoint top_left) const {
  return images_.SizeClass() == kNormalSize ? top_left - QPoint(1, 1) : top_left;
}

QPixmap CardPainter::FlightPicture(const TCard& card) const {
  const PixelSize cell = images_.Cell();
  QPixmap picture(cell.width + 2, cell.height + 2);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  if (card.Empty()) {
    DrawBack(painter, QPoint(1, 1));
  } else {
    DrawFace(painter, QPoint(1, 1), card);
  }
  return picture;
}

const QPixmap& CardPainter::Face(const TCard& card) const {
  const int rank = RankValue(card);
  const int suit = SuitIndex(card.suit);
  if (rank < 1 || rank > 13 || suit < 0) return blank_;
  QPixmap& pixmap = face_pixmaps_[(rank - 1) * 4 + suit + 1];
  if (pixmap.isNull()) pixmap = QPixmap::fromImage(images_.FaceImage(card));
  return pixmap;
}

const QPixmap& CardPainter::Back() const {
  const QImage& back = images_.Back(images_.BackNumber(), false);
  if (back.cacheKey() != back_key_) {
    back_pixmap_ = QPixmap::fromImage(back);
    back_key_ = back.cacheKey();
  }
  return back_pixmap_;
}

void CardPainter::DrawShadow(QPainter& painter, QPoint top_left) const {
  const PixelSize cell = images_.Cell();
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 0, 60));
  painter.drawRoundedRect(QRectF(top_left.x() + 1, top_left.y() + 1, cell.width, cell.height), 5,
                          5);
  painter.restore();
}

void CardPainter::DrawFace(QPainter& painter, QPoint top_left, const TCard& card) const {
  if (CardSlot(card) == 0 && SpecialCardPicture(card, images_.SizeClass()).empty()) return;
  DrawShadow(painter, top_left);
  const QPoint cell = CellCorner(top_left);
  images_.DrawCard(cell.x(), cell.y(), card, painter);
}

void CardPainter::DrawBack(QPainter& painter, QPoint top_left) const {
  DrawShadow(painter, top_left);
  const QPoint cell = CellCorner(top_left);
  images_.DrawBack(cell.x(), cell.y(), painter);
}

}  // namespace quorvex
