#include "ui/art/plate_banner.h"

#include <QPainter>

#include "ui/art/resource_library.h"

namespace quorvex {

PlateBanner::PlateBanner(QWidget* window, QSize size, std::function<QString()> text,
                         int font_pixels)
    : QWidget(window), text_(std::move(text)), font_pixels_(font_pixels) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFixedSize(size);
  LoadLibraryPicture(QStringLiteral("AdvBar3"), QString(), plate_);
  hide();
}

void PlateBanner::ShowNow() {
  const QWidget* window = parentWidget();
  move(window->width() / 2 - width() / 2, window->height() / 2 - height() / 2);
  raise();
  show();
  repaint();
}

void PlateBanner::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  if (!plate_.isNull()) {
    painter.drawImage(rect(), plate_);
  } else {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(250, 240, 210));
    painter.setPen(QPen(QColor(128, 96, 32), 1));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
  }
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setBold(true);
  font.setPixelSize(font_pixels_);
  painter.setFont(font);
  painter.setPen(Qt::red);
  painter.drawText(rect(), Qt::AlignCenter, text_ ? text_() : QString());
}

}  // namespace quorvex
