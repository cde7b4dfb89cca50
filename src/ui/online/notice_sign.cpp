#include "ui/online/notice_sign.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

#include "locale/lang_text.h"
#include "ui/art/resource_library.h"

namespace quorvex {

NoticeSign::NoticeSign(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind) {
  resize(kSize);
  setCursor(Qt::PointingHandCursor);
  setToolTip(Caption());
  blink_.setInterval(500);
  connect(&blink_, &QTimer::timeout, this, &NoticeSign::Blink);
  hide();
}

void NoticeSign::SetShown(bool shown) {
  setVisible(shown);
  if (shown && !blink_.isActive()) blink_.start();
  if (!shown) blink_.stop();
}

QString NoticeSign::SirenPicture() const {
  return red_ ? QStringLiteral("GSirenaR") : QStringLiteral("GSirenaB");
}

void NoticeSign::Blink() {
  red_ = !red_;
  update();
}

QString NoticeSign::Caption() const {
  return QString::fromStdString(Text(kind_ == Kind::News ? Tx::ZefNews : Tx::ZefChat));
}

void NoticeSign::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  QImage picture, siren;
  const QRect picture_box((width() - 72) / 2, 4, 72, 72);
  if (LoadLibraryPicture(
          kind_ == Kind::News ? QStringLiteral("GNews072") : QStringLiteral("GChat072"), QString(),
          picture))
    p.drawImage(picture_box, picture);
  if (LoadLibraryPicture(SirenPicture(), QString(), siren))
    p.drawImage(QRect(width() - 30, 0, 28, 28), siren);

  // The caption on a small plate, readable over any background.
  QFont font = this->font();
  font.setBold(true);
  font.setPixelSize(13);
  p.setFont(font);
  const QString caption = Caption();
  const int text_width = QFontMetrics(font).horizontalAdvance(caption) + 10;
  const QRectF plate((width() - text_width) / 2.0, height() - 21, text_width, 19);
  p.setPen(QPen(QColor(120, 20, 20), 1));
  p.setBrush(QColor(255, 248, 220, 235));
  p.drawRoundedRect(plate, 6, 6);
  p.setPen(kind_ == Kind::News ? QColor(20, 50, 150) : QColor(170, 20, 20));
  p.drawText(plate, Qt::AlignCenter, caption);
}

void NoticeSign::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit clicked();
}

void NoticeSign::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) {
    setToolTip(Caption());
    update();
  }
  QWidget::changeEvent(event);
}

}  // namespace quorvex
