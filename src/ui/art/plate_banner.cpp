#include "ui/art/plate_banner.h"

#include <QPainter>
#include <algorithm>

#include "ui/art/resource_library.h"

namespace quorvex {

QImage RenderPlateBanner(QSize size, const QString& text, int font_pixels) {
  QImage banner(size, QImage::Format_ARGB32_Premultiplied);
  banner.fill(Qt::transparent);
  if (banner.isNull()) return banner;
  QImage plate;
  LoadLibraryPicture(QStringLiteral("AdvBar3"), QString(), plate);
  QPainter painter(&banner);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const QRect area(QPoint(0, 0), size);
  if (!plate.isNull()) {
    painter.drawImage(area, plate);
  } else {
    // The plate is the program's own; should it be missing the text still stands on a plate.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(250, 240, 210));
    painter.setPen(QPen(QColor(128, 96, 32), 1));
    painter.drawRoundedRect(QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
  }
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setBold(true);
  font.setPixelSize(std::max(1, font_pixels));
  painter.setFont(font);
  painter.setPen(Qt::red);
  painter.drawText(area, Qt::AlignCenter, text);
  return banner;
}

PlateBanner::PlateBanner(QWidget* window, QSize size, std::function<QString()> text,
                         int font_pixels)
    : QWidget(window), text_(std::move(text)), font_pixels_(font_pixels) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFixedSize(size);
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
  painter.drawImage(0, 0, RenderPlateBanner(size(), text_ ? text_() : QString(), font_pixels_));
}

}  // namespace quorvex
