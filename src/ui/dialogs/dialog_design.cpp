#include "ui/dialogs/dialog_design.h"

#include "art/library_rules.h"
#include "ui/art/resource_library.h"

#include "ui/art/zef_cards_button.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QWidget>
#include <algorithm>

#include "locale/lang_text.h"
#include "locale/languages.h"
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

DialogDesign DesignOf(const Settings& settings) {
  if (settings.DialogPicture) {
    // The purple window needs the graphics library; without it the window is grey.
    const ResourceLibrary library(QString::fromLatin1(kGraphicsLibrary));
    return library.IsOpen() ? DialogDesign::Purple : DialogDesign::Aristocratic;
  }
  if (settings.DialogStyle == 1) return DialogDesign::Concise;
  if (settings.DialogStyle == 3) return DialogDesign::Ribbons;
  return DialogDesign::Aristocratic;
}

int DialogHeaderHeight(const Settings& settings) {
  return DialogHeaderHeight(DesignOf(settings));
}

int DialogHeaderHeight(DialogDesign design) {
  switch (design) {
    case DialogDesign::Concise:
      return 48;
    case DialogDesign::Ribbons:
      return 90;
    case DialogDesign::Purple:
      return 80;
    case DialogDesign::Aristocratic:
      break;
  }
  return kAristocraticHeaderHeight;
}

void ApplyDialogDesign(QWidget& window, const Settings& settings) {
  if (DesignOf(settings) != DialogDesign::Purple) {
    ApplyGreyDesign(window);
    return;
  }
  QPalette palette = window.palette();
  palette.setColor(QPalette::Window, QColor(110, 60, 160));
  palette.setColor(QPalette::WindowText, Qt::white);
  palette.setColor(QPalette::Base, StoredColour(kDarkEditBackground));
  palette.setColor(QPalette::Text, Qt::white);
  window.setPalette(palette);
  window.setAutoFillBackground(true);
  // The purple design's buttons are in the cards colours with gold text.
  for (TZefCardsButton* button : window.findChildren<TZefCardsButton*>()) {
    button->SetScheme(ColorSB::DCards);
    button->SetColorMouse(StoredColour(kDarkButtonText));
  }
}

void PaintDialogHeader(QPainter& painter, int client_width, int client_height,
                       const QString& caption, const Settings& settings) {
  PaintDialogHeader(painter, client_width, client_height, caption, settings, DesignOf(settings));
}

void PaintDialogHeader(QPainter& painter, int client_width, int client_height,
                       const QString& caption, const Settings& settings, DialogDesign design) {
  if (design == DialogDesign::Aristocratic) {
    PaintAristocraticHeader(painter, client_width, caption, settings);
    return;
  }
  painter.save();
  QFont font(QString::fromStdString(settings.FontName[static_cast<int>(FontRole::Serif)]));
  font.setBold(true);
  font.setPixelSize(
      ScaledFontHeight(settings, FontRole::Serif, design == DialogDesign::Concise ? 26 : 32));
  const QString text = design == DialogDesign::Concise ? caption : caption.toUpper();
  while (font.pixelSize() > 12 && QFontMetrics(font).horizontalAdvance(text) > client_width - 40)
    font.setPixelSize(font.pixelSize() - 2);
  painter.setFont(font);
  const int height = DialogHeaderHeight(design);
  const QFontMetrics metrics(font);
  const int top = (height - metrics.height()) / 2;
  if (design == DialogDesign::Concise) {
    QLinearGradient band(0, 0, 0, height);
    band.setColorAt(0, QColor(90, 90, 96));
    band.setColorAt(1, QColor(50, 50, 56));
    painter.fillRect(QRect(0, 0, client_width, height), band);
    DrawShadowText(text, 0, client_width, 'c', Qt::white, painter, top);
  } else {
    const QString library = QString::fromLatin1(kGraphicsLibrary);
    QImage picture;
    JpegPicture form;
    if (design == DialogDesign::Purple &&
        LoadLibraryPicture(QStringLiteral("GFormOpt"), library, form)) {
      painter.drawImage(QRect(0, 0, client_width, client_height), form.image);
    }
    if (design == DialogDesign::Ribbons &&
        LoadLibraryPicture(QStringLiteral("GLenta280x090"), library, picture)) {
      painter.drawImage(QRect(0, 0, client_width, height), picture);
    }
    DrawShadowText(text, 0, client_width, 'c', QColor(255, 255, 0), painter, top);
  }
  painter.restore();
}

void PaintLanguageFlag(QPainter& painter, int client_width, DialogDesign design) {
  QImage flag;
  if (!LoadLibraryPicture(QString::fromStdString(OptionsFlagPicture(CurrentLanguage())), QString(),
                          flag))
    return;
  QRect place;
  if (design == DialogDesign::Purple) {
    place = QRect(client_width - 100 - 25, 22, 100, 68);
  } else {
    const int header = DialogHeaderHeight(design);
    const int height = std::min(header - 14, 44);
    const int width = height * flag.width() / std::max(1, flag.height());
    place = QRect(client_width - width - 14, (header - height) / 2, width, height);
  }
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(place, flag);
  painter.setPen(QColor(60, 60, 60, 160));
  painter.drawRect(place.adjusted(0, 0, -1, -1));
  painter.restore();
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
