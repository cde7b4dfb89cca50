#include "ui/table/wait_banner.h"

#include <QEvent>
#include <QPainter>

#include "locale/lang_text.h"
#include "ui/art/resource_library.h"

namespace quorvex {

WaitBanner::WaitBanner(QWidget* window) : QWidget(window) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setFixedSize(kSize);
  LoadLibraryPicture(QStringLiteral("AdvBar3"), QString(), plate_);
  hide();
}

void WaitBanner::ShowNow() {
  const QWidget* window = parentWidget();
  move(window->width() / 2 - kSize.width() / 2, window->height() / 2 - kSize.height() / 2);
  raise();
  show();
  repaint();
}

void WaitBanner::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) update();
  QWidget::changeEvent(event);
}

void WaitBanner::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  if (!plate_.isNull()) {
    painter.drawImage(rect(), plate_);
  } else {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(250, 240, 210));
    painter.setPen(QPen(QColor(140, 90, 20), 2));
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 14, 14);
  }
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setBold(true);
  font.setPixelSize(22);
  painter.setFont(font);
  painter.setPen(Qt::red);
  painter.drawText(rect(), Qt::AlignCenter, QString::fromStdString(Text(Tx::PleaseWait)));
}

}  // namespace quorvex
