#include "ui/table_painter.h"

#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "locale/lang_text.h"
#include "settings/settings.h"
#include "ui/background_loader.h"
#include "ui/suit_symbol.h"
#include "ui/table_geometry.h"

namespace quorvex {

namespace {
const QColor kMaroon(128, 0, 0);
const QColor kNavy(0, 0, 128);
const QColor kScoreRed(200, 24, 24);
const QColor kGameBlue(16, 48, 200);
const QColor kDoubleGreen(0, 128, 40);

QString Qs(const std::string& text) {
  return QString::fromUtf8(text.c_str(), qsizetype(text.size()));
}

QFont Font(const char* family, int pixels, bool bold, bool italic = false) {
  QFont font(QString::fromLatin1(family));
  font.setPixelSize(pixels);
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

// A cream board with a wooden rim: the trick-count panels, the deal panel and the result share it.
void DrawBoard(QPainter& p, const QRectF& r, const QColor& rim) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 70));
  p.drawRoundedRect(r.translated(2, 3), 8, 8);
  QLinearGradient fill(r.topLeft(), r.bottomLeft());
  fill.setColorAt(0, QColor(255, 250, 232));
  fill.setColorAt(1, QColor(240, 226, 186));
  p.setPen(QPen(rim, 2.0));
  p.setBrush(fill);
  p.drawRoundedRect(r, 8, 8);
  p.restore();
}

void DrawShadowedText(QPainter& p, const QRectF& r, int flags, const QString& text,
                      const QColor& color) {
  p.setPen(QColor(0, 0, 0, 150));
  p.drawText(r.translated(1, 1), flags, text);
  p.setPen(color);
  p.drawText(r, flags, text);
}

QPainterPath Star(QPointF c, double outer, double inner) {
  QPainterPath path;
  for (int i = 0; i < 10; ++i) {
    const double radius = i % 2 == 0 ? outer : inner;
    const double angle = -M_PI / 2 + i * M_PI / 5;
    const QPointF point(c.x() + radius * std::cos(angle), c.y() + radius * std::sin(angle));
    if (i == 0) {
      path.moveTo(point);
    } else {
      path.lineTo(point);
    }
  }
  path.closeSubpath();
  return path;
}

QString Signed(int32_t value, bool plus) {
  return (plus ? QStringLiteral("+") : QString()) + QString::number(value);
}
}  // namespace

TablePainter::TablePainter(const CardPainter& cards, const TableLayout& layout)
    : cards_(cards), layout_(layout), felt_(MakeFelt()) {}

QPixmap TablePainter::MakeFelt() {
  // The table's background picture; the drawn felt below stands in when there is none.
  Settings settings;
  QImage background;
  LoadBackground(settings, false, 1, table::kClientSize, background);
  if (!background.isNull()) return QPixmap::fromImage(background);
  // A radial light on green cloth, with a faint fixed grain so the surface does not look flat.
  const QSize size = table::kClientSize;
  QImage image(size, QImage::Format_RGB32);
  const double cx = size.width() / 2.0, cy = size.height() * 0.46;
  const double reach = std::hypot(cx, cy) * 1.05;
  uint32_t seed = 12345;
  for (int y = 0; y < size.height(); ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < size.width(); ++x) {
      const double t = std::min(1.0, std::hypot(x - cx, y - cy) / reach);
      const double light = 1.0 - t * t;
      seed = seed * 1664525u + 1013904223u;
      const int grain = static_cast<int>((seed >> 24) % 9) - 4;
      const int r = static_cast<int>(18 + 26 * light) + grain;
      const int g = static_cast<int>(78 + 66 * light) + grain;
      const int b = static_cast<int>(46 + 34 * light) + grain;
      line[x] = qRgb(std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255));
    }
  }
  return QPixmap::fromImage(image);
}

void TablePainter::PaintFelt(QPainter& painter, const QRect& area) const {
  painter.drawPixmap(area, felt_, area);
}

void TablePainter::PaintTable(QPainter& painter, const TableModel& model) const {
  for (int seat = 1; seat <= 2; ++seat)
    if (model.panels[seat].shown) PaintPanel(painter, model.panels[seat], seat);
  if (model.deal.shown) PaintDealPanel(painter, model.deal);
  for (int seat = 1; seat <= 2; ++seat)
    if (model.plate_shown[seat]) PaintPlate(painter, model.plates[seat], seat);
  if (model.stock > 0) PaintStock(painter, model.stock);
  for (int seat = 1; seat <= 2; ++seat)
    if (!model.trick[seat].Empty())
      cards_.DrawFace(painter, table::TrickCardRect(seat).topLeft(), model.trick[seat]);
  if (model.result) PaintResult(painter, *model.result);
  for (int seat = 1; seat <= 2; ++seat) PaintHand(painter, model.hands[seat], seat);
  if (!model.wait_text.empty()) PaintWaitText(painter, model.wait_text);
  if (model.progress >= 0) PaintProgress(painter, model.progress);
}

void TablePainter::PaintHand(QPainter& painter, const HandModel& hand, int seat) const {
  const int top = table::HandRect(seat).top();
  for (size_t i = 0; i < hand.cards.size() && i < hand.lefts.size(); ++i) {
    if (hand.cards[i].Empty()) continue;
    const QPoint at(hand.lefts[i], top);
    if (hand.face_up) {
      cards_.DrawFace(painter, at, hand.cards[i]);
    } else {
      cards_.DrawBack(painter, at);
    }
  }
}

void TablePainter::PaintPlate(QPainter& p, const NamePlate& plate, int seat) const {
  const QRectF r = QRectF(table::PlateRect(seat)).adjusted(0.5, 0.5, -0.5, -0.5);
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  QLinearGradient gold(r.topLeft(), r.bottomLeft());
  gold.setColorAt(0, QColor(246, 208, 96));
  gold.setColorAt(0.5, QColor(214, 160, 36));
  gold.setColorAt(1, QColor(160, 112, 16));
  p.setPen(QPen(QColor(96, 66, 8), 1.0));
  p.setBrush(gold);
  p.drawRoundedRect(r, 9, 9);

  // Compass point at the left end, then the pointing mark when this seat is to move.
  const QPointF compass(r.left() + 10, r.center().y());
  p.setPen(QPen(QColor(230, 230, 240), 1.0));
  p.setBrush(QColor(24, 42, 104));
  p.drawEllipse(compass, 8, 8);
  p.setFont(Font("DejaVu Sans", 10, true));
  p.setPen(Qt::white);
  p.drawText(QRectF(compass.x() - 8, compass.y() - 8, 16, 16), Qt::AlignCenter,
             plate.north ? QStringLiteral("N") : QStringLiteral("S"));
  if (plate.to_move) {
    const double x = r.left() + 21, y = r.center().y();
    QPainterPath arrow(QPointF(x, y - 6));
    arrow.lineTo(x + 10, y);
    arrow.lineTo(x, y + 6);
    arrow.closeSubpath();
    p.setPen(QPen(QColor(255, 255, 255), 1.2));
    p.setBrush(QColor(200, 20, 20));
    p.drawPath(arrow);
  }

  // The name, smaller while it is too wide for the plate.
  const QString name = Qs(plate.name);
  QFont font = Font("DejaVu Serif", 18, true);
  for (int pixels : {16, 14}) {
    if (QFontMetrics(font).horizontalAdvance(name) <= 150) break;
    font.setPixelSize(pixels);
  }
  p.setFont(font);
  DrawShadowedText(p, r, Qt::AlignCenter, name, Qt::white);

  if (plate.star != PlateStar::None) {
    const QPointF c(r.right() - 10, r.center().y());
    p.setPen(QPen(QColor(96, 66, 8), 1.0));
    p.setBrush(QColor(255, 252, 240));
    p.drawEllipse(c, 8, 8);
    const QColor color = plate.star == PlateStar::FirstPlayer ? QColor(230, 150, 0)
                         : plate.star == PlateStar::Declarer  ? QColor(210, 24, 24)
                                                              : QColor(40, 80, 210);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPath(Star(c + QPointF(0, 0.5), 7, 3));
  }
  p.restore();
}

void TablePainter::PaintPanel(QPainter& p, const PanelModel& panel, int seat) const {
  const QRectF r = QRectF(table::PanelRect(seat)).adjusted(1, 1, -2, -2);
  DrawBoard(p, r, QColor(122, 82, 48));
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setPen(QPen(QColor(196, 172, 128), 1.0));
  p.drawLine(QPointF(r.left() + 8, r.top() + 38.5), QPointF(r.right() - 8, r.top() + 38.5));
  p.drawLine(QPointF(r.left() + 45.5, r.top() + 46), QPointF(r.left() + 45.5, r.bottom() - 8));
  p.drawLine(QPointF(r.left() + 93.5, r.top() + 46), QPointF(r.left() + 93.5, r.bottom() - 8));

  const QRectF top(r.left(), r.top() + 1, r.width(), 37);
  const QRectF tricks(r.left() + 46, r.top() + 40, 48, r.height() - 42);
  const QRectF second(r.left() + 94, r.top() + 40, r.width() - 94, r.height() - 42);
  if (panel.score) {
    p.setFont(Font("DejaVu Serif", 26, true, true));
    p.setPen(kScoreRed);
    p.drawText(top, Qt::AlignCenter, Signed(*panel.score, *panel.score > 0));
  }
  if (panel.tricks) {
    p.setFont(Font("DejaVu Sans", 24, true));
    p.setPen(kNavy);
    p.drawText(tricks, Qt::AlignCenter, QString::number(*panel.tricks));
  }
  if (panel.second) {
    p.setFont(Font("DejaVu Sans", 18, false));
    p.setPen(kMaroon);
    p.drawText(second, Qt::AlignCenter, Signed(*panel.second, *panel.second > 13));
  }
  if (panel.vulnerable) {
    // The vulnerable side's zone mark: a red tag with white stripes.
    const QRectF tag(r.left() + 9, r.top() + 50, 28, 32);
    QPainterPath shape;
    shape.addRoundedRect(tag, 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(196, 20, 28));
    p.drawPath(shape);
    p.setClipPath(shape);
    p.setPen(QPen(QColor(255, 255, 255, 200), 3.0));
    for (int d = -40; d < 40; d += 9)
      p.drawLine(QPointF(tag.left() + d, tag.bottom()), QPointF(tag.left() + d + 32, tag.top()));
    p.setClipping(false);
    p.setPen(QPen(QColor(110, 10, 14), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(tag, 4, 4);
  }
  p.restore();
}

void TablePainter::PaintDealPanel(QPainter& p, const DealPanelModel& deal) const {
  const QRectF r = QRectF(table::kDealPanel).adjusted(1, 1, -2, -2);
  DrawBoard(p, r, QColor(40, 60, 130));
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setPen(QPen(QColor(200, 164, 80), 1.0));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(r.adjusted(4, 4, -4, -4), 5, 5);

  p.setFont(Font("DejaVu Sans", 14, true));
  p.setPen(kGameBlue);
  p.drawText(QRectF(r.left(), r.top() + 7, r.width(), 18), Qt::AlignCenter,
             Qs(Text(Tx::Game)) + QLatin1Char(' ') + QString::number(deal.deal_count));

  if (deal.has_contract) {
    const int suit = SuitIndex(deal.trump);
    const QColor color = suit < 0 ? kNavy : IsRedSuit(suit) ? QColor(200, 20, 30) : Qt::black;
    const QString level = QString::number(deal.level);
    const QFont big = Font("DejaVu Sans", 28, true);
    const QFont label = Font("DejaVu Sans", 22, true);
    const int level_w = QFontMetrics(big).horizontalAdvance(level);
    const int mark_w =
        suit < 0 ? QFontMetrics(label).horizontalAdvance(Qs(Text(Tx::NoTrumpLabel))) : 26;
    const double x = r.center().x() - (level_w + 4 + mark_w) / 2.0;
    const QRectF line(x, r.top() + 27, level_w, 34);
    p.setFont(big);
    p.setPen(color);
    p.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, level);
    const QRectF mark(x + level_w + 4, line.top() + 4, mark_w, 26);
    if (suit < 0) {
      p.setFont(label);
      p.drawText(mark.adjusted(0, -2, 0, 2), Qt::AlignLeft | Qt::AlignVCenter,
                 Qs(Text(Tx::NoTrumpLabel)));
    } else {
      DrawSuit(p, suit, mark);
    }
    if (deal.doubling > 0) {
      p.setFont(Font("DejaVu Sans", 13, true));
      p.setPen(kDoubleGreen);
      p.drawText(QRectF(r.left(), r.top() + 62, r.width(), 18), Qt::AlignCenter,
                 Qs(Text(deal.doubling == 2 ? Tx::Redouble : Tx::Double)));
    }
  }
  p.restore();
}

void TablePainter::PaintStock(QPainter& p, int cards_left) const {
  const QRect r = table::kStock;
  const int layers = std::min(4, 1 + (cards_left - 1) / 6);
  const int x = r.left() + (r.width() - table::kCardWidth) / 2 - 3;
  const int y = r.top() + 6;
  for (int i = layers - 1; i >= 0; --i) cards_.DrawBack(p, QPoint(x + 2 * i, y + 2 * i));

  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const QRectF badge(r.center().x() - 22, y + table::kCardHeight + 16, 44, 24);
  p.setPen(QPen(QColor(255, 255, 255, 90), 1.0));
  p.setBrush(QColor(0, 0, 0, 110));
  p.drawRoundedRect(badge, 12, 12);
  p.setFont(Font("DejaVu Sans", 16, true));
  p.setPen(Qt::white);
  p.drawText(badge, Qt::AlignCenter, QString::number(cards_left));
  p.restore();
}

void TablePainter::PaintResult(QPainter& p, const DealScore& score) const {
  const QRectF r = QRectF(table::ResultRect()).adjusted(0.5, 0.5, -0.5, -0.5);
  DrawBoard(p, r, kMaroon);
  p.save();
  p.setRenderHint(QPainter::TextAntialiasing);
  const Tx labels[] = {Tx::Contract, Tx::Prize, Tx::Robin, Tx::Fine, Tx::Result};
  const int32_t values[] = {score.parts.contract, score.parts.premium, score.parts.overtricks,
                            score.parts.penalty};
  p.setPen(kMaroon);
  for (int row = 0; row < 5; ++row) {
    const double top = r.top() + 12 + 20 * row;
    p.setFont(Font("DejaVu Sans", 14, row == 4));
    p.drawText(QRectF(r.left() + 18, top, 120, 18), Qt::AlignLeft | Qt::AlignVCenter,
               Qs(Text(labels[row])));
    // Numbers end in one column so their digits line up.
    const QString value = row < 4
                              ? QString::number(values[row])
                              : (score.favours_seat2 ? QStringLiteral("+") : QStringLiteral("-")) +
                                    QString::number(score.points);
    p.drawText(QRectF(r.left() + 60, top, 100, 18), Qt::AlignRight | Qt::AlignVCenter, value);
  }
  p.setPen(QPen(kMaroon, 1.0));
  p.drawLine(QPointF(r.left() + 16, r.top() + 90.5), QPointF(r.left() + 162, r.top() + 90.5));
  p.restore();
}

void TablePainter::PaintWaitText(QPainter& p, const std::string& text) const {
  p.save();
  p.setFont(Font("DejaVu Sans", 16, true));
  DrawShadowedText(p, table::kUpperHand, Qt::AlignCenter, Qs(text), Qt::white);
  p.restore();
}

void TablePainter::PaintProgress(QPainter& p, int percent) const {
  const QRect r = table::kProgressBar;
  const int done = static_cast<int>(std::lround(r.width() * std::clamp(percent, 0, 100) / 100.0));
  p.save();
  p.setPen(Qt::NoPen);
  p.fillRect(r, QColor(255, 255, 200));
  p.fillRect(QRect(r.left(), r.top(), done, r.height()), QColor(255, 200, 200));
  p.setPen(kMaroon);
  p.setBrush(Qt::NoBrush);
  p.drawRect(r.adjusted(0, 0, -1, -1));
  p.setFont(Font("DejaVu Sans", 12, true));
  p.setPen(Qt::red);
  p.drawText(r, Qt::AlignCenter, QString::number(percent) + QLatin1Char('%'));
  p.restore();
}

}  // namespace quorvex
