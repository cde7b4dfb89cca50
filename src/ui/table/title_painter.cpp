#include "ui/table/title_painter.h"

#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "ui/art/resource_library.h"
#include "ui/art/suit_symbol.h"
#include "ui/table/table_geometry.h"

namespace quorvex {

namespace {
// The suit row stands above the picture's fan of cards; on the drawn title between the name
// and the fan; in the menu under the name.
constexpr int kPictureSuitTop = 52;
constexpr int kDrawnSuitTop = 178;
constexpr int kMenuSuitTop = 112;
constexpr int kSuitSize = 26;
constexpr int kSuitStep = 40;
constexpr QRect kClickRect{180, 440, 400, 30};
constexpr QRect kVersionRect{600, 472, 150, 22};

QRect SuitRowRect(int top) {
  return QRect(380 - 2 * kSuitStep, top - 6, 4 * kSuitStep, kSuitSize + 12);
}
}  // namespace

QRect TitlePainter::AnimatedArea(Screen screen) const {
  QRect design;
  if (screen != Screen::Title) {
    design = SuitRowRect(kMenuSuitTop);
  } else {
    design =
        SuitRowRect(TitlePicture().isNull() ? kDrawnSuitTop : kPictureSuitTop).united(kClickRect);
  }
  return DesignToClient().mapRect(design).adjusted(-1, -1, 1, 1);
}

const QPixmap& TitlePainter::TitlePicture() const {
  const QSize client = layout_.ClientSize();
  if (title_window_size_ == layout_.WindowSize() && title_client_ == client) return title_;
  title_window_size_ = layout_.WindowSize();
  title_client_ = client;
  QImage picture;
  const QString name =
      layout_.BigPictures() ? QStringLiteral("GTitleBg") : QStringLiteral("GTitleSm");
  if (!LoadLibraryPicture(name, QString(), picture) || picture.isNull()) {
    title_ = QPixmap();
    return title_;
  }
  if (picture.size() != client)
    picture = picture.scaled(client, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  title_ = QPixmap::fromImage(picture);
  return title_;
}

QTransform TitlePainter::DesignToClient() const {
  const double s = layout_.Scale().size.Value();
  const QSize client = layout_.ClientSize();
  QTransform transform;
  transform.translate((client.width() - table::kClientSize.width() * s) / 2.0,
                      (client.height() - table::kClientSize.height() * s) / 2.0);
  transform.scale(s, s);
  return transform;
}

void TitlePainter::PaintLogo(QPainter& p, const QRect& area, int pixels) const {
  QFont font(QStringLiteral("DejaVu Serif"));
  font.setPixelSize(pixels);
  font.setBold(true);
  font.setItalic(true);
  QPainterPath text;
  const QString name = QStringLiteral("Quorvex");
  const int width = QFontMetrics(font).horizontalAdvance(name);
  text.addText(area.center().x() - width / 2.0, area.bottom() - pixels * 0.25, font, name);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 110));
  p.drawPath(text.translated(3, 4));
  QLinearGradient gold(0, area.top(), 0, area.bottom());
  gold.setColorAt(0, QColor(255, 236, 150));
  gold.setColorAt(0.55, QColor(226, 170, 40));
  gold.setColorAt(1, QColor(170, 110, 10));
  p.setPen(QPen(QColor(90, 56, 0), 1.5));
  p.setBrush(gold);
  p.drawPath(text);
}

void TitlePainter::PaintSuitRow(QPainter& p, int top, int frame) const {
  const int order[] = {3, 0, 1, 2};  // spades, hearts, diamonds, clubs
  for (int i = 0; i < 4; ++i) {
    const double bob = 4.0 * std::sin(frame * 0.08 + i * 0.9);
    const QRectF box(380 - 2 * kSuitStep + i * kSuitStep + (kSuitStep - kSuitSize) / 2.0, top + bob,
                     kSuitSize, kSuitSize);
    const int suit = order[i];
    DrawSuit(p, suit, box.translated(1.5, 2), QColor(0, 0, 0, 90));
    DrawSuit(p, suit, box, IsRedSuit(suit) ? QColor(236, 60, 60) : QColor(250, 248, 240));
  }
}

void TitlePainter::PaintFan(QPainter& p, QPoint pivot, double scale) const {
  const TCard fan[] = {{RankByte(9), kSpades},
                       {RankByte(10), kDiamonds},
                       {RankByte(11), kClubs},
                       {RankByte(12), kHearts},
                       {RankByte(13), kSpades}};
  // The faces are of the window's card size; the fan is laid out in design units.
  const QSizeF card(table::kCardWidth, table::kCardHeight);
  p.save();
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.setRenderHint(QPainter::Antialiasing);
  for (int i = 0; i < 5; ++i) {
    p.save();
    p.translate(pivot);
    p.rotate((i - 2) * 13.0);
    p.scale(scale, scale);
    const QPointF at(-card.width() / 2.0, -150);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawRoundedRect(QRectF(at + QPointF(2, 2), card), 5, 5);
    p.drawPixmap(QRectF(at, card), cards_.Face(fan[i]), QRectF());
    p.restore();
  }
  p.restore();
}

QRect TitlePainter::MenuPictureRect(int which) const {
  const double sx = layout_.Scale().x.Value();
  const double sy = layout_.Scale().y.Value();
  const double ss = layout_.Scale().size.Value();
  // Both keep the design's distance from the centred 760 x 500 area's edges.
  const int left =
      int(std::nearbyint((sx - 1) * 160 / 2)) + int(std::nearbyint(sx * (which == 0 ? 7 : 592)));
  const int top = int(std::nearbyint((sy - 1) * 200 / 2)) + int(std::nearbyint(sy * 290));
  return QRect(left, top, int(std::nearbyint(160 * ss)), int(std::nearbyint(200 * ss)));
}

void TitlePainter::PaintMenuPictures(QPainter& p) const {
  if (!menu_pictures_loaded_) {
    menu_pictures_loaded_ = true;
    LoadLibraryPicture(QStringLiteral("GMenuLeft"), QString(), menu_pictures_[0]);
    LoadLibraryPicture(QStringLiteral("GMenuRight"), QString(), menu_pictures_[1]);
  }
  p.save();
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  for (int which = 0; which < 2; ++which)
    if (!menu_pictures_[which].isNull()) p.drawImage(MenuPictureRect(which), menu_pictures_[which]);
  p.restore();
}

void TitlePainter::Paint(QPainter& p, Screen screen, int frame, const QString& footer,
                         bool menu_decorations) const {
  if (screen == Screen::Menu) PaintMenuPictures(p);
  p.save();
  const bool picture = screen == Screen::Title && !TitlePicture().isNull();
  if (picture) p.drawPixmap(0, 0, TitlePicture());
  p.setTransform(DesignToClient(), true);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  if (screen == Screen::Title) {
    if (!picture) {
      PaintLogo(p, QRect(0, 50, 760, 110), 96);
      PaintSuitRow(p, kDrawnSuitTop, frame);
      PaintFan(p, QPoint(380, 420), 1.15);
    } else {
      PaintSuitRow(p, kPictureSuitTop, frame);
    }
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(15);
    font.setItalic(true);
    p.setFont(font);
    const int alpha = 150 + static_cast<int>(100 * std::sin(frame * 0.06));
    p.setPen(QColor(0, 0, 0, alpha / 2));
    p.drawText(kClickRect.translated(1, 1), Qt::AlignCenter, footer);
    p.setPen(QColor(255, 255, 255, alpha));
    p.drawText(kClickRect, Qt::AlignCenter, footer);
    font.setItalic(false);
    font.setBold(true);
    font.setPixelSize(14);
    p.setFont(font);
    p.setPen(QColor(255, 244, 200));
    p.drawText(kVersionRect, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("V 5.7f"));
  } else {
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (title_banner_.isNull()) {
      PaintLogo(p, QRect(0, 14, 760, 88), 72);
    } else {
      p.drawImage(QRectF(kTitleBannerRect), title_banner_);
    }
    if (!menu_decorations && !club_banner_.isNull())
      p.drawImage(QRectF(kClubBannerRect), club_banner_);
    if (menu_decorations) {
      PaintSuitRow(p, kMenuSuitTop, frame);
      PaintFan(p, QPoint(380, 330), 0.9);
    }
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(14);
    p.setFont(font);
    p.setPen(QColor(235, 240, 230));
    p.drawText(QRect(0, 460, 760, 24), Qt::AlignCenter, footer);
  }
  p.restore();
}

}  // namespace quorvex
