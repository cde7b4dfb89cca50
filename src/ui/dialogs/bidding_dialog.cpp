#include "ui/dialogs/bidding_dialog.h"

#include <QCloseEvent>
#include <QFrame>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include "game/controller.h"
#include "locale/lang_text.h"
#include "ui/art/card_images.h"
#include "ui/art/suit_symbol.h"
#include "ui/art/touch_effect.h"
#include "ui/art/zef_cards_button.h"
#include "ui/dialogs/call_table_view.h"

namespace quorvex {

namespace {
constexpr int kBidWidth = 60;
constexpr int kBidHeight = 35;
constexpr int kGlyphSize = 16;
const QColor kRedCaption(200, 20, 30);
const QColor kNavy(0, 0, 128);
const QColor kPurple(128, 0, 128);
const QColor kTeal(0, 128, 128);

QString Qs(Tx text) {
  return QString::fromUtf8(Text(text).c_str());
}

QFont CaptionFont() {
  QFont font(QStringLiteral("Comic Sans MS"));
  font.setPixelSize(15);
  font.setBold(true);
  return font;
}

QString NoTrumpCaption(int level) {
  return QString::number(level) + QLatin1Char(' ') + Qs(Tx::NoTrumpLabel);
}

// Level 1..7 and suit (0 hearts .. 3 spades, -1 no trump) of a bid button.
int BidLevel(int code) {
  return BidTricks(code) - 6;
}
int BidSuit(int code) {
  static const int kSuits[] = {2, 1, 0, 3, -1};
  return kSuits[BidDenomination(code) - 1];
}
QColor BidColour(int code) {
  const int suit = BidSuit(code);
  return suit < 0 ? kNavy : IsRedSuit(suit) ? kRedCaption : QColor(Qt::black);
}

QString TwoDigits(int n) {
  return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

// The caption keeps its colour while enabled; disabled standard buttons grey out as usual.
void SetCaptionColour(QPushButton* button, const QColor& colour) {
  QPalette palette = button->palette();
  palette.setColor(QPalette::Active, QPalette::ButtonText, colour);
  palette.setColor(QPalette::Inactive, QPalette::ButtonText, colour);
  button->setPalette(palette);
}

// Enter must never make a call by itself, so no button is the dialog's default.
template <class Button>
Button* MakeButton(QWidget* parent, const QRect& rect, const QString& name) {
  auto* button = new Button(parent);
  button->setObjectName(name);
  button->setGeometry(rect);
  button->setFont(CaptionFont());
  button->setAutoDefault(false);
  return button;
}

QRect BidRect(int code) {
  return QRect((BidDenomination(code) - 1) * kBidWidth, (BidLevel(code) - 1) * kBidHeight,
               kBidWidth, kBidHeight);
}

// A symbol of the card pictures as a glyph. Some designs draw theirs on an opaque ground; as for
// any bitmap glyph, the colour of the bottom-left pixel is then the see-through one.
QImage GlyphPicture(const QImage& symbol) {
  QImage glyph = symbol.convertToFormat(QImage::Format_ARGB32);
  const QRgb ground = glyph.pixel(0, glyph.height() - 1);
  if (qAlpha(ground) == 255) {
    for (int y = 0; y < glyph.height(); ++y) {
      auto* row = reinterpret_cast<QRgb*>(glyph.scanLine(y));
      for (int x = 0; x < glyph.width(); ++x)
        if (row[x] == ground) row[x] = 0;
    }
  }
  return glyph;
}

// The card-style buttons of a set that is out of play recede into the black ground; the bids
// also draw their own digit, left of the symbol, since the button centres its caption over the
// whole face.
void DecorateCardButton(TZefCardsButton* button, int code) {
  const bool with_symbol = IsBid(code) && BidSuit(code) >= 0;
  if (with_symbol) SetCaptionColour(button, Qt::transparent);
  button->SetOnDrawButton([button, code, with_symbol](QPainter& painter, const QRect& rect,
                                                      const TZefCardsButton::DrawState& state) {
    const QPoint shift = state.down ? QPoint(1, 1) : QPoint(0, 0);
    if (with_symbol) {
      const int glyph_left = rect.width() - 10 - kGlyphSize;  // where the button puts its glyph
      painter.setFont(button->font());
      painter.setPen(BidColour(code));
      // Close to the symbol, so the two read as one call.
      painter.drawText(QRect(4, 0, glyph_left - 6, rect.height()).translated(shift),
                       Qt::AlignRight | Qt::AlignVCenter, button->text());
    }
    if (state.disabled) {
      painter.setRenderHint(QPainter::Antialiasing);
      painter.fillRect(rect, QColor(0, 0, 0, 120));
    }
  });
}
}  // namespace

TFormTorg::TFormTorg(GameController& controller, QWidget* parent, const Settings* settings,
                     const CardImages* cards)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                          Qt::CustomizeWindowHint),
      controller_(controller) {
  setObjectName(QStringLiteral("FormTorg"));
  setFixedSize(kWidth, kHeight);
  setModal(false);
  const Settings defaults;
  const Settings& look = settings ? *settings : defaults;
  click_effect_ = look.ClickEffectButtons;

  SetSuitSymbols(cards);
  BuildStandardSet();
  BuildCardSet(look.NewButtons);

  panel_ = new QFrame(this);
  panel_->setObjectName(QStringLiteral("Panel1"));
  panel_->setGeometry(300, 0, 111, 245);
  panel_->setFrameShape(QFrame::Panel);
  panel_->setFrameShadow(QFrame::Sunken);
  calls_ = new CallTableView(panel_);
  calls_->setObjectName(QStringLiteral("Image1"));
  calls_->move(5, 5);
  calls_->SetFonts(look);
  calls_->SetSymbols(symbols_);

  // Until the engine's first refresh: pass may be pressed, OK may not.
  for (const ButtonSet& set : sets_) {
    for (int code = 1; code <= 35; ++code) set.bids[code]->setEnabled(false);
    set.dbl->setEnabled(false);
    set.pass->setEnabled(true);
    set.ok->setEnabled(false);
    ConnectSet(set);
  }
  ApplyLanguage();
  SetCardStyle(look.DialogPicture);
}

void TFormTorg::SetSuitSymbols(const CardImages* cards) {
  for (int suit = 0; suit < 4; ++suit) {
    const QImage picture = cards ? cards->Symbol(suit) : QImage();
    symbols_[suit] =
        picture.isNull() ? SuitPixmap(suit, 2 * kGlyphSize).toImage() : GlyphPicture(picture);
  }
}

void TFormTorg::BuildStandardSet() {
  ButtonSet& set = sets_[0];
  for (int code = 1; code <= 35; ++code) {
    auto* button = MakeButton<QPushButton>(this, BidRect(code), "BitBtn" + TwoDigits(code));
    button->setFocusPolicy(Qt::NoFocus);
    SetCaptionColour(button, BidColour(code));
    const int suit = BidSuit(code);
    if (suit >= 0) {
      button->setText(QString::number(BidLevel(code)));
      button->setIcon(QIcon(QPixmap::fromImage(symbols_[suit])));
      button->setIconSize(QSize(kGlyphSize, kGlyphSize));
      // The symbol stands right of the digit.
      button->setLayoutDirection(Qt::RightToLeft);
    }
    set.bids[code] = button;
  }
  set.dbl = MakeButton<QPushButton>(this, QRect(0, 245, 150, 35), QStringLiteral("BitBtnDb"));
  SetCaptionColour(set.dbl, kPurple);
  set.pass = MakeButton<QPushButton>(this, QRect(149, 246, 150, 35), QStringLiteral("BitBtn00"));
  SetCaptionColour(set.pass, kTeal);
  set.ok = MakeButton<QPushButton>(this, QRect(300, 245, 110, 35), QStringLiteral("BitBtnOk"));
  set.ok->setText(QStringLiteral("OK"));
}

void TFormTorg::BuildCardSet(bool new_buttons) {
  ButtonSet& set = sets_[1];
  const auto card_button = [&](const QRect& rect, const QString& name, ColorSB scheme, int klight) {
    auto* button = MakeButton<TZefCardsButton>(this, rect, name);
    button->SetScheme(scheme);
    button->SetKLightSB(klight);
    button->SetNata(new_buttons);
    return button;
  };
  for (int code = 1; code <= 35; ++code) {
    TZefCardsButton* button =
        card_button(BidRect(code), "ZefBtn" + TwoDigits(code), ColorSB::DCards, 70);
    button->setFocusPolicy(Qt::NoFocus);
    SetCaptionColour(button, BidColour(code));
    const int suit = BidSuit(code);
    if (suit >= 0) {
      button->setText(QString::number(BidLevel(code)));
      // The symbol keeps its colours when the button is out of play; the whole face dims.
      const QPixmap glyph = QPixmap::fromImage(symbols_[suit]);
      QIcon icon(glyph);
      icon.addPixmap(glyph, QIcon::Disabled);
      button->setIcon(icon);
      button->setIconSize(QSize(kGlyphSize, kGlyphSize));
      button->SetGlyphLayout(TZefCardsButton::GlyphSide::Right);
    }
    DecorateCardButton(button, code);
    set.bids[code] = button;
  }
  // Pass and double change places against the standard set: pass comes first.
  set.pass = card_button(QRect(0, 245, 150, 35), QStringLiteral("ZefBtn00"), ColorSB::DGreen, 0);
  set.dbl = card_button(QRect(150, 245, 150, 35), QStringLiteral("ZefBtnDb"), ColorSB::DViolet, 0);
  set.ok = card_button(QRect(300, 245, 110, 35), QStringLiteral("ZefBtnOk"), ColorSB::DNavy, 0);
  set.ok->setText(QStringLiteral("OK"));
  for (QPushButton* button : {set.pass, set.dbl, set.ok})
    DecorateCardButton(static_cast<TZefCardsButton*>(button), 0);
}

void TFormTorg::ConnectSet(const ButtonSet& set) {
  for (int code = 1; code <= 35; ++code) {
    QPushButton* button = set.bids[code];
    button->installEventFilter(this);
    connect(button, &QPushButton::clicked, this, [this, button, code] { Call(button, code); });
  }
  set.pass->installEventFilter(this);
  connect(set.pass, &QPushButton::clicked, this, [this, b = set.pass] { Call(b, kCallPass); });
  set.dbl->installEventFilter(this);
  connect(set.dbl, &QPushButton::clicked, this, [this, b = set.dbl] { DoubleClicked(b); });
  connect(set.ok, &QPushButton::clicked, this, [this] { controller_.OnBiddingOk(); });
}

void TFormTorg::SetCardStyle(bool on) {
  card_style_ = on;
  for (int i = 0; i < 2; ++i) {
    const ButtonSet& set = sets_[i];
    const bool shown = (i == 1) == on;
    for (int code = 1; code <= 35; ++code) set.bids[code]->setVisible(shown);
    set.pass->setVisible(shown);
    set.dbl->setVisible(shown);
    set.ok->setVisible(shown);
  }
  // The black ground of the picture design; the window's own colour otherwise.
  QPalette ground = QWidget::palette();
  if (on) {
    ground.setColor(QPalette::Window, Qt::black);
    setPalette(ground);
  } else {
    setPalette(QPalette());
  }
  setAutoFillBackground(on);
  calls_->SetCardStyle(on);
  update();
}

void TFormTorg::SetNewButtons(bool on) {
  const ButtonSet& set = sets_[1];
  for (int code = 1; code <= 35; ++code) static_cast<TZefCardsButton*>(set.bids[code])->SetNata(on);
  for (QPushButton* button : {set.pass, set.dbl, set.ok})
    static_cast<TZefCardsButton*>(button)->SetNata(on);
}

void TFormTorg::ApplyLanguage() {
  setWindowTitle(Qs(Tx::Trade));
  for (const ButtonSet& set : sets_) {
    set.pass->setText(Qs(Tx::Pass));
    set.dbl->setText(Qs(redouble_caption_ ? Tx::Redouble : Tx::Double));
    for (int level = 1; level <= 7; ++level) set.bids[level * 5]->setText(NoTrumpCaption(level));
  }
  calls_->update();
}

void TFormTorg::SetNames(const QString& seat1, const QString& seat2) {
  calls_->SetNames(seat1, seat2);
}

void TFormTorg::Refresh(const AuctionTable& table, const BiddingButtons& buttons) {
  redouble_caption_ = buttons.redouble_caption;
  for (const ButtonSet& set : sets_) {
    for (int code = 1; code <= 35; ++code) set.bids[code]->setEnabled(buttons.bid[code]);
    set.pass->setEnabled(buttons.pass);
    set.dbl->setEnabled(buttons.dbl);
    set.dbl->setText(Qs(redouble_caption_ ? Tx::Redouble : Tx::Double));
    set.ok->setEnabled(buttons.ok);
  }
  double_call_ = !buttons.dbl ? 0 : buttons.redouble_caption ? kCallRedouble : kCallDouble;
  calls_->SetTable(table);
}

QPoint TFormTorg::ClickPoint(const QPushButton* button) const {
  // Where the mouse let go on the button; its middle when it was pressed from the keyboard.
  return button->geometry().contains(last_release_) ? last_release_ : button->geometry().center();
}

void TFormTorg::Call(QPushButton* button, int code) {
  if (click_effect_) TouchEffect::Play(this, ClickPoint(button));
  controller_.OnLocalCall(code);
}

void TFormTorg::DoubleClicked(QPushButton* button) {
  if (double_call_ != 0) Call(button, double_call_);
}

bool TFormTorg::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    if (auto* button = qobject_cast<QPushButton*>(watched))
      last_release_ = button->mapTo(this, static_cast<QMouseEvent*>(event)->position().toPoint());
  }
  return QDialog::eventFilter(watched, event);
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
