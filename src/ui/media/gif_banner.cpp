#include "ui/media/gif_banner.h"

#include <QPainter>

#include "locale/lang_text.h"
#include "ui/art/resource_library.h"

namespace quorvex {

GifBanner::GifBanner(QWidget* window) : QWidget(window) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFixedSize(kSize);
  // The banner's plate is the program's picture "AdvBar3".
  LoadLibraryPicture(QStringLiteral("AdvBar3"), QString(), plate_);
  hide();
}

void GifBanner::ShowNow() {
  const QWidget* window = parentWidget();
  move((window->width() - width()) / 2, (window->height() - height()) / 2);
  raise();
  show();
  repaint();
}

void GifBanner::paintEvent(QPaintEvent*) {
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
  QFont font = this->font();
  font.setBold(true);
  font.setPixelSize(16);
  painter.setFont(font);
  painter.setPen(Qt::red);
  painter.drawText(rect(), Qt::AlignCenter, QString::fromStdString(Text(Tx::CreatingGif)));
}

}  // namespace quorvex
