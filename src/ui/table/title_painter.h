// The title picture and the main menu's backdrop at the window's real size. The title is the
// game's own picture covering the client area, with a row of suits that bob and a blinking line
// while the 20 ms timer runs; the menu shows the game's name, the suit row and a fan of cards.
// Without the picture the title is drawn like the menu.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>
#include <QTransform>

#include "game/table_view.h"
#include "ui/art/card_painter.h"
#include "ui/table/table_layout.h"

class QPainter;

namespace quorvex {

class TitlePainter {
 public:
  TitlePainter(const CardPainter& cards, const TableLayout& layout)
      : cards_(cards), layout_(layout) {}

  // Paints over the felt; frame counts the animation ticks.
  // The menu leaves out the suit row and the fan when the club list stands over them.
  void Paint(QPainter& painter, Screen screen, int frame, const QString& footer,
             bool menu_decorations = true) const;
  // The menu's title banner (in place of the drawn name) and the club's banner under the club
  // list; null pictures leave them out.
  void SetMenuBanners(QImage title, QImage club) {
    title_banner_ = std::move(title);
    club_banner_ = std::move(club);
  }
  // Where they lie on the 760 x 500 design table.
  static constexpr QRect kTitleBannerRect{180, 12, 400, 70};
  static constexpr QRect kClubBannerRect{205, 410, 350, 40};

  // The part of the picture that changes from one frame to the next, at the window's real size.
  QRect AnimatedArea(Screen screen) const;
  // Where the two pictures beside the club list stand in the window (left, right).
  QRect MenuPictureRect(int which) const;

 private:
  // The title picture at the client size: "GTitleSm" as it is in the normal window, "GTitleBg"
  // stretched at the other sizes; loaded again when the window size changes. Null when missing.
  const QPixmap& TitlePicture() const;
  void PaintMenuPictures(QPainter& painter) const;
  // Design units of the 760 x 500 client area to the real window: scaled by the size factor
  // and centred.
  QTransform DesignToClient() const;
  void PaintLogo(QPainter& painter, const QRect& area, int pixels) const;
  void PaintSuitRow(QPainter& painter, int top, int frame) const;
  void PaintFan(QPainter& painter, QPoint pivot, double scale) const;

  const CardPainter& cards_;
  const TableLayout& layout_;
  QImage title_banner_;
  QImage club_banner_;
  mutable QPixmap title_;
  mutable QImage menu_pictures_[2];
  mutable bool menu_pictures_loaded_ = false;
  mutable int title_window_size_ = 0;
  mutable QSize title_client_;
};

}  // namespace quorvex
