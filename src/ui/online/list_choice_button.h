// A picture that chooses a list or category of the world top ten. In the grey designs the chosen
// one is framed; in the purple design it pulses with a glowing ring.
#pragma once

#include <QImage>
#include <QWidget>

class QTimer;

namespace quorvex {

class ListChoiceButton : public QWidget {
  Q_OBJECT

 public:
  enum class Mark { Frame, Animation };

  ListChoiceButton(const QImage& picture, QSize picture_size, Mark mark, QWidget* parent);

  void SetChosen(bool chosen);
  bool Chosen() const { return chosen_; }
  bool Animating() const;

 signals:
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  QImage picture_;
  QSize picture_size_;
  Mark mark_;
  bool chosen_ = false;
  int phase_ = 0;
  QTimer* timer_ = nullptr;
};

}  // namespace quorvex
