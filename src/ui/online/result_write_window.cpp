#include "ui/online/result_write_window.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "locale/countries.h"
#include "locale/cp1251.h"
#include "locale/lang_text.h"
#include "online/world_records.h"
#include "ui/art/country_flags.h"
#include "ui/art/zef_cards_button.h"
#include "ui/dialogs/modal_run.h"
#include "ui/dialogs/notice_window.h"
#include "ui/online/passport_window.h"
#include "ui/online/wait_cursor.h"

namespace quorvex {
namespace {

QString Qs(const std::string& text) {
  return QString::fromUtf8(text.c_str());
}

QPixmap Drawn(void (*draw)(std::string_view, QPainter&, int, int), const std::string& what,
              QSize size) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  draw(what, p, 0, 0);
  return pixmap;
}

}  // namespace

TFormResultWrite::TFormResultWrite(WorldListsContext& context, int64_t cycle_score, QWidget* parent)
    : DesignedDialog(context.settings, parent), context_(context), score_(cycle_score) {
  setWindowTitle(Qs(Text(Tx::WorldTopTen)));
  const QString text_colour = TextColour().name();
  QFont big = font();
  big.setPixelSize(17);
  QFont bold = big;
  bold.setBold(true);
  auto label = [&](const QString& text, const QFont& f) {
    auto* l = new QLabel(text, this);
    l->setFont(f);
    l->setStyleSheet(QStringLiteral("color: %1;").arg(text_colour));
    return l;
  };
  face_ = new QLabel(this);
  flag_ = new QLabel(this);
  nick_ = label(QString(), bold);
  city_ = label(QString(), bold);
  score_value_ = label(QString::number(score_), bold);
  place_caption_ = label(Qs(Text(Tx::YourPlace)) + QLatin1Char(':'), big);
  place_value_ = label(QString(), bold);
  place_value_->setStyleSheet(
      QStringLiteral("color: %1;").arg(Design() == DialogDesign::Purple ? "#ffd040" : "#c01010"));
  place_caption_->hide();
  place_value_->hide();

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(10);
  grid->setVerticalSpacing(10);
  grid->addWidget(label(Qs(Text(Tx::Nick)), big), 0, 0);
  grid->addWidget(face_, 0, 1);
  grid->addWidget(nick_, 0, 2);
  grid->addWidget(label(Qs(Text(Tx::Country) + " & " + Text(Tx::City)), big), 1, 0);
  grid->addWidget(flag_, 1, 1);
  grid->addWidget(city_, 1, 2);
  grid->addWidget(label(Qs(Text(Tx::YourScore)) + QLatin1Char(':'), big), 2, 0);
  grid->addWidget(score_value_, 2, 2);
  grid->addWidget(place_caption_, 3, 0);
  grid->addWidget(place_value_, 3, 2);
  grid->setColumnMinimumWidth(1, 18);
  grid->setColumnMinimumWidth(2, 170);

  send_ = NewDialogButton(Qs(Text(Tx::Send)), this);
  passport_ = NewDialogButton(Qs(Text(Tx::Passport)), this);
  close_ = NewDialogButton(Qs(Text(Tx::Close)), this);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* button : {send_, passport_, close_}) {
    button->setMinimumSize(110, 30);
    buttons->addWidget(button);
  }
  send_->setDefault(true);
  connect(send_, &QPushButton::clicked, this, &TFormResultWrite::Send);
  connect(passport_, &QPushButton::clicked, this, &TFormResultWrite::EditPassport);
  connect(close_, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, HeaderHeight() + 14, 24, 14);
  layout->setSpacing(18);
  layout->addLayout(grid);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  ShowPassportLines();
  send_->setEnabled(SendAllowed(context_.settings, offer_));
  FinishDesign();
}

QString TFormResultWrite::NickText() const {
  return nick_->text();
}
QString TFormResultWrite::CityText() const {
  return city_->text();
}
QString TFormResultWrite::ScoreText() const {
  return score_value_->text();
}
QString TFormResultWrite::PlaceText() const {
  return place_value_->isHidden() ? QString() : place_value_->text();
}

void TFormResultWrite::ShowPassportLines() {
  const Settings& s = context_.settings;
  face_->setPixmap(Drawn(DrawSexIcon, s.TopTenSex == "W" ? "W" : "M", QSize(16, 16)));
  flag_->setPixmap(Drawn(DrawFlag, s.TopTenCountry, QSize(kFlagWidth, kFlagHeight)));
  nick_->setText(Qs(Cp1251ToUtf8(s.TopTenNick)));
  city_->setText(Qs(Cp1251ToUtf8(s.TopTenCity)));
}

void TFormResultWrite::Send() {
  if (!SendAllowed(context_.settings, offer_)) return;
  std::optional<int64_t> place;
  {
    WaitCursor wait;
    place = WorldRecords(context_.http, context_.settings.TopTenAddress.plain)
                .Write(PassportEntry(context_.settings, score_));
  }
  if (!place) {
    ShowNotice(Qs(Text(Tx::UnableToWriteResult)), QString(), QString(), this);
    return;
  }
  place_ = *place;
  offer_.sent = true;
  send_->setEnabled(false);
  place_value_->setText(QString::number(place_));
  place_caption_->show();
  place_value_->show();
}

void TFormResultWrite::EditPassport() {
  ShowPassport(context_.settings, this);
  offer_.passport_edited = true;
  ShowPassportLines();
  send_->setEnabled(SendAllowed(context_.settings, offer_));
}

void OfferResultWrite(WorldListsContext& context, int cycle_score, QWidget* parent) {
  if (!context.switches.world_top_ten) {
    ShowNotice(Qs(Text(Tx::WorldTopTenUnavailable)), QString(), QString(), parent);
    return;
  }
  TFormResultWrite window(context, cycle_score, parent);
  RunModal(window);
}

}  // namespace quorvex
