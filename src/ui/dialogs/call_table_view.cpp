#include "ui/dialogs/call_table_view.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include "locale/lang_text.h"
#include "settings/font_roles.h"
#include "ui/art/resource_library.h"
#include "ui/art/suit_symbol.h"

namespace quorvex {

namespace {
constexpr int kHeaderBottom = 55;
constexpr int kLineHeight = 30;
constexpr int kColumnWidth = 50;
constexpr int kSymbolSize = 18;
const QColor kCallGreen(0, 128, 0);
const QColor kNavy(0, 0, 128);
const QColor kRed(200, 20, 30);

// Suit index of a bid's denomination (clubs, diamonds, hearts, spades), -1 for no trump.
int BidSuit(int code) {
  static const int kSuits[] = {2, 1, 0, 3, -1};
  return kSuits[BidDenomination(code) - 1];
}

QImage SeatPicture(const char* name) {
  QImage picture;
  if (!LoadLibraryPicture(QLatin1String(name), QString(), picture)) return QImage();
  return picture.scaled(40, 40, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The font made smaller until the text fits the width.
QFont Fitted(QFont font, const QString& text, int width) {
  while (font.pixelSize() > 8 && QFontMetrics(font).horizontalAdvance(text) > width)
    font.setPixelSize(font.pixelSize() - 1);
  return font;
}
}  // namespace

CallTableView::CallTableView(QWidget* parent) : QWidget(parent) {
  setFixedSize(101, 235);
  setAttribute(Qt::WA_OpaquePaintEvent);
  north_ = SeatPicture("GNorth");
  south_ = SeatPicture("GSouth");
}

void CallTableView::SetTable(const AuctionTable& table) {
  table_ = table;
  update();
}

void CallTableView::SetNames(const QString& seat1, const QString& seat2) {
  names_[0] = seat1;
  names_[1] = seat2;
}

void CallTableView::SetCardStyle(bool on) {
  card_style_ = on;
  update();
}

void CallTableView::SetSymbols(const std::array<QImage, 4>& symbols) {
  for (int suit = 0; suit < 4; ++suit)
    symbols_[suit] = symbols[suit].isNull()
                         ? QImage()
                         : symbols[suit].scaled(kSymbolSize, kSymbolSize, Qt::KeepAspectRatio,
                                                Qt::SmoothTransformation);
  update();
}

void CallTableView::SetFonts(const Settings& settings) {
  fonts_ = settings;
  update();
}

QColor CallTableView::Ground() const {
  return card_style_ ? kLavender : palette().color(QPalette::Button);
}

QFont CallTableView::TableFont(int nominal_height) const {
  QFont font(QString::fromStdString(fonts_.FontName[static_cast<int>(FontRole::Serif)]));
  font.setPixelSize(std::max(6, ScaledFontHeight(fonts_, FontRole::Serif, nominal_height)));
  font.setBold(true);
  return font;
}

int CallTableView::FirstShownLine() const {
  int last = 0;
  for (int line = 1; line <= kAuctionLines; ++line)
    if (table_.Cell(1, line) != 0 || table_.Cell(2, line) != 0) last = line;
  return last <= kVisibleLines ? 1 : last - kVisibleLines + 1;
}

void CallTableView::PaintCell(QPainter& p, const QRect& cell, int code) const {
  p.fillRect(cell, Ground());
  const QRect inner = cell.adjusted(2, 1, -2, 0);
  if (code == kCallDouble || code == kCallRedouble || code == kCallPass) {
    const QString text = code == kCallDouble     ? QStringLiteral("K")
                         : code == kCallRedouble ? QStringLiteral("R")
                                                 : QString::fromUtf8(Text(Tx::Pass).c_str());
    p.setFont(Fitted(TableFont(code == kCallPass ? 13 : 17), text, inner.width()));
    p.setPen(kCallGreen);
    p.drawText(inner, Qt::AlignCenter, text);
    return;
  }
  if (!IsBid(code)) return;
  const QString level = QString::number(BidTricks(code) - 6);
  const int suit = BidSuit(code);
  if (suit < 0) {
    const QString text = level + QString::fromUtf8(Text(Tx::NoTrumpLabel).c_str());
    p.setFont(Fitted(TableFont(16), text, inner.width()));
    p.setPen(kNavy);
    p.drawText(inner, Qt::AlignCenter, text);
    return;
  }
  // The digit and the symbol side by side, the pair centred in the cell.
  p.setFont(TableFont(17));
  p.setPen(IsRedSuit(suit) ? kRed : Qt::black);
  const int digit_width = QFontMetrics(p.font()).horizontalAdvance(level);
  const int gap = 2;
  const int left = inner.center().x() + 1 - (digit_width + gap + kSymbolSize) / 2;
  p.drawText(QRect(left, inner.top(), digit_width, inner.height()), Qt::AlignCenter, level);
  const QRectF box(left + digit_width + gap, inner.center().y() + 1 - kSymbolSize / 2.0,
                   kSymbolSize, kSymbolSize);
  if (symbols_[suit].isNull()) {
    DrawSuit(p, suit, box.adjusted(1, 1, -1, -1));
  } else {
    p.drawImage(box.topLeft(), symbols_[suit]);
  }
}

void CallTableView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.fillRect(rect(), Ground());

  // Header: the compass pictures of the two columns.
  const QImage* pictures[] = {&north_, &south_};
  const QPoint places[] = {QPoint(6, 10), QPoint(55, 10)};
  for (int seat = 0; seat < 2; ++seat) {
    if (!pictures[seat]->isNull()) {
      p.drawImage(places[seat], *pictures[seat]);
      continue;
    }
    // Without the picture: a plain compass disc with its letter.
    const QPointF centre = places[seat] + QPointF(20, 20);
    p.setPen(QPen(QColor(230, 200, 110), 2.0));
    p.setBrush(QColor(24, 42, 104));
    p.drawEllipse(centre, 18, 18);
    p.setFont(TableFont(14));
    p.setPen(Qt::white);
    p.drawText(QRectF(centre.x() - 18, centre.y() - 18, 36, 36), Qt::AlignCenter,
               seat == 0 ? QStringLiteral("N") : QStringLiteral("S"));
  }

  const int first = FirstShownLine();
  for (int row = 0; row < kVisibleLines; ++row) {
    for (int seat = 1; seat <= 2; ++seat) {
      const QRect cell((seat - 1) * kColumnWidth, kHeaderBottom + row * kLineHeight, kColumnWidth,
                       kLineHeight);
      PaintCell(p, cell, table_.Cell(seat, first + row));
    }
  }

  // The grid in black: under the header, between lines, and the column rules.
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(Qt::black);
  p.drawLine(0, kHeaderBottom, width(), kHeaderBottom);
  for (int k = 1; k <= kVisibleLines; ++k) {
    const int y = kHeaderBottom - 1 + kLineHeight * k;
    p.drawLine(0, y, width(), y);
  }
  for (int x : {0, kColumnWidth, 2 * kColumnWidth}) p.drawLine(x, 0, x, height());
}

bool CallTableView::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const int column = help->pos().x() < kColumnWidth ? 0 : 1;
    if (names_[column].isEmpty()) {
      QToolTip::hideText();
      event->ignore();
    } else {
      QToolTip::showText(help->globalPos(), names_[column], this);
    }
    return true;
  }
  return QWidget::event(event);
}

}  // namespace quorvex
