#include "ui/dialogs/wait_window.h"

#include <QFont>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>

#include "locale/lang_text.h"
#include "settings/font_roles.h"
#include "ui/art/button_style.h"
#include "ui/art/zef_cards_button.h"
#include "ui/dialogs/dialog_design.h"

namespace quorvex {

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 300;

QString Qs(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

TFormWait::TFormWait(const Settings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
  setFixedSize(kWidth, kHeight);

  waiting_ = new QLabel(this);
  waiting_->setTextFormat(Qt::PlainText);
  waiting_->setWordWrap(true);
  waiting_->setGeometry(16, DialogHeaderHeight(settings_) + 10, kWidth - 32, 44);

  players_ = new QListWidget(this);
  players_->setSelectionMode(QAbstractItemView::NoSelection);
  players_->setFocusPolicy(Qt::NoFocus);
  players_->setGeometry(16, DialogHeaderHeight(settings_) + 60, kWidth - 32, 116);

  ok_ = NewDialogButton(QString(), this);
  cancel_ = NewDialogButton(QString(), this);
  ok_->setGeometry(kWidth / 2 - 130, kHeight - 46, 120, 32);
  cancel_->setGeometry(kWidth / 2 + 10, kHeight - 46, 120, 32);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

  StartWaiting(WaitRole::Server);
  ApplyDialogDesign(*this, settings_);
  ApplyButtonStyle(this, settings_);
}

void TFormWait::StartWaiting(WaitRole role) {
  role_ = role;
  players_->clear();
  ok_->setEnabled(false);
  cancel_->setEnabled(true);
  Recaption();
}

void TFormWait::AddPlayer(const QString& line) {
  players_->addItem(line);
}

QStringList TFormWait::Players() const {
  QStringList lines;
  for (int i = 0; i < players_->count(); ++i) lines << players_->item(i)->text();
  return lines;
}

void TFormWait::SetOkEnabled(bool enabled) {
  ok_->setEnabled(enabled);
}

void TFormWait::SetSettings(const Settings& settings) {
  settings_ = settings;
  ApplyButtonStyle(this, settings_);
  Recaption();
}

QString TFormWait::WaitingText() const {
  return waiting_->text();
}

void TFormWait::Recaption() {
  setWindowTitle(Qs(Text(Tx::NetworkGame)));
  waiting_->setText(
      Qs(Text(role_ == WaitRole::Server ? Tx::ExpectationOfConnection : Tx::ExpectationOfGame)));
  QFont font = waiting_->font();
  font.setFamily(QString::fromStdString(settings_.FontName[static_cast<int>(FontRole::Serif)]));
  font.setBold(true);
  font.setPixelSize(ScaledFontHeight(settings_, FontRole::Serif, 16));
  waiting_->setFont(font);
  ok_->setText(Qs(Text(Tx::Ok)));
  cancel_->setText(Qs(Text(Tx::Cancel)));
  update();
}

void TFormWait::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter painter(this);
  PaintDialogHeader(painter, width(), height(), Qs(Text(Tx::NetworkGame)), settings_);
}

}  // namespace quorvex
