#include "ui/call_table_view.h"

#include <QPainter>

#include "locale/lang_text.h"
#include "ui/suit_symbol.h"

namespace quorvex {

namespace {
constexpr int kHeaderBottom = 55;
constexpr int kLineHeight = 30;
constexpr int kColumnWidth = 50;
const QColor kCallGreen(0, 128, 0);
const QColor kNavy(0, 0, 128);

QFont TableFont(int pixels) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(pixels);
  font.setBold(true);
  return font;
}

// Suit index of a bid's denomination (clubs, diamonds, hearts, spades), -1 for no trump.
int BidSuit(int code) {
  static const int kSuits[] = {2, 1, 0, 3, -1};
  return kSuits[BidDenomination(code) - 1];
}
}  // namespace

CallTableView::CallTableView(QWidget* parent) : QWidget(parent) {
  setFixedSize(101, 235);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void CallTableView::SetTable(const AuctionTable& table) {
  table_ = table;
  update();
}

void CallTableView::SetNames(const QString& seat1, const QString& seat2) {
  names_[0] = seat1;
  names_[1] = seat2;
  update();
}

int CallTableView::FirstShownLine() const {
  int last = 0;
  for (int line = 1; line <= kAuctionLines; ++line)
    if (table_.Cell(1, line) != 0 || table_.Cell(2, line) != 0) last = line;
  return last <= kVisibleLines ? 1 : last - kVisibleLines + 1;
}

void CallTableView::PaintCell(QPainter& p, const QRect& cell, int code) const {
  const QRect inner = cell.adjusted(2, 1, -1, 0);
  if (code == kCallDouble || code == kCallRedouble || code == kCallPass) {
    p.setFont(TableFont(code == kCallPass ? 12 : 16));
    p.setPen(kCallGreen);
    const QString text = code == kCallDouble     ? QStringLiteral("K")
                         : code == kCallRedouble ? QStringLiteral("R")
                                                 : QString::fromUtf8(Text(Tx::Pass).c_str());
    p.drawText(inner, Qt::AlignCenter, text);
    return;
  }
  if (!IsBid(code)) return;
  const QString level = QString::number(BidTricks(code) - 6);
  const int suit = BidSuit(code);
  p.setFont(TableFont(16));
  if (suit < 0) {
    p.setPen(kNavy);
    p.drawText(inner, Qt::AlignCenter, level + QString::fromUtf8(Text(Tx::NoTrumpLabel).c_str()));
    return;
  }
  p.setPen(IsRedSuit(suit) ? QColor(200, 20, 30) : Qt::black);
  const QRect digit(inner.center().x() - 15, inner.top(), 14, inner.height());
  p.drawText(digit, Qt::AlignRight | Qt::AlignVCenter, level);
  DrawSuit(p, suit, QRectF(inner.center().x() + 1, inner.center().y() - 8, 16, 16));
}

void CallTableView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const QColor ground = palette().color(QPalette::Button);
  p.fillRect(rect(), ground);

  // Header: the compass point and name of each column's player.
  for (int seat = 0; seat < 2; ++seat) {
    const QRect column(seat * kColumnWidth, 0, kColumnWidth, kHeaderBottom);
    const QPointF compass(column.center().x() + 1, 19);
    p.setPen(QPen(QColor(230, 230, 240), 1.0));
    p.setBrush(QColor(24, 42, 104));
    p.drawEllipse(compass, 11, 11);
    p.setFont(TableFont(13));
    p.setPen(Qt::white);
    p.drawText(QRectF(compass.x() - 11, compass.y() - 11, 22, 22), Qt::AlignCenter,
               seat == 0 ? QStringLiteral("N") : QStringLiteral("S"));
    QFont small(QStringLiteral("DejaVu Sans"));
    small.setPixelSize(10);
    p.setFont(small);
    p.setPen(Qt::black);
    const QRect name_rect(column.left() + 2, 33, kColumnWidth - 3, 18);
    p.drawText(name_rect, Qt::AlignCenter,
               QFontMetrics(small).elidedText(names_[seat], Qt::ElideRight, name_rect.width()));
  }

  const int first = FirstShownLine();
  p.setRenderHint(QPainter::Antialiasing, false);
  for (int row = 0; row < kVisibleLines; ++row) {
    const int line = first + row;
    for (int seat = 1; seat <= 2; ++seat) {
      const QRect cell((seat - 1) * kColumnWidth, kHeaderBottom + row * kLineHeight, kColumnWidth,
                       kLineHeight);
      p.setRenderHint(QPainter::Antialiasing);
      PaintCell(p, cell, table_.Cell(seat, line));
      p.setRenderHint(QPainter::Antialiasing, false);
    }
  }

  // The grid in black: under the header, between lines, and the column rules.
  p.setPen(Qt::black);
  p.drawLine(0, kHeaderBottom, width(), kHeaderBottom);
  for (int k = 1; k <= kVisibleLines; ++k) {
    const int y = kHeaderBottom - 1 + kLineHeight * k;
    p.drawLine(0, y, width(), y);
  }
  for (int x : {0, kColumnWidth, 2 * kColumnWidth}) p.drawLine(x, 0, x, height());
}

}  // namespace quorvex
