#include "ui/online/list_choice_button.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>
#include <QTimer>
#include <cmath>

namespace quorvex {
namespace {

constexpr int kMargin = 6;
constexpr int kPhases = 24;  // one pulse in 24 frames of 60 ms

// The picture in greys, its transparency kept: a category not open yet.
QImage Greyed(const QImage& picture) {
  QImage grey = picture.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < grey.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
    for (int x = 0; x < grey.width(); ++x) {
      const int g = qGray(line[x]);
      line[x] = qRgba(g, g, g, qAlpha(line[x]));
    }
  }
  return grey;
}

}  // namespace

ListChoiceButton::ListChoiceButton(const QImage& picture, QSize picture_size, Mark mark,
                                   QWidget* parent)
    : QWidget(parent), picture_(picture), picture_size_(picture_size), mark_(mark) {
  setFixedSize(picture_size + QSize(2 * kMargin, 2 * kMargin));
  setCursor(Qt::PointingHandCursor);
  timer_ = new QTimer(this);
  timer_->setInterval(60);
  connect(timer_, &QTimer::timeout, this, [this] {
    phase_ = (phase_ + 1) % kPhases;
    update();
  });
}

void ListChoiceButton::SetChosen(bool chosen) {
  chosen_ = chosen;
  phase_ = 0;
  if (chosen_ && mark_ == Mark::Animation && isEnabled()) {
    timer_->start();
  } else {
    timer_->stop();
  }
  update();
}

bool ListChoiceButton::Animating() const {
  return timer_->isActive();
}

void ListChoiceButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  const QRectF area = QRectF(rect()).adjusted(1, 1, -1, -1);
  QRectF target(QPointF(kMargin, kMargin), QSizeF(picture_size_));
  if (chosen_ && mark_ == Mark::Frame) {
    p.setPen(QPen(QColor(0x90, 0x10, 0x10), 2.5));
    p.setBrush(QColor(0xff, 0xf0, 0xc0));
    p.drawRoundedRect(area.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
  } else if (chosen_) {
    // A ring of light that breathes, and the medallion rising a little with it.
    const double wave = 0.5 - 0.5 * std::cos(2 * 3.14159265358979 * phase_ / kPhases);
    QRadialGradient glow(area.center(), area.width() / 2);
    glow.setColorAt(0.65, QColor(255, 230, 120, int(60 + 120 * wave)));
    glow.setColorAt(1, QColor(255, 230, 120, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(area);
    const double grow = 1.5 + 2.5 * wave;
    target.adjust(-grow, -grow, grow, grow);
  }
  if (!isEnabled()) p.setOpacity(0.35);
  if (!picture_.isNull()) {
    p.drawImage(target, isEnabled() ? picture_ : Greyed(picture_));
  }
}

void ListChoiceButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit clicked();
}

void ListChoiceButton::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange) SetChosen(chosen_);
  QWidget::changeEvent(event);
}

}  // namespace quorvex
