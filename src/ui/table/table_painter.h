// Paints the card table from the table model at the window's real size: the background, both
// hands, the plates, the panels, the stock, the chat lines, the move clocks and the table centre
// with the trick or the result. The panels, plates and frames are the game's own pictures; when
// one is missing its element is drawn with lines and gradients instead.
#pragma once

#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QString>

#include "settings/font_roles.h"
#include "settings/settings.h"
#include "ui/art/card_painter.h"
#include "ui/table/table_layout.h"
#include "ui/table/table_model.h"

class QFontMetrics;
class QPainter;

namespace quorvex {

// A chat line made to fit its line: characters are cut from its end, at most 12 of them, while
// it is wider than max_width; a line that lost characters ends in "...".
QString FitChatLine(const QString& text, const QFontMetrics& metrics, int max_width);

class TablePainter {
 public:
  // Both are the window's and outlive the painter; the layout may change between paints.
  // Starts with the built-in background and the pictures of the normal window.
  TablePainter(const CardPainter& cards, const TableLayout& layout);

  // Loads the table background chosen in the settings at the layout's client size and the
  // table's pictures for its window size, and takes the fonts of the settings' font roles. Call
  // it after the layout, the background or the fonts changed. A missing background library
  // shows its notice and sets the choice back in the settings (see LoadBackground).
  void Reload(Settings& settings);

  // The table background under everything, for any part of the client area.
  void PaintFelt(QPainter& painter, const QRect& area) const;
  // The main menu's background: the purple picture in the purple menu design.
  void PaintMenuFelt(QPainter& painter, const QRect& area) const;
  void PaintTable(QPainter& painter, const TableModel& model) const;

  // Individual elements, each within its own rectangle, the background painted first.
  void PaintHand(QPainter& painter, const HandModel& hand, int seat) const;
  void PaintPlate(QPainter& painter, const NamePlate& plate, int seat) const;
  void PaintPanel(QPainter& painter, const PanelModel& panel, int seat) const;
  void PaintDealPanel(QPainter& painter, const DealPanelModel& deal) const;
  void PaintStock(QPainter& painter, int cards_left) const;
  void PaintCentre(QPainter& painter, const TableModel& model) const;
  void PaintResult(QPainter& painter, const DealScore& score) const;
  void PaintChat(QPainter& painter, const ChatModel& chat) const;
  void PaintClock(QPainter& painter, int seat, int seconds) const;
  void PaintWaitText(QPainter& painter, const std::string& text) const;
  void PaintProgress(QPainter& painter, int percent) const;

  // The font of a name on its plate: the serif role, bold, at height 18, then 16 and 14 while
  // the name is wider than 150 design pixels.
  QFont PlateFont(const QString& name) const;
  // The font of the chat lines and the width a line may take before it is shortened.
  QFont ChatFont() const;
  int ChatLineWidth() const;
  // A seat's move clock: a square as high as its plate, 10 design pixels right of it.
  QRect ClockRect(int seat) const;

 private:
  struct Pictures {
    int window_size = 0;
    QSize client;
    QPixmap plate, north, south, pointing_hand, circle, stars[3];
    QPixmap tablo, zone, deal_frame, chat_frame, stock, timers[2], result;
  };

  // The pictures for the layout's window size, each made the size of its place.
  Pictures LoadPictures() const;
  // The pictures follow the layout even when the window has not called Reload yet.
  const Pictures& Current() const;
  QFont RoleFont(FontRole role, int height, bool bold) const;
  // A rectangle inside an element in the element's design units.
  QRect In(const QRect& element, int x, int y, int w, int h) const;
  void DrawPicture(QPainter& painter, const QRect& place, const QPixmap& picture) const;

  const CardPainter& cards_;
  const TableLayout& layout_;
  Settings fonts_;  // only the font roles are read
  QPixmap felt_;
  QPixmap menu_felt_;  // the purple menu's own picture, or the table's background
  mutable Pictures pictures_;
};

}  // namespace quorvex
