#include "ui/card_painter.h"

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
  // The cell has a one-pixel frame round the face.
  images_.DrawCard(top_left.x() - 1, top_left.y() - 1, card, painter);
}

void CardPainter::DrawBack(QPainter& painter, QPoint top_left) const {
  DrawShadow(painter, top_left);
  images_.DrawBack(top_left.x() - 1, top_left.y() - 1, painter);
}

}  // namespace quorvex
