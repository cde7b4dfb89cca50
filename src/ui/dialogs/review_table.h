// The review window's table: the felt with both hands face up as they stand at the chosen step,
// the trick on the table, the names and the tricks won; at the auction, the forecast in the
// middle.
#pragma once

#include <QString>
#include <QWidget>
#include <optional>

#include "game/deal_replay.h"

namespace quorvex {

class CardPainter;

class ReviewTable : public QWidget {
  Q_OBJECT

 public:
  ReviewTable(const CardPainter& cards, QWidget* parent = nullptr);

  void SetNames(const QString& upper, const QString& lower);
  void SetStep(const ReplayStep& step);
  // The lines drawn in the middle at the auction; none once the play has begun.
  void SetMiddleText(const QStringList& lines);

  static constexpr int kWidth = 560;
  static constexpr int kHeight = 430;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void PaintHand(QPainter& p, int seat, int y) const;

  const CardPainter& cards_;
  QString names_[3];
  ReplayStep step_;
  QStringList middle_;
};

}  // namespace quorvex
