// The touch effect: a short ripple played once where a button was clicked, from the animation
// "GTouch" of the purple picture library. Without that library there is simply no ripple.
#pragma once

#include <QPoint>
#include <QWidget>

class QMovie;

namespace quorvex {

class TouchEffect : public QWidget {
  Q_OBJECT

 public:
  // Plays the ripple over `window`, centred at `centre` (window coordinates), and removes itself
  // when it has run once. Returns null when the animation is not to be had.
  static TouchEffect* Play(QWidget* window, QPoint centre);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TouchEffect(QWidget* window, QMovie* movie);
  void FrameShown(int frame);

  QMovie* movie_;
};

}  // namespace quorvex
