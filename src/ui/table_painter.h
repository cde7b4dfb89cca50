// Paints the card table from the table model: the felt, both hands, the plates, the panels,
// the stock and the table centre with the trick or the result.
#pragma once

#include <QPixmap>
#include <QRect>

#include "ui/card_painter.h"
#include "ui/table_layout.h"
#include "ui/table_model.h"

class QPainter;

namespace quorvex {

class TablePainter {
 public:
  // Both are the window's and outlive the painter; the layout may change between paints.
  TablePainter(const CardPainter& cards, const TableLayout& layout);

  // The green felt under everything, for any part of the client area.
  void PaintFelt(QPainter& painter, const QRect& area) const;
  void PaintTable(QPainter& painter, const TableModel& model) const;

  // Individual elements, each within its own design rectangle.
  void PaintHand(QPainter& painter, const HandModel& hand, int seat) const;
  void PaintPlate(QPainter& painter, const NamePlate& plate, int seat) const;
  void PaintPanel(QPainter& painter, const PanelModel& panel, int seat) const;
  void PaintDealPanel(QPainter& painter, const DealPanelModel& deal) const;
  void PaintStock(QPainter& painter, int cards_left) const;
  void PaintResult(QPainter& painter, const DealScore& score) const;
  void PaintWaitText(QPainter& painter, const std::string& text) const;
  void PaintProgress(QPainter& painter, int percent) const;

 private:
  static QPixmap MakeFelt();

  const CardPainter& cards_;
  const TableLayout& layout_;
  QPixmap felt_;
};

}  // namespace quorvex
