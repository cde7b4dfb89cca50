// The account window's tabs beyond "My account": results, the rating top ten, the Zefs, the
// player's profile and the President's.
#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "locale/countries.h"
#include "locale/lang_text.h"
#include "online/account_rating_text.h"
#include "online/zefs_transfer.h"
#include "ui/art/country_flags.h"
#include "ui/art/zef_cards_button.h"
#include "ui/dialogs/modal_run.h"
#include "ui/online/account_pictures.h"
#include "ui/online/account_window.h"
#include "ui/online/browser_open.h"
#include "ui/online/profile_editor.h"
#include "ui/online/profile_view.h"
#include "ui/online/wait_cursor.h"

namespace quorvex {
namespace {

QString Qs(const std::string& text) {
  return QString::fromUtf8(text.c_str());
}

// The flag of a top-ten entry's country, which the list gives by name (or, from a short entry,
// as its code); no flag for a name the table does not know.
std::string CodeOfCountry(const std::string& country) {
  const std::optional<CountryCode> code = CountryOfName(country);
  return code ? CountryCodeText(*code) : std::string();
}

QPixmap Small(void (*draw)(std::string_view, QPainter&, int, int), std::string_view what,
              QSize size) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  draw(what, p, 0, 0);
  return pixmap;
}

QPushButton* Button(Tx text, int width, QWidget* parent) {
  QPushButton* button = NewDialogButton(Qs(Text(text)), parent);
  button->setFixedSize(width, 30);
  return button;
}

}  // namespace

// ---- "My results" ----

QWidget* TFormAccount::BuildResultsTab() {
  auto* page = new QWidget;
  auto* grid = new QGridLayout;
  grid->setVerticalSpacing(6);
  QFont bold = page->font();
  bold.setBold(true);
  for (int line = 0; line < 9; ++line) {
    grid->addWidget(new QLabel(Qs(Text(Tx::AccountResults, line)), page), line, 0);
    result_values_[line] = new QLabel(page);
    result_values_[line]->setFont(bold);
    grid->addWidget(result_values_[line], line, 1);
  }
  grid->setColumnMinimumWidth(0, 180);
  grid->setColumnStretch(2, 1);
  results_note_ = new QLabel(page);
  results_note_->setStyleSheet(QStringLiteral("color: #c02020; font-weight: bold;"));
  results_refresh_ = Button(Tx::Refresh, 120, page);
  connect(results_refresh_, &QPushButton::clicked, this, [this] {
    {
      WaitCursor wait;
      ReadResults();
    }
    ShowResults();
  });
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(grid);
  layout->addSpacing(8);
  layout->addWidget(results_note_);
  layout->addStretch();
  layout->addWidget(results_refresh_, 0, Qt::AlignLeft);
  return page;
}

void TFormAccount::ShowResults() {
  const bool in = session_.state != AccountState::NotLoggedIn;
  QString values[9];
  values[0] = Qs(Text(Tx::ProductTitle));
  if (in) values[1] = Qs(session_.user.Nick);
  if (in && record_read_) {
    values[2] = Qs(AccountRatingText(game_.Rating));
    values[3] = game_.Place > 0 ? QString::number(game_.Place) : QString();
    values[4] = QString::number(game_.Kon);
    values[5] = QString::number(game_.Best);
    values[6] = QString::number(game_.Sessions);
    values[7] = QString::number(game_.KonL);
    values[8] = QString::number(game_.Score);
  }
  for (int line = 0; line < 9; ++line) result_values_[line]->setText(values[line]);
  results_note_->setText(!in            ? Qs(Text(Tx::LogInToYourAccount))
                         : record_read_ ? QString()
                                        : Qs(Text(Tx::NoConnect)));
}

QString TFormAccount::ResultValue(int line) const {
  return result_values_[line]->text();
}

QString TFormAccount::ResultsNote() const {
  return results_note_->text();
}

// ---- "Top 10" ----

QWidget* TFormAccount::BuildTopTenTab() {
  auto* page = new QWidget;
  auto* grid = new QGridLayout;
  grid->setVerticalSpacing(4);
  grid->setHorizontalSpacing(10);
  QFont heading = page->font();
  heading.setBold(true);
  const Tx captions[] = {Tx::Nick, Tx::City};
  for (int i = 0; i < 2; ++i) {
    auto* label = new QLabel(Qs(Text(captions[i])), page);
    label->setFont(heading);
    grid->addWidget(label, 0, 3 + i);
  }
  auto* rating = new QLabel(Qs(Text(Tx::AccountResults, 2)), page);
  rating->setFont(heading);
  grid->addWidget(rating, 0, 5, Qt::AlignRight);
  for (int i = 0; i < 10; ++i) {
    const int row = i + 1;
    auto* place = new QLabel(QString::number(row) + QLatin1Char('.'), page);
    place->setFont(heading);
    if (row <= 3) place->setStyleSheet(QStringLiteral("color: #c08000;"));
    grid->addWidget(place, row, 0, Qt::AlignRight);
    top_flags_[i] = new QLabel(page);
    top_faces_[i] = new QLabel(page);
    top_nicks_[i] = new QLabel(page);
    top_cities_[i] = new QLabel(page);
    top_ratings_[i] = new QLabel(page);
    top_nicks_[i]->setFont(heading);
    grid->addWidget(top_flags_[i], row, 1);
    grid->addWidget(top_faces_[i], row, 2);
    grid->addWidget(top_nicks_[i], row, 3);
    grid->addWidget(top_cities_[i], row, 4);
    grid->addWidget(top_ratings_[i], row, 5, Qt::AlignRight);
  }
  grid->setColumnMinimumWidth(3, 140);
  grid->setColumnMinimumWidth(4, 140);
  grid->setColumnMinimumWidth(5, 90);
  grid->setColumnStretch(6, 1);
  top_note_ = new QLabel(page);
  top_note_->setStyleSheet(QStringLiteral("color: #c02020; font-weight: bold;"));
  top_refresh_ = Button(Tx::Refresh, 120, page);
  connect(top_refresh_, &QPushButton::clicked, this, [this] {
    {
      WaitCursor wait;
      ReadTopTen();
    }
    ShowTopTen();
  });
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(grid);
  layout->addWidget(top_note_);
  layout->addStretch();
  layout->addWidget(top_refresh_, 0, Qt::AlignLeft);
  return page;
}

void TFormAccount::ShowTopTen() {
  for (int i = 0; i < 10; ++i) {
    const TZefTop10& entry = top_ten_.entries[size_t(i)];
    const bool filled = !entry.Nick.empty();
    top_flags_[i]->setPixmap(
        filled ? Small(DrawFlag, CodeOfCountry(entry.Country), QSize(kFlagWidth, kFlagHeight))
               : QPixmap());
    top_flags_[i]->setToolTip(Qs(entry.Country));
    top_faces_[i]->setPixmap(
        filled ? Small(DrawSexIcon, entry.Sex == 'W' ? "W" : "M", QSize(16, 16)) : QPixmap());
    top_nicks_[i]->setText(Qs(entry.Nick));
    top_cities_[i]->setText(Qs(entry.City));
    top_ratings_[i]->setText(filled ? Qs(AccountRatingText(entry.Rating)) : QString());
  }
  top_note_->setText(top_ten_.ok ? QString() : Qs(Text(Tx::NoConnect)));
}

QString TFormAccount::TopTenLine(int place) const {
  const int i = place - 1;
  if (i < 0 || i >= 10 || top_nicks_[i]->text().isEmpty()) return QString();
  return top_nicks_[i]->text() + QStringLiteral(", ") + top_cities_[i]->text() +
         QStringLiteral(", ") + top_ratings_[i]->text();
}

QString TFormAccount::TopTenNote() const {
  return top_note_->text();
}

// ---- "Zefs" ----

QWidget* TFormAccount::BuildZefsTab() {
  auto* page = new QWidget;
  balance_ = new QLabel(page);
  QFont big = page->font();
  big.setPixelSize(22);
  big.setBold(true);
  balance_->setFont(big);
  zefs_refresh_ = Button(Tx::Refresh, 120, page);
  connect(zefs_refresh_, &QPushButton::clicked, this, &TFormAccount::RefreshBalance);
  add_zefs_ = Button(Tx::AddZefs, 300, page);
  connect(add_zefs_, &QPushButton::clicked, this, &TFormAccount::AddZefs);

  recipient_ = new QLineEdit(page);
  recipient_->setMaxLength(12);
  recipient_->installEventFilter(this);
  amount_ = new QSpinBox(page);
  amount_->setRange(0, 1000000000);
  amount_->setMinimumWidth(120);
  transfer_ = Button(Tx::TransferZefs, 200, page);
  connect(transfer_, &QPushButton::clicked, this, &TFormAccount::Transfer);

  auto* balance_row = new QHBoxLayout;
  balance_row->addWidget(balance_);
  balance_row->addStretch();
  balance_row->addWidget(zefs_refresh_);
  auto* form = new QGridLayout;
  form->addWidget(new QLabel(Qs(Text(Tx::Recipient)), page), 0, 0);
  form->addWidget(recipient_, 0, 1);
  form->addWidget(new QLabel(Qs(Text(Tx::Amount)), page), 1, 0);
  form->addWidget(amount_, 1, 1, Qt::AlignLeft);
  form->addWidget(transfer_, 2, 1, Qt::AlignLeft);
  form->setColumnMinimumWidth(1, 200);
  form->setColumnStretch(2, 1);
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(balance_row);
  layout->addSpacing(12);
  layout->addWidget(add_zefs_, 0, Qt::AlignLeft);
  layout->addSpacing(24);
  layout->addLayout(form);
  layout->addStretch();
  return page;
}

void TFormAccount::ShowBalance() {
  QString text = Qs(Text(Tx::ZefsBalance)) + QStringLiteral(": ");
  if (session_.state != AccountState::NotLoggedIn)
    text += QString::number(session_.user.R04) + QLatin1Char(' ') + Qs(Text(Tx::Zefs));
  balance_->setText(text);
}

QString TFormAccount::BalanceText() const {
  return balance_->text();
}

void TFormAccount::RefreshBalance() {
  std::optional<int64_t> balance;
  {
    WaitCursor wait;
    balance = context_.service.ReadBalance(session_.user.Nick);
  }
  if (balance) session_.user.R04 = *balance;
  ShowBalance();
  if (!balance)
    balance_->setText(balance_->text() + QStringLiteral("  ") + Qs(Text(Tx::NoConnect)));
}

void TFormAccount::AddZefs() {
  // The payment's comment names the member whose balance it fills.
  QApplication::clipboard()->setText(Qs(session_.user.Nick) + QStringLiteral("#Refill"));
  context_.hooks.ShowMessage(Text(Tx::AddCommentWhenPaying) + "\n\r" + Text(Tx::ZefsWithin24Hours));
  OpenInBrowser(QUrl(Qs(context_.payment_page) + QStringLiteral("100")));
}

void TFormAccount::Transfer() {
  // The client shows the wait cursor for each request; the question comes between them.
  TransferZefs(context_.service, session_, context_.hooks, recipient_->text().toStdString(),
               amount_->value());
  ShowBalance();
}

// ---- "About me" ----

QWidget* TFormAccount::BuildAboutTab() {
  auto* page = new QWidget;
  own_view_ = new TProfileView(false, page);
  edit_profile_ = Button(Tx::EditProfile, 200, page);
  connect(edit_profile_, &QPushButton::clicked, this, &TFormAccount::EditProfile);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(own_view_);
  layout->addStretch();
  layout->addWidget(edit_profile_, 0, Qt::AlignLeft);
  return page;
}

void TFormAccount::ShowOwnProfile() {
  if (session_.state == AccountState::NotLoggedIn) {
    own_view_->Show(TInfo14{}, NoPhotoPicture(session_.user.Sex));
  } else {
    own_view_->Show(session_.user.Info, own_photo_);
  }
}

void TFormAccount::EditProfile() {
  {
    TFormProfile editor(context_, own_photo_, this);
    RunModal(editor);
    own_photo_ = editor.Photo();
  }
  ShowOwnProfile();
  // The player may be the President.
  {
    WaitCursor wait;
    ReadPresident();
  }
  ShowPresident();
}

// ---- "President" ----

QWidget* TFormAccount::BuildPresidentTab() {
  auto* page = new QWidget;
  president_nick_ = new QLabel(page);
  QFont big = page->font();
  big.setPixelSize(18);
  big.setBold(true);
  president_nick_->setFont(big);
  president_view_ = new TProfileView(true, page);
  connect(president_view_, &TProfileView::LineClicked, this, &TFormAccount::PresidentLineClicked);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(president_nick_);
  layout->addWidget(president_view_);
  layout->addStretch();
  return page;
}

void TFormAccount::ShowPresident() {
  const std::string& nick = top_ten_.entries[0].Nick;
  president_nick_->setText(Qs(Text(Tx::President)) + QStringLiteral(": ") + Qs(nick));
  president_view_->Show(president_info_, president_photo_);
}

QString TFormAccount::PresidentNick() const {
  return Qs(top_ten_.entries[0].Nick);
}

void TFormAccount::PresidentLineClicked(int field) {
  const QString text = president_view_->LineText(field);
  switch (ProfileClickOf(field)) {
    case ProfileClick::Copy:
      QApplication::clipboard()->setText(text);
      context_.hooks.ShowMessage(Text(Tx::CopiedToClipboard));
      break;
    case ProfileClick::Open:
      if (const QUrl address = MemberWebAddress(text); address.isValid()) OpenInBrowser(address);
      break;
    case ProfileClick::None:
      break;
  }
}

}  // namespace quorvex
