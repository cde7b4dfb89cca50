// A banner in the middle of the window while it is busy: the plate "AdvBar3" stretched to the
// banner's size with a red line of text over it, painted at once since the window thread is
// about to block.
#pragma once

#include <QImage>
#include <QString>
#include <QWidget>
#include <functional>

namespace quorvex {

// The banner as a picture: the plate stretched to `size`, clear where the plate is, and `text`
// centred over it in red, bold, `font_pixels` high. Both banners of the window are drawn from it.
QImage RenderPlateBanner(QSize size, const QString& text, int font_pixels);

class PlateBanner : public QWidget {
  Q_OBJECT

 public:
  // `text` gives the line in the current language at each paint.
  PlateBanner(QWidget* window, QSize size, std::function<QString()> text, int font_pixels);

  // Centres the banner in the window and paints it at once.
  void ShowNow();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::function<QString()> text_;
  int font_pixels_;
};

}  // namespace quorvex
