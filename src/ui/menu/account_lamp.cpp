#include "ui/menu/account_lamp.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

#include "locale/lang_text.h"
#include "ui/art/resource_library.h"

namespace quorvex {

AccountLamp::AccountLamp(QWidget* parent) : QWidget(parent) {
  setCursor(Qt::PointingHandCursor);
  UpdateHint();
}

QString AccountLamp::LampName(AccountState state) {
  switch (state) {
    case AccountState::LoggedIn:
      return QStringLiteral("LampY24");
    case AccountState::RatingGame:
      return QStringLiteral("LampG24");
    case AccountState::NotLoggedIn:
      break;
  }
  return QStringLiteral("LampR24");
}

void AccountLamp::SetState(AccountState state) {
  state_ = state;
  UpdateHint();
  update();
}

void AccountLamp::UpdateHint() {
  // One row per state, from "not logged in".
  setToolTip(QString::fromStdString(Text(Tx::AccountStates, static_cast<int>(state_) - 1)));
}

void AccountLamp::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  QImage account, lamp;
  // The picture takes the height; the lamp stands at its right, level with its lower half.
  const int side = height();
  if (LoadLibraryPicture(QStringLiteral("Account48"), QString(), account))
    p.drawImage(QRect(0, 0, side, side), account);
  if (LoadLibraryPicture(LampName(state_), QString(), lamp)) {
    const int lamp_side = side / 2;
    p.drawImage(QRect(side + 2, side - lamp_side, lamp_side, lamp_side), lamp);
  }
}

void AccountLamp::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit clicked();
}

void AccountLamp::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) UpdateHint();
  QWidget::changeEvent(event);
}

}  // namespace quorvex
