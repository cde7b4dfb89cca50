#include "ui/card_painter.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "ui/suit_symbol.h"
#include "ui/table_geometry.h"

namespace quorvex {

namespace {
constexpr int kW = table::kCardWidth;
constexpr int kH = table::kCardHeight;
constexpr double kRadius = 5.0;

QString RankText(int rank_value) {
  static const char* const kRanks[] = {"2", "3",  "4", "5", "6", "7", "8",
                                       "9", "10", "J", "Q", "K", "A"};
  return QString::fromLatin1(kRanks[rank_value - 1]);
}

QRectF CardOutline() {
  return QRectF(0.5, 0.5, kW - 1, kH - 1);
}

// Rank and a small pip in the top-left corner; drawn twice, the second time turned over.
void DrawIndex(QPainter& p, int rank_value, int suit) {
  QFont font(QStringLiteral("DejaVu Sans Condensed"));
  font.setBold(true);
  font.setPixelSize(15);
  p.setFont(font);
  p.setPen(SuitColor(suit));
  p.drawText(QRectF(2, 2, 17, 16), Qt::AlignHCenter | Qt::AlignTop, RankText(rank_value));
  DrawSuit(p, suit, QRectF(4.5, 19.5, 11, 11));
}

// Jack, queen and king: a framed panel in the suit's colour with the letter and a pip.
void DrawCourt(QPainter& p, int rank_value, int suit) {
  const QRectF frame(17.5, 13.5, 34, 67);
  const QColor ink = SuitColor(suit);
  QLinearGradient fill(frame.topLeft(), frame.bottomRight());
  fill.setColorAt(0, IsRedSuit(suit) ? QColor(255, 236, 214) : QColor(226, 234, 250));
  fill.setColorAt(1, IsRedSuit(suit) ? QColor(250, 206, 170) : QColor(190, 206, 238));
  p.setPen(QPen(ink, 1.2));
  p.setBrush(fill);
  p.drawRoundedRect(frame, 3, 3);
  QPen gold(QColor(196, 150, 40), 1.0);
  p.setPen(gold);
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(frame.adjusted(2.5, 2.5, -2.5, -2.5), 2, 2);
  QFont font(QStringLiteral("DejaVu Serif"));
  font.setBold(true);
  font.setPixelSize(24);
  p.setFont(font);
  p.setPen(ink);
  p.drawText(QRectF(frame.left(), frame.top() + 6, frame.width(), 28), Qt::AlignCenter,
             RankText(rank_value));
  DrawSuit(p, suit, QRectF(frame.center().x() - 10, frame.top() + 36, 20, 20));
}
}  // namespace

CardPainter::CardPainter() {
  for (int rank = 1; rank <= 13; ++rank)
    for (int suit = 0; suit < 4; ++suit) faces_[(rank - 1) * 4 + suit] = MakeFace(rank, suit);
  back_ = MakeBack();
}

QPixmap CardPainter::MakeFace(int rank_value, int suit) {
  QPixmap pixmap(kW, kH);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);

  QLinearGradient paper(0, 0, 0, kH);
  paper.setColorAt(0, QColor(255, 255, 255));
  paper.setColorAt(1, QColor(242, 240, 232));
  p.setPen(QPen(QColor(120, 120, 120), 1.0));
  p.setBrush(paper);
  p.drawRoundedRect(CardOutline(), kRadius, kRadius);

  DrawIndex(p, rank_value, suit);
  p.save();
  p.translate(kW, kH);
  p.rotate(180);
  DrawIndex(p, rank_value, suit);
  p.restore();

  if (rank_value >= 10 && rank_value <= 12) {
    DrawCourt(p, rank_value, suit);
  } else {
    const double size = rank_value == 13 ? 38 : 30;
    DrawSuit(p, suit, QRectF((kW - size) / 2, (kH - size) / 2, size, size));
  }
  return pixmap;
}

QPixmap CardPainter::MakeBack() {
  QPixmap pixmap(kW, kH);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);

  p.setPen(QPen(QColor(120, 120, 120), 1.0));
  p.setBrush(QColor(252, 252, 250));
  p.drawRoundedRect(CardOutline(), kRadius, kRadius);

  // A blue field with a lattice of fine diagonals and a small lozenge in the middle.
  const QRectF field(4.5, 4.5, kW - 9, kH - 9);
  QLinearGradient blue(field.topLeft(), field.bottomRight());
  blue.setColorAt(0, QColor(32, 74, 160));
  blue.setColorAt(1, QColor(18, 44, 110));
  p.setPen(Qt::NoPen);
  p.setBrush(blue);
  p.drawRoundedRect(field, 3, 3);

  QPainterPath clip;
  clip.addRoundedRect(field, 3, 3);
  p.setClipPath(clip);
  p.setPen(QPen(QColor(98, 140, 220, 170), 1.0));
  for (int d = -kH; d < kW + kH; d += 7) {
    p.drawLine(QPointF(d, 0), QPointF(d + kH, kH));
    p.drawLine(QPointF(d, kH), QPointF(d + kH, 0));
  }
  p.setClipping(false);

  p.setPen(QPen(QColor(230, 236, 250), 1.0));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(field.adjusted(3, 3, -3, -3), 2, 2);

  const QPointF c(kW / 2.0, kH / 2.0);
  QPainterPath lozenge(QPointF(c.x(), c.y() - 14));
  lozenge.lineTo(c.x() + 10, c.y());
  lozenge.lineTo(c.x(), c.y() + 14);
  lozenge.lineTo(c.x() - 10, c.y());
  lozenge.closeSubpath();
  p.setPen(QPen(QColor(230, 236, 250), 1.2));
  p.setBrush(QColor(26, 58, 136));
  p.drawPath(lozenge);
  return pixmap;
}

const QPixmap& CardPainter::Face(const TCard& card) const {
  const int rank = RankValue(card);
  const int suit = SuitIndex(card.suit);
  if (rank < 1 || rank > 13 || suit < 0) return blank_;
  return faces_[(rank - 1) * 4 + suit];
}

void CardPainter::DrawShadow(QPainter& painter, QPoint top_left) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 0, 60));
  painter.drawRoundedRect(QRectF(top_left.x() + 2, top_left.y() + 2, kW, kH), kRadius, kRadius);
  painter.restore();
}

void CardPainter::DrawFace(QPainter& painter, QPoint top_left, const TCard& card) const {
  const QPixmap& face = Face(card);
  if (face.isNull()) return;
  DrawShadow(painter, top_left);
  painter.drawPixmap(top_left, face);
}

void CardPainter::DrawBack(QPainter& painter, QPoint top_left) const {
  DrawShadow(painter, top_left);
  painter.drawPixmap(top_left, back_);
}

}  // namespace quorvex
