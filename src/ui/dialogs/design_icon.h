// The animated icon a purple window turns in its header corner ("GIcon48Opt", "GIcon48Speed"
// from the graphics library), one frame per 60 ms step. Without the picture nothing is drawn.
#pragma once

#include <QImage>
#include <QObject>
#include <QPoint>
#include <QTimer>
#include <vector>

class QPainter;
class QWidget;

namespace quorvex {

class DesignIcon : public QObject {
  Q_OBJECT

 public:
  // `window` is repainted where the icon stands at every step.
  DesignIcon(const QString& name, QPoint at, QWidget* window);

  // Runs while shown; a window in another design stops it.
  void SetRunning(bool running);
  bool Running() const { return timer_.isActive(); }
  int Frames() const { return int(frames_.size()); }
  void Paint(QPainter& painter) const;

 private:
  std::vector<QImage> frames_;
  QPoint at_;
  QWidget* window_;
  QTimer timer_;
  size_t frame_ = 0;
};

}  // namespace quorvex
