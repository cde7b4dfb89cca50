// The small panel that chooses the tournament ranking: "Score", "Rating" or "Games".
#pragma once

#include <QWidget>
#include <array>

#include "online/tournament_records.h"

class QRadioButton;

namespace quorvex {

class TourKindPanel : public QWidget {
  Q_OBJECT

 public:
  TourKindPanel(TourKind kind, const QColor& text, QWidget* parent);

  TourKind Kind() const { return kind_; }
  // The option of a kind, as the player clicks it.
  QRadioButton* Option(TourKind kind) const;

 signals:
  void KindChosen(quorvex::TourKind kind);

 private:
  TourKind kind_;
  std::array<QRadioButton*, 3> options_{};
};

}  // namespace quorvex
