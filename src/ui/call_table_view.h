// The bidding dialog's table of calls: two columns, seat 1 left and seat 2 right, the last six
// lines that hold calls.
#pragma once

#include <QString>
#include <QWidget>

#include "opponent/auction_table.h"

namespace quorvex {

class CallTableView : public QWidget {
  Q_OBJECT

 public:
  explicit CallTableView(QWidget* parent = nullptr);

  void SetTable(const AuctionTable& table);
  // Names under the compass points of the two columns.
  void SetNames(const QString& seat1, const QString& seat2);
  // First of the six lines shown.
  int FirstShownLine() const;

  static constexpr int kVisibleLines = 6;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void PaintCell(QPainter& painter, const QRect& cell, int code) const;

  AuctionTable table_;
  QString names_[2];
};

}  // namespace quorvex
