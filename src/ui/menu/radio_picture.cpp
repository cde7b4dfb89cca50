#include "ui/menu/radio_picture.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/media/radio_layout.h"
#include "ui/media/radio_set.h"

namespace quorvex {

QSize RadioPicture::DesignSize() {
  return radio_layout::kMenuPicture;
}

RadioPicture::RadioPicture(RadioSet& radio, QWidget* parent) : QWidget(parent), radio_(radio) {
  setCursor(Qt::PointingHandCursor);
  connect(&radio_, &RadioSet::changed, this, &RadioPicture::Refresh);
  Refresh();
}

void RadioPicture::Refresh() {
  setToolTip(radio_.Available() ? radio_.Hint() : QString());
  update();
}

void RadioPicture::paintEvent(QPaintEvent*) {
  const QImage picture = radio_.Picture(radio_.On() ? QStringLiteral("RRADIO_MENU_ON")
                                                    : QStringLiteral("RRADIO_MENU_OFF"));
  if (picture.isNull()) return;
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  // An unavailable radio shows faintly: it cannot be switched on.
  if (!radio_.Available()) p.setOpacity(0.4);
  p.drawImage(rect(), picture);
}

void RadioPicture::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    radio_.Toggle();
  } else {
    QWidget::mouseReleaseEvent(event);
  }
}

}  // namespace quorvex
