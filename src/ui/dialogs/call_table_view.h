// The bidding dialog's table of calls: two columns, seat 1 left and seat 2 right, under the
// pictures of North and South; six lines of calls, the last six once the auction is longer.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <array>

#include "opponent/auction_table.h"
#include "settings/settings.h"

namespace quorvex {

class CallTableView : public QWidget {
  Q_OBJECT

 public:
  explicit CallTableView(QWidget* parent = nullptr);

  void SetTable(const AuctionTable& table);
  // The players' names, shown as each column's tooltip.
  void SetNames(const QString& seat1, const QString& seat2);
  // Lavender under the calls in the card style, the button face otherwise.
  void SetCardStyle(bool on);
  // The suit symbols of the card design, suit 0 hearts .. 3 spades, on a clear ground.
  void SetSymbols(const std::array<QImage, 4>& symbols);
  // The table font is the "serif" role of these settings.
  void SetFonts(const Settings& settings);
  // First of the six lines shown.
  int FirstShownLine() const;
  QColor Ground() const;

  static constexpr int kVisibleLines = 6;
  static constexpr QColor kLavender{200, 180, 250};

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void PaintCell(QPainter& painter, const QRect& cell, int code) const;
  QFont TableFont(int nominal_height) const;

  AuctionTable table_;
  QString names_[2];
  bool card_style_ = false;
  std::array<QImage, 4> symbols_;
  Settings fonts_;
  QImage north_, south_;
};

}  // namespace quorvex
