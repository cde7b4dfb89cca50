#include "ui/table/table_painter.h"

#include <QFontMetrics>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "locale/lang_text.h"
#include "ui/art/background_loader.h"
#include "ui/art/resource_library.h"
#include "ui/art/suit_symbol.h"
#include "ui/table/table_geometry.h"

namespace quorvex {

namespace {
const QColor kMaroon(128, 0, 0);
const QColor kNavy(0, 0, 128);
const QColor kScoreRed(200, 24, 24);
const QColor kGameBlue(16, 48, 200);
const QColor kDoubleGreen(0, 128, 0);
const QColor kOlive(128, 128, 0);

// Places inside the elements, in design units of the element.
constexpr QRect kCompass{1, 1, 18, 18};
constexpr QRect kPointingHand{21, 1, 24, 18};
constexpr QRect kCircle{141, 1, 18, 18};
constexpr QRect kStar{143, 3, 14, 14};
constexpr QRect kZone{9, 50, 28, 32};
constexpr QRect kPile{5, 6, 90, 118};
constexpr QRect kStockBadge{28, 134, 44, 24};
constexpr int kSymbolSize = 20;
constexpr int kClockSize = 20;
constexpr int kClockGap = 10;

// How far a chat line is cut at most, and the room a line may take before it is cut.
constexpr int kChatMaxCut = 12;
constexpr int kChatLineWidth = 85;

QString Qs(const std::string& text) {
  return QString::fromUtf8(text.c_str(), qsizetype(text.size()));
}

QString Signed(int32_t value, bool plus) {
  return (plus ? QStringLiteral("+") : QString()) + QString::number(value);
}

// Draws in an element's own design units: the painter moved to the element and scaled with
// the window. The drawn stand-ins of missing pictures use it.
class DesignSpace {
 public:
  DesignSpace(QPainter& p, const QRect& element, double scale) : p_(p) {
    p_.save();
    p_.translate(element.topLeft());
    p_.scale(scale, scale);
    p_.setRenderHint(QPainter::Antialiasing);
  }
  ~DesignSpace() { p_.restore(); }
  DesignSpace(const DesignSpace&) = delete;
  DesignSpace& operator=(const DesignSpace&) = delete;

 private:
  QPainter& p_;
};

// A cream board with a rim: the stand-in of the panels, frames and the result.
void DrawBoard(QPainter& p, const QRectF& r, const QColor& rim) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 70));
  p.drawRoundedRect(r.translated(2, 3), 8, 8);
  QLinearGradient fill(r.topLeft(), r.bottomLeft());
  fill.setColorAt(0, QColor(255, 250, 232));
  fill.setColorAt(1, QColor(240, 226, 186));
  p.setPen(QPen(rim, 2.0));
  p.setBrush(fill);
  p.drawRoundedRect(r, 8, 8);
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

// A picture of the program's own, or of the "...Sm"/"...Bg" pair by the window size, made the
// size of its place: as it is when it already has that size, else resampled smoothly.
QPixmap Picture(const QString& name, QSize place) {
  QImage image;
  if (!LoadLibraryPicture(name, QString(), image) || image.isNull() || place.isEmpty())
    return QPixmap();
  if (image.size() != place)
    image = image.scaled(place, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return QPixmap::fromImage(image);
}

QString SizedName(const char* base, bool big) {
  return QLatin1String(base) + (big ? QStringLiteral("Bg") : QStringLiteral("Sm"));
}

// The drawn green cloth that stands in when there is no background picture: a radial light
// with a faint fixed grain so the surface does not look flat.
QPixmap DrawnFelt(QSize size) {
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

void DrawShadowedText(QPainter& p, const QRect& r, int flags, const QString& text,
                      const QColor& color, const QColor& shadow, int offset) {
  p.setPen(shadow);
  p.drawText(r.translated(offset, offset), flags, text);
  p.setPen(color);
  p.drawText(r, flags, text);
}

const QColor& SenderColour(int sender) {
  static const QColor colours[] = {Qt::black, kMaroon, kNavy, kDoubleGreen, kOlive};
  return colours[sender >= 1 && sender <= 4 ? sender : 0];
}
}  // namespace

QString FitChatLine(const QString& text, const QFontMetrics& metrics, int max_width) {
  QString line = text;
  int cut = 0;
  while (cut < kChatMaxCut && !line.isEmpty() && metrics.horizontalAdvance(line) > max_width) {
    line.chop(1);
    ++cut;
  }
  return cut > 0 ? line + QStringLiteral("...") : line;
}

TablePainter::TablePainter(const CardPainter& cards, const TableLayout& layout)
    : cards_(cards), layout_(layout) {
  Settings defaults;
  Reload(defaults);
}

void TablePainter::Reload(Settings& settings) {
  fonts_.FontName = settings.FontName;
  fonts_.FontScale = settings.FontScale;
  const QSize client = layout_.ClientSize();
  QImage background;
  // The purple table design stands on the purple picture of the graphics library.
  LoadBackground(settings, settings.TableDesign == 1, layout_.WindowSize(), client, background);
  if (!background.isNull()) {
    felt_ = QPixmap::fromImage(background);
  } else if (settings.Background == 0) {
    // No background chosen: the window's own silver.
    felt_ = QPixmap(client);
    felt_.fill(QColor(192, 192, 192));
  } else {
    felt_ = DrawnFelt(client);
  }
  menu_felt_ = felt_;
  if (settings.MenuDesign == 1 && settings.TableDesign != 1) {
    QImage purple;
    if (LoadBackground(settings, true, layout_.WindowSize(), client, purple) && !purple.isNull())
      menu_felt_ = QPixmap::fromImage(purple);
  }
  pictures_ = LoadPictures();
}

TablePainter::Pictures TablePainter::LoadPictures() const {
  Pictures pics;
  pics.window_size = layout_.WindowSize();
  pics.client = layout_.ClientSize();
  const bool big = layout_.BigPictures();
  const QSize plate = layout_.Plate(1).size();
  pics.plate = Picture(QStringLiteral("SPYellow"), plate);
  const auto size = [this](const QRect& r) {
    return QSize(layout_.Size(r.width()), layout_.Size(r.height()));
  };
  pics.north = Picture(QStringLiteral("GNorth"), size(kCompass));
  pics.south = Picture(QStringLiteral("GSouth"), size(kCompass));
  pics.pointing_hand = Picture(QStringLiteral("Hand_Right"), size(kPointingHand));
  pics.circle = Picture(QStringLiteral("Circle"), size(kCircle));
  const char* const stars[] = {"ZvezdaBSm", "ZvezdaRSm", "ZvezdaVSm"};
  for (int i = 0; i < 3; ++i) pics.stars[i] = Picture(QLatin1String(stars[i]), size(kStar));
  pics.tablo = Picture(SizedName("Tablo", big), layout_.Panel(1).size());
  pics.zone = Picture(QStringLiteral("ZoneZ"), size(kZone));
  pics.deal_frame = Picture(SizedName("RamkaEB", big), layout_.DealPanel().size());
  pics.chat_frame = Picture(SizedName("RamkaER", big), layout_.ChatHistory().size());
  pics.stock =
      Picture(big ? QStringLiteral("GKolodaSmallB") : QStringLiteral("GKolodaSmall"), size(kPile));
  pics.timers[0] = Picture(QStringLiteral("GTimerY"), ClockRect(1).size());
  pics.timers[1] = Picture(QStringLiteral("GTimerR"), ClockRect(1).size());
  pics.result = Picture(QStringLiteral("Itog"), layout_.Result().size());
  return pics;
}

const TablePainter::Pictures& TablePainter::Current() const {
  if (pictures_.window_size != layout_.WindowSize() || pictures_.client != layout_.ClientSize())
    pictures_ = LoadPictures();
  return pictures_;
}

QFont TablePainter::RoleFont(FontRole role, int height, bool bold) const {
  QFont font(QString::fromStdString(fonts_.FontName[static_cast<int>(role)]));
  font.setPixelSize(std::max(1, layout_.Size(ScaledFontHeight(fonts_, role, height))));
  font.setBold(bold);
  return font;
}

QRect TablePainter::In(const QRect& element, int x, int y, int w, int h) const {
  return QRect(layout_.Inside(element, QPoint(x, y)), QSize(layout_.Size(w), layout_.Size(h)));
}

void TablePainter::DrawPicture(QPainter& p, const QRect& place, const QPixmap& picture) const {
  if (picture.size() == place.size()) {
    p.drawPixmap(place.topLeft(), picture);
  } else {
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawPixmap(place, picture);
    p.restore();
  }
}

QFont TablePainter::PlateFont(const QString& name) const {
  QFont font = RoleFont(FontRole::Serif, 18, true);
  const int room = layout_.Size(150);
  for (int height : {16, 14}) {
    if (QFontMetrics(font).horizontalAdvance(name) <= room) break;
    font = RoleFont(FontRole::Serif, height, true);
  }
  return font;
}

QFont TablePainter::ChatFont() const {
  return RoleFont(FontRole::Serif, 14, false);
}

int TablePainter::ChatLineWidth() const {
  return layout_.Size(kChatLineWidth);
}

QRect TablePainter::ClockRect(int seat) const {
  const QRect plate = table::PlateRect(seat);
  return layout_.Place(
      QRect(plate.right() + 1 + kClockGap, plate.top(), kClockSize, plate.height()));
}

void TablePainter::PaintFelt(QPainter& painter, const QRect& area) const {
  const QSize client = layout_.ClientSize();
  if (felt_.size() == client) {
    painter.drawPixmap(area, felt_, area);
    return;
  }
  // A background of another size (the window changed without a reload) is stretched.
  const double sx = felt_.width() / double(client.width());
  const double sy = felt_.height() / double(client.height());
  const QRectF source(area.x() * sx, area.y() * sy, area.width() * sx, area.height() * sy);
  painter.drawPixmap(QRectF(area), felt_, source);
}

void TablePainter::PaintMenuFelt(QPainter& painter, const QRect& area) const {
  if (menu_felt_.size() == layout_.ClientSize()) {
    painter.drawPixmap(area, menu_felt_, area);
  } else {
    PaintFelt(painter, area);
  }
}

void TablePainter::PaintTable(QPainter& painter, const TableModel& model) const {
  for (int seat = 1; seat <= 2; ++seat)
    if (model.panels[seat].shown) PaintPanel(painter, model.panels[seat], seat);
  if (model.deal.shown) PaintDealPanel(painter, model.deal);
  for (int seat = 1; seat <= 2; ++seat) {
    if (model.plate_shown[seat]) PaintPlate(painter, model.plates[seat], seat);
    if (model.clocks[seat]) PaintClock(painter, seat, *model.clocks[seat]);
  }
  if (model.stock >= 0) PaintStock(painter, model.stock);
  if (model.chat.shown) PaintChat(painter, model.chat);
  PaintCentre(painter, model);
  for (int seat = 1; seat <= 2; ++seat) PaintHand(painter, model.hands[seat], seat);
  if (!model.wait_text.empty()) PaintWaitText(painter, model.wait_text);
  if (model.progress >= 0) PaintProgress(painter, model.progress);
}

void TablePainter::PaintHand(QPainter& painter, const HandModel& hand, int seat) const {
  const int top = layout_.Hand(seat).top();
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
  const Pictures& pics = Current();
  const QRect r = layout_.Plate(seat);
  const double scale = layout_.Scale().size.Value();
  PaintFelt(p, r);
  p.save();
  if (!pics.plate.isNull()) {
    DrawPicture(p, r, pics.plate);
  } else {
    const DesignSpace space(p, r, scale);
    QLinearGradient gold(0, 0, 0, 20);
    gold.setColorAt(0, QColor(246, 208, 96));
    gold.setColorAt(0.5, QColor(214, 160, 36));
    gold.setColorAt(1, QColor(160, 112, 16));
    p.setPen(QPen(QColor(96, 66, 8), 1.0));
    p.setBrush(gold);
    p.drawRoundedRect(QRectF(0.5, 0.5, 159, 19), 9, 9);
  }

  // The name, smaller while it is too wide for the plate, centred between the markers and kept
  // on the plate; a name wider than the room between the markers is narrowed a little.
  const QString name = Qs(plate.name).trimmed();
  const QFont font = PlateFont(name);
  const int free_left = (plate.to_move ? kPointingHand.right() : kCompass.right()) + 1;
  const int free_right =
      plate.star != PlateStar::None ? kCircle.left() : table::kUpperPlate.width();
  const int room = layout_.Size(free_right - free_left);
  const int full_width = QFontMetrics(font).horizontalAdvance(name);
  const double narrow =
      full_width > room ? std::max(0.8, room / static_cast<double>(full_width)) : 1.0;
  const int width = static_cast<int>(std::ceil(full_width * narrow));
  const int middle = r.left() + layout_.Size((free_left + free_right) / 2);
  const int left = std::max(r.left(), std::min(middle - width / 2, r.right() + 1 - width));
  p.save();
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setFont(font);
  p.translate(left, r.top());
  p.scale(narrow, 1.0);
  DrawShadowedText(p, QRect(0, 0, full_width, r.height()), Qt::AlignCenter, name, Qt::white,
                   QColor(70, 44, 0, 200), std::max(1, layout_.Size(1)));
  p.restore();

  // The compass point at the left end, the pointing hand after it when this seat is to move.
  const QRect compass = In(r, kCompass.x(), kCompass.y(), kCompass.width(), kCompass.height());
  const QPixmap& point = plate.north ? pics.north : pics.south;
  if (!point.isNull()) {
    DrawPicture(p, compass, point);
  } else {
    const DesignSpace space(p, r, scale);
    p.setPen(QPen(QColor(230, 230, 240), 1.0));
    p.setBrush(QColor(24, 42, 104));
    p.drawEllipse(QPointF(10, 10), 8, 8);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(10);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(2, 2, 16, 16), Qt::AlignCenter,
               plate.north ? QStringLiteral("N") : QStringLiteral("S"));
  }
  if (plate.to_move) {
    const QRect hand =
        In(r, kPointingHand.x(), kPointingHand.y(), kPointingHand.width(), kPointingHand.height());
    if (!pics.pointing_hand.isNull()) {
      DrawPicture(p, hand, pics.pointing_hand);
    } else {
      const DesignSpace space(p, r, scale);
      QPainterPath arrow(QPointF(23, 4));
      arrow.lineTo(33, 10);
      arrow.lineTo(23, 16);
      arrow.closeSubpath();
      p.setPen(QPen(Qt::white, 1.2));
      p.setBrush(QColor(200, 20, 20));
      p.drawPath(arrow);
    }
  }

  // The star in its circle at the right end: the first player, then the declarer or defender.
  if (plate.star != PlateStar::None) {
    const int kind = plate.star == PlateStar::FirstPlayer ? 0
                     : plate.star == PlateStar::Declarer  ? 1
                                                          : 2;
    const QRect circle = In(r, kCircle.x(), kCircle.y(), kCircle.width(), kCircle.height());
    const QRect star = In(r, kStar.x(), kStar.y(), kStar.width(), kStar.height());
    if (!pics.circle.isNull() && !pics.stars[kind].isNull()) {
      DrawPicture(p, circle, pics.circle);
      DrawPicture(p, star, pics.stars[kind]);
    } else {
      const DesignSpace space(p, r, scale);
      p.setPen(QPen(QColor(96, 66, 8), 1.0));
      p.setBrush(QColor(255, 252, 240));
      p.drawEllipse(QPointF(150, 10), 8, 8);
      const QColor colours[] = {QColor(40, 90, 220), QColor(214, 24, 24), QColor(140, 50, 190)};
      p.setPen(Qt::NoPen);
      p.setBrush(colours[kind]);
      p.drawPath(Star(QPointF(150, 10.5), 7, 3));
    }
  }
  p.restore();
}

void TablePainter::PaintPanel(QPainter& p, const PanelModel& panel, int seat) const {
  const Pictures& pics = Current();
  const QRect r = layout_.Panel(seat);
  PaintFelt(p, r);
  p.save();
  if (!pics.tablo.isNull()) {
    DrawPicture(p, r, pics.tablo);
  } else {
    const DesignSpace space(p, r, layout_.Scale().size.Value());
    DrawBoard(p, QRectF(1, 1, 152, 92), QColor(122, 82, 48));
    p.setPen(QPen(QColor(196, 172, 128), 1.0));
    p.drawLine(QPointF(9, 39.5), QPointF(145, 39.5));
    p.drawLine(QPointF(46.5, 47), QPointF(46.5, 85));
    p.drawLine(QPointF(94.5, 47), QPointF(94.5, 85));
  }
  if (panel.vulnerable) {
    const QRect zone = In(r, kZone.x(), kZone.y(), kZone.width(), kZone.height());
    if (!pics.zone.isNull()) {
      DrawPicture(p, zone, pics.zone);
    } else {
      const DesignSpace space(p, r, layout_.Scale().size.Value());
      p.setPen(QPen(QColor(110, 10, 14), 1.0));
      p.setBrush(QColor(196, 20, 28));
      p.drawRoundedRect(QRectF(kZone).adjusted(1, 1, -1, -1), 4, 4);
    }
  }

  p.setRenderHint(QPainter::TextAntialiasing);
  if (panel.score) {
    p.setFont(RoleFont(FontRole::Decor, 26, false));
    p.setPen(kScoreRed);
    p.drawText(In(r, 0, 1, 155, 37), Qt::AlignCenter, Signed(*panel.score, *panel.score > 0));
  }
  if (panel.tricks) {
    p.setFont(RoleFont(FontRole::Decor, 24, true));
    p.setPen(kNavy);
    p.drawText(In(r, 47, 41, 47, 50), Qt::AlignCenter, QString::number(*panel.tricks));
  }
  if (panel.second) {
    p.setFont(RoleFont(FontRole::Decor, 18, false));
    p.setPen(kMaroon);
    p.drawText(In(r, 95, 41, 58, 50), Qt::AlignCenter, Signed(*panel.second, *panel.second > 13));
  }
  p.restore();
}

void TablePainter::PaintDealPanel(QPainter& p, const DealPanelModel& deal) const {
  const Pictures& pics = Current();
  const QRect r = layout_.DealPanel();
  PaintFelt(p, r);
  p.save();
  if (!pics.deal_frame.isNull()) {
    DrawPicture(p, r, pics.deal_frame);
  } else {
    const DesignSpace space(p, r, layout_.Scale().size.Value());
    DrawBoard(p, QRectF(1, 1, 127, 87), QColor(40, 60, 130));
  }
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setFont(RoleFont(FontRole::Serif, 16, true));
  p.setPen(kGameBlue);
  p.drawText(In(r, 0, 8, 130, 20), Qt::AlignCenter,
             Qs(Text(Tx::Game)) + QLatin1Char(' ') + QString::number(deal.deal_count));

  if (deal.has_contract) {
    const int suit = SuitIndex(deal.trump);
    const QColor colour = suit < 0 ? kNavy : IsRedSuit(suit) ? QColor(200, 0, 0) : Qt::black;
    const QString level = QString::number(deal.level);
    const QFont big = RoleFont(FontRole::Serif, 30, true);
    const QFont label = RoleFont(FontRole::Serif, 22, true);
    const QString no_trump = Qs(Text(Tx::NoTrumpLabel));
    const int level_w = QFontMetrics(big).horizontalAdvance(level);
    const int gap = layout_.Size(4);
    const int mark_w =
        suit < 0 ? QFontMetrics(label).horizontalAdvance(no_trump) : layout_.Size(kSymbolSize);
    const QRect line = In(r, 0, 28, 130, 34);
    const int left = line.center().x() - (level_w + gap + mark_w) / 2;
    p.setFont(big);
    p.setPen(colour);
    p.drawText(QRect(left, line.top(), level_w, line.height()), Qt::AlignLeft | Qt::AlignVCenter,
               level);
    const int mark_left = left + level_w + gap;
    if (suit < 0) {
      p.setFont(label);
      p.drawText(QRect(mark_left, line.top(), mark_w, line.height()),
                 Qt::AlignLeft | Qt::AlignVCenter, no_trump);
    } else {
      const int side = layout_.Size(kSymbolSize);
      const QRect box(mark_left, line.center().y() - side / 2 + 1, side, side);
      const QImage& small = cards_.Images().Symbol(suit);
      const QImage& large = cards_.Images().BigSymbol(suit);
      const QImage& symbol = layout_.BigPictures() && !large.isNull() ? large : small;
      if (!symbol.isNull()) {
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(box, symbol);
      } else {
        p.setRenderHint(QPainter::Antialiasing);
        DrawSuit(p, suit, box);
      }
    }
    if (deal.doubling > 0) {
      p.setFont(RoleFont(FontRole::Serif, 14, true));
      p.setPen(kDoubleGreen);
      p.drawText(In(r, 0, 62, 130, 18), Qt::AlignCenter,
                 Qs(Text(deal.doubling == 2 ? Tx::Redouble : Tx::Double)));
    }
  }
  p.restore();
}

void TablePainter::PaintStock(QPainter& p, int cards_left) const {
  const Pictures& pics = Current();
  const QRect r = layout_.Stock();
  PaintFelt(p, r);
  if (cards_left <= 0) return;
  const QRect pile = In(r, kPile.x(), kPile.y(), kPile.width(), kPile.height());
  if (!pics.stock.isNull()) {
    DrawPicture(p, pile, pics.stock);
    // The pile's top card shows the deal's back, the one the drawn cards fly with.
    const QImage& back = cards_.Images().Back(cards_.Images().BackNumber(), false);
    if (!back.isNull()) {
      const QRect top = In(r, kPile.x() + 4, kPile.y() + 4, 69, 94);
      p.save();
      p.setRenderHint(QPainter::Antialiasing);
      p.setRenderHint(QPainter::SmoothPixmapTransform);
      QPainterPath corner;
      corner.addRoundedRect(QRectF(top), layout_.Size(4), layout_.Size(4));
      p.setClipPath(corner);
      p.drawImage(top, back);
      p.restore();
    }
  } else {
    const int layers = std::min(4, 1 + (cards_left - 1) / 6);
    const int step = layout_.Size(2);
    const QPoint at = layout_.Inside(r, QPoint(6, 7));
    for (int i = layers - 1; i >= 0; --i) cards_.DrawBack(p, at + QPoint(step * i, step * i));
  }

  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  const QRect badge =
      In(r, kStockBadge.x(), kStockBadge.y(), kStockBadge.width(), kStockBadge.height());
  p.setPen(QPen(QColor(255, 255, 255, 110), 1.0));
  p.setBrush(QColor(0, 0, 0, 120));
  p.drawRoundedRect(QRectF(badge).adjusted(0.5, 0.5, -0.5, -0.5), badge.height() / 2.0,
                    badge.height() / 2.0);
  p.setFont(RoleFont(FontRole::Serif, 16, true));
  p.setPen(Qt::white);
  p.drawText(badge, Qt::AlignCenter, QString::number(cards_left));
  p.restore();
}

void TablePainter::PaintCentre(QPainter& p, const TableModel& model) const {
  PaintFelt(p, layout_.Centre());
  for (int seat = 1; seat <= 2; ++seat)
    if (!model.trick[seat].Empty())
      cards_.DrawFace(p, layout_.TrickCard(seat).topLeft(), model.trick[seat]);
  if (model.result) PaintResult(p, *model.result);
}

void TablePainter::PaintResult(QPainter& p, const DealScore& score) const {
  const Pictures& pics = Current();
  const QRect r = layout_.Result();
  p.save();
  if (!pics.result.isNull()) {
    DrawPicture(p, r, pics.result);
  } else {
    const DesignSpace space(p, r, layout_.Scale().size.Value());
    DrawBoard(p, QRectF(0.5, 0.5, 179, 124), kMaroon);
    p.setPen(QPen(kMaroon, 1.0));
    p.drawLine(QPointF(16, 90.5), QPointF(164, 90.5));
  }
  p.setRenderHint(QPainter::TextAntialiasing);
  const Tx labels[] = {Tx::Contract, Tx::Prize, Tx::Robin, Tx::Fine, Tx::Result};
  const int32_t values[] = {score.parts.contract, score.parts.premium, score.parts.overtricks,
                            score.parts.penalty};
  p.setPen(kMaroon);
  for (int row = 0; row < 5; ++row) {
    const int top = 12 + 20 * row;
    p.setFont(RoleFont(FontRole::Serif, 14, row == 4));
    p.drawText(In(r, 18, top, 120, 18), Qt::AlignLeft | Qt::AlignVCenter, Qs(Text(labels[row])));
    // The numbers end in one column so their digits line up inside the panel.
    const QString value = row < 4
                              ? QString::number(values[row])
                              : (score.favours_seat2 ? QStringLiteral("+") : QStringLiteral("-")) +
                                    QString::number(score.points);
    p.drawText(In(r, 60, top, 102, 18), Qt::AlignRight | Qt::AlignVCenter, value);
  }
  p.restore();
}

void TablePainter::PaintChat(QPainter& p, const ChatModel& chat) const {
  const Pictures& pics = Current();
  const QRect r = layout_.ChatHistory();
  PaintFelt(p, r);
  p.save();
  if (!pics.chat_frame.isNull()) {
    DrawPicture(p, r, pics.chat_frame);
  } else {
    const DesignSpace space(p, r, layout_.Scale().size.Value());
    DrawBoard(p, QRectF(1, 1, 127, 87), QColor(128, 24, 24));
  }
  p.setRenderHint(QPainter::TextAntialiasing);
  const QFont font = ChatFont();
  const QFontMetrics metrics(font);
  p.setFont(font);
  for (int line = 1; line <= 4; ++line) {
    const ChatLine& chat_line = chat.lines[line - 1];
    if (chat_line.text.empty()) continue;
    p.setPen(SenderColour(chat_line.sender));
    // A line still too wide after its cut ends in "..." at the frame's rim rather than in
    // half a letter.
    const QRect place = In(r, 20, 14 * line + 3, 104, 14);
    QString text = FitChatLine(Qs(chat_line.text), metrics, ChatLineWidth());
    if (metrics.horizontalAdvance(text) > place.width()) {
      QString kept = text.endsWith(QStringLiteral("...")) ? text.chopped(3) : text;
      while (!kept.isEmpty() &&
             metrics.horizontalAdvance(kept + QStringLiteral("...")) > place.width())
        kept.chop(1);
      text = kept + QStringLiteral("...");
    }
    p.drawText(place, Qt::AlignLeft | Qt::AlignVCenter, text);
  }
  p.restore();
}

void TablePainter::PaintClock(QPainter& p, int seat, int seconds) const {
  const Pictures& pics = Current();
  const QRect r = ClockRect(seat);
  PaintFelt(p, r);
  const bool urgent = seconds < 8;
  p.save();
  const QPixmap& picture = pics.timers[urgent ? 1 : 0];
  if (!picture.isNull()) {
    DrawPicture(p, r, picture);
  } else {
    const DesignSpace space(p, r, layout_.Scale().size.Value());
    p.setPen(QPen(QColor(60, 40, 20), 1.2));
    p.setBrush(urgent ? QColor(210, 40, 30) : QColor(250, 220, 80));
    p.drawRoundedRect(QRectF(1, 1, 18, 18), 4, 4);
  }
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setFont(RoleFont(FontRole::Serif, 18, true));
  p.setPen(urgent ? QColor(255, 255, 0) : QColor(255, 0, 0));
  p.drawText(r.adjusted(-r.width(), 0, r.width(), 0), Qt::AlignCenter, QString::number(seconds));
  p.restore();
}

void TablePainter::PaintWaitText(QPainter& p, const std::string& text) const {
  p.save();
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setFont(RoleFont(FontRole::Serif, 16, true));
  DrawShadowedText(p, layout_.Place(table::kUpperHand), Qt::AlignCenter, Qs(text), Qt::white,
                   QColor(0, 0, 0, 150), std::max(1, layout_.Size(1)));
  p.restore();
}

void TablePainter::PaintProgress(QPainter& p, int percent) const {
  const QRect r = layout_.ProgressBar();
  const int done = static_cast<int>(std::lround(r.width() * std::clamp(percent, 0, 100) / 100.0));
  p.save();
  p.setPen(Qt::NoPen);
  p.fillRect(r, QColor(255, 255, 200));
  p.fillRect(QRect(r.left(), r.top(), done, r.height()), QColor(255, 200, 200));
  p.setPen(kMaroon);
  p.setBrush(Qt::NoBrush);
  p.drawRect(r.adjusted(0, 0, -1, -1));
  p.setRenderHint(QPainter::TextAntialiasing);
  // The table's font, as the result panel writes in.
  p.setFont(RoleFont(FontRole::Serif, 16, false));
  p.setPen(Qt::red);
  p.drawText(r, Qt::AlignCenter, QString::number(percent) + QLatin1Char('%'));
  p.restore();
}

}  // namespace quorvex
