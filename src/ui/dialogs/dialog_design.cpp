#include "ui/dialogs/dialog_design.h"

#include "ui/art/zef_cards_button.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QWidget>

#include "settings/font_roles.h"
#include "settings/settings.h"
#include "ui/art/own_pictures.h"
#include "ui/art/picture_helpers.h"

namespace quorvex {

QColor StoredColour(unsigned bgr) {
  return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

void ApplyGreyDesign(QWidget& window) {
  QPalette palette = window.palette();
  palette.setColor(QPalette::Window, palette.color(QPalette::Button));
  window.setPalette(palette);
  window.setAutoFillBackground(true);
}

void StyleDesignButton(QPushButton& button) {
  button.setStyleSheet(QStringLiteral(
      "QPushButton { background-color: #8b1a1a; color: white; border: 1px solid #4a0a0a;"
      " border-radius: 4px; padding: 4px 12px; font-weight: bold; }"
      "QPushButton:hover { color: yellow; }"
      "QPushButton:pressed { background-color: #6a1010; }"
      "QPushButton:disabled { background-color: #a08080; color: #e0d0d0; }"));
  button.setCursor(Qt::PointingHandCursor);
}

TZefCardsButton* NewDialogButton(const QString& text, QWidget* parent) {
  auto* button = new TZefCardsButton(text, parent);
  button->SetScheme(ColorSB::DRed);
  button->SetLightFont(true);
  button->SetColorMouse(Qt::yellow);
  button->SetGrayDis(true);
  button->setCursor(Qt::PointingHandCursor);
  return button;
}

void PaintAristocraticHeader(QPainter& painter, int client_width, const QString& caption,
                             const Settings& settings) {
  const QImage plate = OwnPicture(u"GCap300");
  const int plate_left = (client_width - plate.width()) / 2;
  painter.drawImage(plate_left, 0, plate);

  QFont font(QString::fromStdString(settings.FontName[static_cast<int>(FontRole::Serif)]));
  font.setBold(true);
  font.setPixelSize(ScaledFontHeight(settings, FontRole::Serif, 40));
  const QString text = caption.toUpper();
  // A long caption in a large font is made smaller rather than run off the plate.
  const int room = plate.width() - 24;
  while (font.pixelSize() > 12 && QFontMetrics(font).horizontalAdvance(text) > room)
    font.setPixelSize(font.pixelSize() - 2);
  painter.save();
  painter.setFont(font);
  const QFontMetrics metrics(font);
  const int top = (kAristocraticHeaderHeight - metrics.height()) / 2;
  DrawShadowText(text, plate_left, plate_left + plate.width(), 'c', QColor(255, 255, 0), painter,
                 top);
  painter.restore();
}

}  // namespace quorvex
