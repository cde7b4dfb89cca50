#include "ui/dialogs/designed_dialog.h"

#include <QPainter>

#include "ui/art/button_style.h"

namespace quorvex {

DesignedDialog::DesignedDialog(const Settings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings), design_(DesignOf(settings)) {}

int DesignedDialog::HeaderHeight() const {
  return DialogHeaderHeight(design_);
}

QColor DesignedDialog::TextColour() const {
  return design_ == DialogDesign::Purple ? QColor(Qt::white) : QColor(Qt::black);
}

void DesignedDialog::FinishDesign() {
  ApplyButtonStyle(this, settings_);
  ApplyDialogDesign(*this, settings_);
}

void DesignedDialog::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter painter(this);
  PaintDialogHeader(painter, width(), height(), caption_.isEmpty() ? windowTitle() : caption_,
                    settings_, design_);
}

}  // namespace quorvex
