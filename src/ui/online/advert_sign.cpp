#include "ui/online/advert_sign.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

#include "locale/lang_text.h"
#include "ui/art/resource_library.h"

namespace quorvex {

AdvertSign::AdvertSign(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind) {
  resize(kSize);
  setCursor(Qt::PointingHandCursor);
  UpdateHint();
}

QString AdvertSign::PictureName() const {
  return kind_ == Kind::OtherGames ? QStringLiteral("GAdvGames") : QStringLiteral("GAdvSupport");
}

void AdvertSign::UpdateHint() {
  setToolTip(Caption());
  update();
}

QString AdvertSign::Caption() const {
  return QString::fromStdString(Text(kind_ == Kind::OtherGames ? Tx::OtherGames : Tx::SupportUs));
}

void AdvertSign::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  QImage picture;
  if (LoadLibraryPicture(PictureName(), QString(), picture)) p.drawImage(rect(), picture);
  // The caption in the player's language along the picture's foot.
  QFont font = this->font();
  font.setBold(true);
  font.setPixelSize(12);
  p.setFont(font);
  const QRectF band(4, height() - 19, width() - 8, 16);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(20, 30, 60, 170));
  p.drawRoundedRect(band, 5, 5);
  p.setPen(Qt::white);
  p.drawText(band, Qt::AlignCenter,
             QFontMetrics(font).elidedText(Caption(), Qt::ElideRight, int(band.width()) - 4));
}

void AdvertSign::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit clicked();
}

void AdvertSign::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) UpdateHint();
  QWidget::changeEvent(event);
}

}  // namespace quorvex
