#include "ui/dialogs/speed_dialog.h"

#include <QLabel>
#include <QPainter>
#include <QSlider>

#include "locale/lang_text.h"
#include "ui/art/button_style.h"
#include "ui/art/zef_cards_button.h"
#include "ui/dialogs/design_icon.h"
#include "ui/dialogs/dialog_design.h"

namespace quorvex {
namespace {

QString Qs(const std::string& text) {
  return QString::fromUtf8(text.c_str());
}

constexpr int kWidth = 360;
constexpr int kHeight = 250;
constexpr QRect kLane{30, 150, 300, 30};

}  // namespace

int TFormSpeed::PreviewInterval(int speed) {
  static constexpr int kIntervals[] = {110, 95, 80, 65, 40, 25};
  return kIntervals[std::clamp(speed, 1, 6) - 1];
}

TFormSpeed::TFormSpeed(Settings& settings, QWidget* parent) : QDialog(parent), settings_(settings) {
  setWindowTitle(Qs(Text(Tx::ChoiceOfSpeed)));
  setFixedSize(kWidth, kHeight);

  prompt_ = new QLabel(Qs(Text(Tx::SelectFlightSpeed)), this);
  prompt_->setGeometry(30, DialogHeaderHeight(settings_) + 6, kWidth - 60, 20);
  track_ = new QSlider(Qt::Horizontal, this);
  track_->setRange(1, 6);
  track_->setTickPosition(QSlider::TicksBelow);
  track_->setTickInterval(1);
  track_->setPageStep(1);
  track_->setGeometry(30, DialogHeaderHeight(settings_) + 30, kWidth - 60, 30);
  track_->setValue(std::clamp(settings_.Speed, 1, 6));
  for (int speed = 1; speed <= 6; ++speed) {
    auto* label = new QLabel(QString::number(speed), this);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(30 + (speed - 1) * (kWidth - 60 - 10) / 5 - 5,
                       DialogHeaderHeight(settings_) + 58, 20, 14);
  }
  ok_ = new TZefCardsButton(Qs(Text(Tx::Ok)), this);
  ok_->SetScheme(ColorSB::DGreen);
  ok_->SetLightFont(true);
  ok_->setGeometry((kWidth - 100) / 2, kHeight - 42, 100, 30);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(track_, &QSlider::valueChanged, this, [this](int speed) {
    settings_.Speed = speed;
    timer_.setInterval(PreviewInterval(speed));
  });
  timer_.setInterval(PreviewInterval(track_->value()));
  connect(&timer_, &QTimer::timeout, this, [this] {
    position_ += direction_ * 6;
    if (position_ <= 0 || position_ >= kLane.width() - 22) direction_ = -direction_;
    update(kLane.adjusted(-2, -2, 2, 2));
  });
  timer_.start();
  icon_ = new DesignIcon(QStringLiteral("GIcon48Speed"), QPoint(16, 16), this);
  icon_->SetRunning(DesignOf(settings_) == DialogDesign::Purple);
  ApplyDialogDesign(*this, settings_);
  ApplyButtonStyle(this, settings_);
}

void TFormSpeed::paintEvent(QPaintEvent*) {
  QPainter p(this);
  PaintDialogHeader(p, width(), height(), windowTitle(), settings_);
  icon_->Paint(p);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QColor(120, 120, 120));
  p.setBrush(QColor(20, 100, 50));
  p.drawRoundedRect(kLane, 6, 6);
  // A small card back runs along the lane at the chosen pace.
  const QRect card(kLane.left() + std::clamp(position_, 0, kLane.width() - 22), kLane.top() + 3, 20,
                   kLane.height() - 6);
  p.setPen(QColor(40, 40, 40));
  p.setBrush(QColor(40, 60, 150));
  p.drawRoundedRect(card, 3, 3);
}

}  // namespace quorvex
