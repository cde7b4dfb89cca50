// The 175 x 40 banner "Creating a GIF..." shown in the middle of the window while a recording
// is written, since writing holds the window for a moment.
#pragma once

#include <QImage>
#include <QWidget>

namespace quorvex {

class GifBanner : public QWidget {
  Q_OBJECT

 public:
  static constexpr QSize kSize{175, 40};

  explicit GifBanner(QWidget* window);

  // Centres the banner in the window and paints it at once.
  void ShowNow();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage plate_;
};

}  // namespace quorvex
