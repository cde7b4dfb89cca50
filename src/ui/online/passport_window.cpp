#include "ui/online/passport_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include "locale/countries.h"
#include "locale/cp1251.h"
#include "locale/lang_text.h"
#include "locale/passport_text.h"
#include "ui/art/country_flags.h"
#include "ui/art/resource_library.h"
#include "ui/art/zef_cards_button.h"
#include "ui/dialogs/dialog_design.h"
#include "ui/dialogs/modal_run.h"

namespace quorvex {
namespace {

QString Qs(const std::string& text) {
  return QString::fromUtf8(text.c_str());
}

QString FromFile(const std::string& cp1251) {
  return Qs(Cp1251ToUtf8(cp1251));
}

std::string ToFile(const QString& text, size_t max) {
  std::string bytes = Utf8ToCp1251(text.toStdString()).value_or(std::string());
  if (bytes.size() > max) bytes.resize(max);
  return bytes;
}

QIcon FlagIcon(const std::string& code) {
  QPixmap flag(kFlagWidth, kFlagHeight);
  flag.fill(Qt::transparent);
  QPainter p(&flag);
  DrawFlag(code, p, 0, 0);
  return QIcon(flag);
}

}  // namespace

TFormPassport::TFormPassport(Settings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
  setWindowTitle(Qs(Text(Tx::MyPassport)));

  nick_ = new QLineEdit(FromFile(settings_.TopTenNick), this);
  nick_->setMaxLength(12);
  city_ = new QLineEdit(FromFile(settings_.TopTenCity), this);
  city_->setMaxLength(15);
  for (QLineEdit* box : {nick_, city_}) box->installEventFilter(this);
  region_ = new QComboBox(this);
  for (int r = 0; r < kRegionCount; ++r) region_->addItem(Qs(Text(Tx::Regions, r)));
  country_ = new QComboBox(this);
  sex_ = new QComboBox(this);
  sex_->addItem(Qs(Text(Tx::Sexes, 0)));
  sex_->addItem(Qs(Text(Tx::Sexes, 1)));
  nick_lamp_ = new QLabel(this);
  city_lamp_ = new QLabel(this);
  ok_ = NewDialogButton(Qs(Text(Tx::Ok)), this);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(20, DialogHeaderHeight(settings_) + 10, 20, 14);
  grid->addWidget(new QLabel(Qs(Text(Tx::Nick)), this), 0, 0);
  grid->addWidget(nick_, 0, 1);
  grid->addWidget(nick_lamp_, 0, 2);
  grid->addWidget(new QLabel(Qs(Text(Tx::Country)), this), 1, 0);
  grid->addWidget(region_, 1, 1);
  grid->addWidget(country_, 2, 1);
  grid->addWidget(new QLabel(Qs(Text(Tx::City)), this), 3, 0);
  grid->addWidget(city_, 3, 1);
  grid->addWidget(city_lamp_, 3, 2);
  grid->addWidget(sex_, 4, 1);
  grid->addWidget(ok_, 5, 1, Qt::AlignRight);
  setMinimumWidth(380);

  const std::optional<CountryCode> code = ParseCountryCode(settings_.TopTenCountry);
  const CountryCode shown = code.value_or(CountryCode{1, 1});
  filling_ = true;
  region_->setCurrentIndex(shown.region - 1);
  FillCountries(shown.region);
  country_->setCurrentIndex(shown.number);
  sex_->setCurrentIndex(settings_.TopTenSex == "W" ? 1 : 0);
  filling_ = false;

  connect(region_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (filling_ || index < 0) return;
    // A new region starts from its "Unknown" country.
    settings_.TopTenCountry = CountryCodeText(CountryCode{index + 1, 0});
    filling_ = true;
    FillCountries(index + 1);
    country_->setCurrentIndex(0);
    filling_ = false;
  });
  connect(country_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (filling_ || index < 0) return;
    settings_.TopTenCountry = CountryCodeText(CountryCode{region_->currentIndex() + 1, index});
  });
  connect(sex_, &QComboBox::currentIndexChanged, this,
          [this](int index) { settings_.TopTenSex = index == 1 ? "W" : "M"; });
  connect(nick_, &QLineEdit::textEdited, this, [this] { TextsChanged(true); });
  connect(city_, &QLineEdit::textEdited, this, [this] { TextsChanged(false); });
  TextsChanged(true);
  TextsChanged(false);
  ApplyDialogDesign(*this, settings_);
}

void TFormPassport::FillCountries(int region) {
  country_->clear();
  for (int n = 0; n <= LastCountryNumber(region); ++n) {
    const CountryNames names = CountryEntry(region, n);
    const std::string_view name = CurrentLanguage() == 1 ? names.russian : names.english;
    country_->addItem(FlagIcon(CountryCodeText(CountryCode{region, n})),
                      QString::fromUtf8(name.data(), qsizetype(name.size())));
  }
}

QImage TFormPassport::Lamp(int check) const {
  QImage lamp;
  LoadLibraryPicture(check >= 3   ? QStringLiteral("LampG24")
                     : check == 2 ? QStringLiteral("LampY24")
                                  : QStringLiteral("LampR24"),
                     QString(), lamp);
  return lamp;
}

void TFormPassport::TextsChanged(bool nick_changed) {
  nick_check_ = CheckPassportText(nick_->text().toStdString(), PassportTextKind::Nick);
  city_check_ = CheckPassportText(city_->text().toStdString(), PassportTextKind::City);
  nick_lamp_->setPixmap(QPixmap::fromImage(Lamp(nick_check_)));
  city_lamp_->setPixmap(QPixmap::fromImage(Lamp(city_check_)));
  ok_->setEnabled(ClosingAllowed());
  if (!ClosingAllowed()) return;
  if (nick_changed) {
    settings_.TopTenNick = ToFile(nick_->text(), 12);
  } else {
    settings_.TopTenCity = ToFile(city_->text(), 15);
  }
}

bool TFormPassport::eventFilter(QObject* watched, QEvent* event) {
  // A character no passport text may hold is dropped as it is typed.
  if ((watched == nick_ || watched == city_) && event->type() == QEvent::KeyPress) {
    const QString typed = static_cast<QKeyEvent*>(event)->text();
    if (!typed.isEmpty() && typed.at(0).isPrint() &&
        CheckPassportText(typed.toStdString(), PassportTextKind::Other) == kPassportRejected)
      return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TFormPassport::done(int result) {
  if (!ClosingAllowed()) {
    (nick_check_ < 2 ? nick_ : city_)->setFocus();
    return;
  }
  QDialog::done(result);
}

void TFormPassport::paintEvent(QPaintEvent* event) {
  QDialog::paintEvent(event);
  QPainter painter(this);
  PaintDialogHeader(painter, width(), height(), windowTitle(), settings_);
}

void ShowPassport(Settings& settings, QWidget* parent) {
  TFormPassport passport(settings, parent);
  RunModal(passport);
}

}  // namespace quorvex
