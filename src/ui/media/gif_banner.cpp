#include "ui/media/gif_banner.h"

#include <QPainter>

#include "locale/lang_text.h"

namespace quorvex {

GifBanner::GifBanner(QWidget* window) : QWidget(window) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFixedSize(kSize);
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
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF plate = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  QLinearGradient shade(plate.topLeft(), plate.bottomLeft());
  shade.setColorAt(0, QColor(255, 250, 232));
  shade.setColorAt(1, QColor(226, 214, 178));
  painter.setBrush(shade);
  painter.setPen(QPen(QColor(128, 96, 32), 1));
  painter.drawRoundedRect(plate, 6, 6);

  QFont font = this->font();
  font.setBold(true);
  font.setPixelSize(16);
  painter.setFont(font);
  painter.setPen(Qt::red);
  painter.drawText(rect(), Qt::AlignCenter, QString::fromStdString(Text(Tx::CreatingGif)));
}

}  // namespace quorvex
