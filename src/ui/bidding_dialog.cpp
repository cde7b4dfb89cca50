#include "ui/bidding_dialog.h"

#include <QCloseEvent>
#include <QFrame>
#include <QPushButton>
#include <QTimer>

#include "game/controller.h"
#include "locale/lang_text.h"
#include "ui/call_table_view.h"
#include "ui/suit_symbol.h"

namespace quorvex {

namespace {
QString Qs(Tx text) {
  return QString::fromUtf8(Text(text).c_str());
}

QFont CaptionFont() {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(15);
  font.setBold(true);
  return font;
}

// The caption keeps its colour while enabled; disabled buttons grey out as usual.
void SetCaptionColor(QPushButton* button, const QColor& color) {
  QPalette palette = button->palette();
  palette.setColor(QPalette::Active, QPalette::ButtonText, color);
  palette.setColor(QPalette::Inactive, QPalette::ButtonText, color);
  button->setPalette(palette);
}
// Enter must never make a call by itself, so no button is the dialog's default.
QPushButton* MakeButton(QWidget* parent, const QRect& rect, const QString& text) {
  auto* button = new QPushButton(text, parent);
  button->setGeometry(rect);
  button->setFont(CaptionFont());
  button->setAutoDefault(false);
  return button;
}
}  // namespace

TFormTorg::TFormTorg(GameController& controller, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                          Qt::CustomizeWindowHint),
      controller_(controller) {
  setFixedSize(kWidth, kHeight);
  setModal(false);

  for (int code = 1; code <= 35; ++code) BuildBidButton(code);

  double_ = MakeButton(this, QRect(0, 245, 150, 35), {});
  SetCaptionColor(double_, QColor(128, 0, 128));
  connect(double_, &QPushButton::clicked, this, &TFormTorg::DoubleClicked);

  pass_ = MakeButton(this, QRect(149, 246, 150, 35), {});
  SetCaptionColor(pass_, QColor(0, 128, 128));
  connect(pass_, &QPushButton::clicked, this, [this] { controller_.OnLocalCall(kCallPass); });

  ok_ = MakeButton(this, QRect(300, 245, 110, 35), QStringLiteral("OK"));
  connect(ok_, &QPushButton::clicked, this, [this] { controller_.OnBiddingOk(); });

  auto* panel = new QFrame(this);
  panel->setGeometry(300, 0, 111, 245);
  panel->setFrameShape(QFrame::Panel);
  panel->setFrameShadow(QFrame::Sunken);
  calls_ = new CallTableView(panel);
  calls_->move(5, 5);

  // Until the engine's first refresh: pass may be pressed, OK may not.
  for (int code = 1; code <= 35; ++code) bids_[code]->setEnabled(false);
  double_->setEnabled(false);
  pass_->setEnabled(true);
  ok_->setEnabled(false);
  ApplyLanguage();
}

void TFormTorg::ApplyLanguage() {
  setWindowTitle(Qs(Tx::Trade));
  pass_->setText(Qs(Tx::Pass));
  double_->setText(Qs(redouble_caption_ ? Tx::Redouble : Tx::Double));
  for (int level = 1; level <= 7; ++level)
    bids_[level * 5]->setText(QString::number(level) + QLatin1Char(' ') + Qs(Tx::NoTrumpLabel));
  calls_->update();
}

void TFormTorg::BuildBidButton(int code) {
  const int level = BidTricks(code) - 6;
  const int denomination = BidDenomination(code);  // 1 clubs .. 5 no trump
  static const int kSuits[] = {2, 1, 0, 3};
  auto* button = MakeButton(this, QRect((denomination - 1) * 60, (level - 1) * 35, 60, 35), {});
  button->setFocusPolicy(Qt::NoFocus);
  if (denomination == 5) {
    SetCaptionColor(button, QColor(0, 0, 128));
  } else {
    const int suit = kSuits[denomination - 1];
    button->setText(QString::number(level));
    button->setIcon(QIcon(SuitPixmap(suit, 32)));
    button->setIconSize(QSize(16, 16));
    // The symbol stands right of the digit.
    button->setLayoutDirection(Qt::RightToLeft);
    SetCaptionColor(button, IsRedSuit(suit) ? QColor(200, 20, 30) : Qt::black);
  }
  connect(button, &QPushButton::clicked, this, [this, code] { controller_.OnLocalCall(code); });
  bids_[code] = button;
}

void TFormTorg::SetNames(const QString& seat1, const QString& seat2) {
  calls_->SetNames(seat1, seat2);
}

void TFormTorg::Refresh(const AuctionTable& table, const BiddingButtons& buttons) {
  for (int code = 1; code <= 35; ++code) bids_[code]->setEnabled(buttons.bid[code]);
  pass_->setEnabled(buttons.pass);
  double_->setEnabled(buttons.dbl);
  redouble_caption_ = buttons.redouble_caption;
  double_->setText(Qs(redouble_caption_ ? Tx::Redouble : Tx::Double));
  double_call_ = !buttons.dbl ? 0 : buttons.redouble_caption ? kCallRedouble : kCallDouble;
  ok_->setEnabled(buttons.ok);
  calls_->SetTable(table);
}

void TFormTorg::DoubleClicked() {
  if (double_call_ != 0) controller_.OnLocalCall(double_call_);
}

void TFormTorg::CloseAllowed() {
  may_close_ = true;
  close();
}

void TFormTorg::reject() {
  // Escape does not end an auction.
  if (may_close_) QDialog::reject();
}

void TFormTorg::closeEvent(QCloseEvent* event) {
  if (!may_close_) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

void TFormTorg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Told after the window is up, so the controller is never re-entered from OpenBidding.
  QTimer::singleShot(0, this, [this] { controller_.OnBiddingOpened(); });
}

}  // namespace quorvex
