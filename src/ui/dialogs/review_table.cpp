#include "ui/dialogs/review_table.h"

#include <QPainter>
#include <algorithm>

#include "ui/art/card_painter.h"

namespace quorvex {
namespace {

const QColor kFelt(22, 96, 52);
const QColor kFeltEdge(14, 66, 36);
constexpr int kMargin = 12;
constexpr int kNameHeight = 20;

}  // namespace

ReviewTable::ReviewTable(const CardPainter& cards, QWidget* parent)
    : QWidget(parent), cards_(cards) {
  setFixedSize(kWidth, kHeight);
}

void ReviewTable::SetNames(const QString& upper, const QString& lower) {
  names_[1] = upper;
  names_[2] = lower;
  update();
}

void ReviewTable::SetStep(const ReplayStep& step) {
  step_ = step;
  update();
}

void ReviewTable::SetMiddleText(const QStringList& lines) {
  middle_ = lines;
  update();
}

void ReviewTable::PaintHand(QPainter& p, int seat, int y) const {
  // Suits in alternating colours, spades first, each from its highest card down.
  std::vector<TCard> hand = step_.hands[seat];
  static constexpr int kSuitPlace[] = {1, 3, 2, 0};  // by suit index: hearts .. spades
  std::sort(hand.begin(), hand.end(), [](const TCard& a, const TCard& b) {
    const int sa = kSuitPlace[SuitIndex(a.suit) & 3], sb = kSuitPlace[SuitIndex(b.suit) & 3];
    return sa != sb ? sa < sb : RankValue(a) > RankValue(b);
  });
  const QSize card = cards_.CardSize();
  const int room = kWidth - 2 * kMargin - card.width();
  const int gap = hand.size() > 1 ? std::min(card.width() / 2, room / int(hand.size() - 1)) : 0;
  const int width = card.width() + gap * std::max(0, int(hand.size()) - 1);
  int x = (kWidth - width) / 2;
  for (const TCard& c : hand) {
    cards_.DrawFace(p, QPoint(x, y), c);
    x += gap;
  }
}

void ReviewTable::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(rect(), kFeltEdge);
  p.setBrush(kFelt);
  p.setPen(Qt::NoPen);
  p.drawRoundedRect(rect().adjusted(3, 3, -3, -3), 14, 14);

  const QSize card = cards_.CardSize();
  const int upper_y = kMargin + kNameHeight;
  const int lower_y = kHeight - kMargin - kNameHeight - card.height();
  PaintHand(p, 1, upper_y);
  PaintHand(p, 2, lower_y);

  // The names with the tricks won, the seat to move in yellow.
  QFont font = p.font();
  font.setPixelSize(14);
  font.setBold(true);
  p.setFont(font);
  for (int seat = 1; seat <= 2; ++seat) {
    const int y = seat == 1 ? kMargin - 2 : kHeight - kMargin - kNameHeight + 2;
    const QRect line(kMargin, y, kWidth - 2 * kMargin, kNameHeight);
    p.setPen(seat == step_.to_move ? QColor(255, 224, 96) : QColor(235, 240, 235));
    p.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, names_[seat]);
    p.drawText(line, Qt::AlignRight | Qt::AlignVCenter, QString::number(step_.tricks[seat]));
  }

  // The trick on the table: the leader's card on its own side of the middle.
  const int middle_y = (upper_y + card.height() + lower_y) / 2;
  for (size_t i = 0; i < step_.trick.size(); ++i) {
    const int seat = i == 0 ? step_.trick_leader : 3 - step_.trick_leader;
    const int x = kWidth / 2 + (seat == 1 ? -card.width() - 6 : 6);
    const int y = middle_y - card.height() / 2 + (seat == 1 ? -12 : 12);
    cards_.DrawFace(p, QPoint(x, y), step_.trick[i]);
  }

  if (!middle_.isEmpty()) {
    font.setPixelSize(13);
    font.setBold(false);
    p.setFont(font);
    p.setPen(QColor(245, 245, 230));
    const int top = upper_y + card.height() + 8;
    const QRect box(kMargin, top, kWidth - 2 * kMargin, lower_y - 8 - top);
    p.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, middle_.join(QLatin1Char('\n')));
  }
}

}  // namespace quorvex
