// The main menu's radio: a small set, lit while the radio plays. A click switches the radio on
// or off; the hint names the station ("Radio: <station>").
#pragma once

#include <QWidget>

namespace quorvex {

class RadioSet;

class RadioPicture : public QWidget {
  Q_OBJECT

 public:
  // The design size it is drawn for; the menu places it scaled.
  static QSize DesignSize();

  explicit RadioPicture(RadioSet& radio, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void Refresh();

  RadioSet& radio_;
};

}  // namespace quorvex
