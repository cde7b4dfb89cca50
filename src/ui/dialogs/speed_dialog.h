// "Choice of speed": a track bar 1..6 for the pace of the flying cards, stored at once, with a
// small card that runs to and fro at the chosen pace.
#pragma once

#include <QDialog>
#include <QTimer>

#include "settings/settings.h"

class QLabel;
class QSlider;

namespace quorvex {

class DesignIcon;

class TZefCardsButton;

class TFormSpeed : public QDialog {
  Q_OBJECT

 public:
  TFormSpeed(Settings& settings, QWidget* parent = nullptr);

  // The preview's step by speed 1..6, in milliseconds.
  static int PreviewInterval(int speed);

  QSlider* Track() const { return track_; }
  const QTimer& PreviewTimer() const { return timer_; }
  TZefCardsButton* OkButton() const { return ok_; }
  const DesignIcon& Icon() const { return *icon_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Settings& settings_;
  QSlider* track_ = nullptr;
  QLabel* prompt_ = nullptr;
  TZefCardsButton* ok_ = nullptr;
  DesignIcon* icon_ = nullptr;
  QTimer timer_;
  int position_ = 0;
  int direction_ = 1;
};

}  // namespace quorvex
